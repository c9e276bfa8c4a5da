#include "config/URegional.h"

#include <QLocale>

namespace {
std::unique_ptr<TConfiguracionRegional>& Current() {
    static std::unique_ptr<TConfiguracionRegional> current;
    return current;
}
} // namespace

QChar TConfiguracionRegional::DecimalSeparator() const {
    const QString separator = QLocale::system().decimalPoint();
    return separator.isEmpty() ? QLatin1Char('.') : separator.at(0);
}

QString TConfiguracionRegional::GroupSeparator() const {
    return QLocale::system().groupSeparator();
}

QString TConfiguracionRegional::ShortDateFormat() const {
    return WithFourDigitYear(QLocale::system().dateFormat(QLocale::ShortFormat));
}

TConfiguracionRegionalFija::TConfiguracionRegionalFija(QChar decimalSeparator,
                                                       const QString& shortDateFormat)
    : decimalSeparator_(decimalSeparator), shortDateFormat_(WithFourDigitYear(shortDateFormat)) {}

QString TConfiguracionRegionalFija::GroupSeparator() const {
    return decimalSeparator_ == QLatin1Char(',') ? QStringLiteral(".") : QStringLiteral(",");
}

QString FormatWholeNumber(qint64 value) {
    const QString digits = QString::number(value < 0 ? -value : value);
    QString result;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            result += Regional().GroupSeparator();
        result += digits.at(i);
    }
    return value < 0 ? QLatin1Char('-') + result : result;
}

const TConfiguracionRegional& Regional() {
    static const TConfiguracionRegional system;
    return Current() ? *Current() : system;
}

void SetRegional(std::unique_ptr<TConfiguracionRegional> settings) {
    Current() = std::move(settings);
}

QString WithFourDigitYear(const QString& dateFormat) {
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < dateFormat.size();) {
        const QChar c = dateFormat.at(i);
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            result += c;
            ++i;
            continue;
        }
        if (quoted || c != QLatin1Char('y')) {
            result += c;
            ++i;
            continue;
        }
        qsizetype run = 0;
        while (i + run < dateFormat.size() && dateFormat.at(i + run) == QLatin1Char('y'))
            ++run;
        result += (run == 2 || run == 1) ? QStringLiteral("yyyy") : QString(run, QLatin1Char('y'));
        i += run;
    }
    return result;
}
