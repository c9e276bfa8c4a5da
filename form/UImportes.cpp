#include "form/UImportes.h"

#include "config/URegional.h"

#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

// No printf, QString::number or QLocale here: the C library follows LC_NUMERIC and Qt's locale
// need not match the separator in force. std::to_chars/from_chars are locale-free; strtold is
// used only where from_chars loses precision, and then knowing its separator.

namespace {

bool IsAsciiDigit(QChar c) {
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// Appends the ASCII digits starting at i; returns how many there were.
int TakeDigits(QStringView text, qsizetype& i, std::string& ascii) {
    int count = 0;
    while (i < text.size() && IsAsciiDigit(text[i])) {
        ascii += static_cast<char>(text[i].unicode());
        ++i;
        ++count;
    }
    return count;
}

#ifdef Q_OS_WIN
// MinGW's from_chars reads a long double through a double, which loses the cents of large
// amounts; its strtold keeps every bit. strtold may follow the C library's decimal point, so the
// point is tried first and the locale's own after; the text was checked to be one number.
bool ReadLongDouble(std::string ascii, long double& result) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        char* end = nullptr;
        errno = 0;
        result = std::strtold(ascii.c_str(), &end);
        if (end == ascii.c_str() + ascii.size())
            return errno != ERANGE;
        const char* point = std::localeconv()->decimal_point;
        if (point == nullptr || point[0] == '\0' || point[1] != '\0' || point[0] == '.')
            return false;
        for (char& c : ascii) {
            if (c == '.')
                c = point[0];
        }
    }
    return false;
}
#else
bool ReadLongDouble(const std::string& ascii, long double& result) {
    const char* end = ascii.data() + ascii.size();
    const auto [ptr, ec] = std::from_chars(ascii.data(), end, result, std::chars_format::general);
    return ec == std::errc() && ptr == end;
}
#endif

// The one parser of amounts. Any character of separators is taken as the decimal separator,
// so a reader that must cope with texts written under other regional settings can pass more
// than one.
bool ParseWithSeparators(QStringView text, QStringView separators, long double& value) {
    qsizetype i = 0;
    qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    while (n > i && text[n - 1] == u' ')
        --n;
    text = text.first(n);

    std::string ascii;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            ascii += '-';
        ++i;
    }
    int mantissaDigits = TakeDigits(text, i, ascii);
    if (i < n && separators.contains(text[i])) {
        ascii += '.';
        ++i;
        mantissaDigits += TakeDigits(text, i, ascii);
    }
    if (mantissaDigits == 0)
        return false;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ascii += 'e';
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-')) {
            ascii += static_cast<char>(text[i].unicode());
            ++i;
        }
        if (TakeDigits(text, i, ascii) == 0)
            return false;
    }
    if (i != n)
        return false;

    long double result = 0;
    if (!ReadLongDouble(ascii, result) || !std::isfinite(result))
        return false;
    value = result;
    return true;
}

// Adds one to a string of decimal digits.
void Increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

QString FormatAmount(long double value) {
    if (!std::isfinite(value))
        return QStringLiteral("0");

    // Eighteen significant digits, as "d.ddddddddddddddddde±x". That is as many as a long
    // double holds reliably, and it turns 1.005L (stored a hair below) back into 1.005.
    constexpr int kPrecision = 17;
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::scientific, kPrecision);
    if (written.ec != std::errc())
        return QStringLiteral("0");
    const std::string text(buffer, written.ptr);
    const std::size_t e = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
    std::size_t exponentStart = e + 1;
    if (text[exponentStart] == '+')
        ++exponentStart;
    int exponent = 0;
    std::from_chars(text.data() + exponentStart, text.data() + text.size(), exponent);

    // digits[k] stands for 10^(exponent - k); keep down to the hundredths, k = exponent + 2,
    // and round on the digit after them.
    const int keep = exponent + 3;
    const int available = static_cast<int>(digits.size());
    std::string hundredths;
    bool roundUp = false;
    if (keep >= available) {
        hundredths = digits + std::string(keep - available, '0');
    } else if (keep >= 0) {
        hundredths = digits.substr(0, keep);
        roundUp = digits[keep] >= '5';
    }
    if (roundUp)
        Increment(hundredths);

    const std::size_t firstNonZero = hundredths.find_first_not_of('0');
    if (firstNonZero == std::string::npos)
        return QStringLiteral("0");
    hundredths.erase(0, firstNonZero);
    if (hundredths.size() < 3)
        hundredths.insert(0, 3 - hundredths.size(), '0');

    const std::string integerPart = hundredths.substr(0, hundredths.size() - 2);
    std::string decimals = hundredths.substr(hundredths.size() - 2);
    while (!decimals.empty() && decimals.back() == '0')
        decimals.pop_back();

    QString result;
    if (value < 0)
        result += QLatin1Char('-');
    result += QLatin1String(integerPart.data(), static_cast<qsizetype>(integerPart.size()));
    if (!decimals.empty()) {
        result += Regional().DecimalSeparator();
        result += QLatin1String(decimals.data(), static_cast<qsizetype>(decimals.size()));
    }
    return result;
}

bool ParseAmount(const QString& text, long double& value) {
    const QChar separator = Regional().DecimalSeparator();
    return ParseWithSeparators(text, QStringView(&separator, 1), value);
}

bool ParseTypedAmount(const QString& text, long double& value) {
    const QString trimmed = text.trimmed();
    const qsizetype separator = trimmed.indexOf(Regional().DecimalSeparator());
    const qsizetype decimals = separator < 0 ? 0 : trimmed.size() - separator - 1;
    for (const QChar c : trimmed) {
        if (c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char('e') ||
            c == QLatin1Char('E'))
            return false;
    }
    return decimals <= 2 && ParseAmount(text, value);
}

long double AmountValue(const QString& text) {
    long double value = 0;
    return ParseAmount(text, value) ? value : 0;
}

long double StoredAmountValue(const QString& text) {
    long double value = 0;
    return ParseWithSeparators(text, u".,", value) ? value : 0;
}

QString SumAmounts(const QString& a, const QString& b) {
    return FormatAmount(AmountValue(a) + AmountValue(b));
}
