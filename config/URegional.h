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
    // Between groups of three digits of a count shown to the user.
    virtual QString GroupSeparator() const;
    // A QDate format; the year always has four digits.
    virtual QString ShortDateFormat() const;
};

// Fixed settings, for a program that must not depend on the machine (and for tests).
class TConfiguracionRegionalFija : public TConfiguracionRegional {
  public:
    TConfiguracionRegionalFija(QChar decimalSeparator, const QString& shortDateFormat);
    QChar DecimalSeparator() const override { return decimalSeparator_; }
    // The other one of "." and ",".
    QString GroupSeparator() const override;
    QString ShortDateFormat() const override { return shortDateFormat_; }

  private:
    QChar decimalSeparator_;
    QString shortDateFormat_;
};

// The settings in force: the system's unless replaced.
const TConfiguracionRegional& Regional();
// Replaces the settings in force; nullptr goes back to the system's.
void SetRegional(std::unique_ptr<TConfiguracionRegional> settings);

// A whole number as the user reads it, its digits grouped by three ("11.850").
QString FormatWholeNumber(qint64 value);

// Turns a two-digit year ("yy") of a date format into a four-digit one, so that a date
// written today reads back in the same century.
QString WithFourDigitYear(const QString& dateFormat);
