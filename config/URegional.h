#pragma once

#include <QChar>
#include <QString>

#include <memory>

// The user's regional settings as far as the program uses them: the decimal separator of
// amounts and the short date format of stored dates.
class TConfiguracionRegional {
  public:
    virtual ~TConfiguracionRegional() = default;
    virtual QChar DecimalSeparator() const;
    // A QDate format; the year always has four digits.
    virtual QString ShortDateFormat() const;
};

// Fixed settings, for a program that must not depend on the machine (and for tests).
class TConfiguracionRegionalFija : public TConfiguracionRegional {
  public:
    TConfiguracionRegionalFija(QChar decimalSeparator, const QString& shortDateFormat);
    QChar DecimalSeparator() const override { return decimalSeparator_; }
    QString ShortDateFormat() const override { return shortDateFormat_; }

  private:
    QChar decimalSeparator_;
    QString shortDateFormat_;
};

// The settings in force: the system's unless replaced.
const TConfiguracionRegional& Regional();
// Replaces the settings in force; nullptr goes back to the system's.
void SetRegional(std::unique_ptr<TConfiguracionRegional> settings);

// Turns a two-digit year ("yy") of a date format into a four-digit one, so that a date
// written today reads back in the same century.
QString WithFourDigitYear(const QString& dateFormat);
