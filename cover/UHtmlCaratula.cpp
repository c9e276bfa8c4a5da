#include "cover/UHtmlCaratula.h"

#include <array>

namespace {

// Windows-1252 bytes 0x80 to 0x9F; 0 marks the five bytes the code page leaves undefined.
constexpr std::array<char16_t, 32> kHighBlock = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int Windows1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (std::size_t i = 0; i < kHighBlock.size(); ++i) {
        if (kHighBlock[i] != 0 && kHighBlock[i] == c)
            return 0x80 + static_cast<int>(i);
    }
    return -1;
}

void AppendReference(QByteArray& bytes, char32_t c) {
    bytes += "&#";
    bytes += QByteArray::number(static_cast<uint>(c));
    bytes += ';';
}

} // namespace

QString HtmlEscape(const QString& value) {
    QString result;
    result.reserve(value.size());
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '&':
            result += QLatin1String("&amp;");
            break;
        case '<':
            result += QLatin1String("&lt;");
            break;
        case '>':
            result += QLatin1String("&gt;");
            break;
        case '"':
            result += QLatin1String("&quot;");
            break;
        default:
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                result += QStringLiteral("&#%1;").arg(c.unicode());
            else
                result += c;
        }
    }
    return result;
}

QByteArray ToWindows1252(const QString& html) {
    QByteArray bytes;
    bytes.reserve(html.size());
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar c = html.at(i);
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < html.size() && html.at(i + 1).isLowSurrogate()) {
            code = QChar::surrogateToUcs4(c, html.at(i + 1));
            ++i;
        } else if (c.isSurrogate()) {
            code = 0xFFFD;
        }
        const int byte = Windows1252Byte(code);
        if (byte >= 0)
            bytes += static_cast<char>(byte);
        else
            AppendReference(bytes, code);
    }
    return bytes;
}
