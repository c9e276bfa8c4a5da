#include "document/UXMLTexto.h"

#include <QStringDecoder>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>

namespace {

// Windows-1252 in the range 0x80-0x9F; the five unassigned bytes keep their C1 code point.
const char32_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

enum class Encoding { Utf8, Latin1, Cp1252, Utf16 };

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

std::string DeclaredEncoding(const char* bytes, size_t size) {
    const std::string head(bytes, std::min<size_t>(size, 512));
    if (head.compare(0, 5, "<?xml") != 0)
        return std::string();
    const size_t end = head.find("?>");
    const size_t at = head.find("encoding", 0);
    if (at == std::string::npos || (end != std::string::npos && at > end))
        return std::string();
    size_t quote = head.find_first_of("\"'", at);
    if (quote == std::string::npos)
        return std::string();
    const size_t close = head.find(head[quote], quote + 1);
    if (close == std::string::npos)
        return std::string();
    return Lower(head.substr(quote + 1, close - quote - 1));
}

bool IsValidUtf8(const unsigned char* p, size_t size) {
    size_t i = 0;
    while (i < size) {
        const unsigned char c = p[i];
        size_t extra;
        char32_t cp;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= size)
            return false;
        for (size_t k = 1; k <= extra; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        const char32_t minimum = extra == 1 ? 0x80 : extra == 2 ? 0x800 : 0x10000;
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

bool AsciiWord(const unsigned char* p, std::uint64_t& word) {
    std::memcpy(&word, p, sizeof word);
    return (word & 0x8080808080808080ULL) == 0;
}

std::string SingleByteToUtf8(const unsigned char* p, size_t size, Encoding encoding) {
    size_t high = 0;
    for (size_t i = 0; i < size; ++i)
        high += p[i] >> 7;
    std::string out;
    out.resize(size + high * 2);
    char* w = out.data();
    size_t i = 0;
    while (i < size) {
        // Most of a file is ASCII: eight bytes at a time where they are.
        std::uint64_t word;
        if (i + 8 <= size && AsciiWord(p + i, word)) {
            std::memcpy(w, &word, sizeof word);
            w += 8;
            i += 8;
            continue;
        }
        const unsigned char c = p[i++];
        if (c < 0x80) {
            *w++ = char(c);
            continue;
        }
        const char32_t cp = (encoding == Encoding::Cp1252 && c < 0xA0) ? kCp1252High[c - 0x80] : c;
        if (cp < 0x800) {
            *w++ = char(0xC0 | (cp >> 6));
            *w++ = char(0x80 | (cp & 0x3F));
        } else {
            *w++ = char(0xE0 | (cp >> 12));
            *w++ = char(0x80 | ((cp >> 6) & 0x3F));
            *w++ = char(0x80 | (cp & 0x3F));
        }
    }
    out.resize(size_t(w - out.data()));
    return out;
}

// Decodes one code point of valid UTF-8 (as produced by the parser and by QString).
char32_t NextCodePoint(const unsigned char*& p) {
    const unsigned char c = *p++;
    if (c < 0x80)
        return c;
    int extra = (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : 0;
    if (extra == 0)
        return 0xFFFD;
    char32_t cp = c & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if ((*p & 0xC0) != 0x80)
            return 0xFFFD;
        cp = (cp << 6) | (*p++ & 0x3F);
    }
    return cp;
}

// XML 1.0 has no way to write these; vertical tab and form feed are kept as line breaks.
bool ForbiddenInXml(char32_t cp, char32_t& replacement) {
    if ((cp < 0x20 && cp != '\t' && cp != '\n' && cp != '\r') || cp == 0xFFFE || cp == 0xFFFF ||
        (cp >= 0xD800 && cp <= 0xDFFF)) {
        replacement = (cp == 0x0B || cp == 0x0C) ? char32_t('\n') : 0;
        return true;
    }
    return false;
}

void AppendReference(std::string& out, char32_t cp) {
    out += "&#";
    out += std::to_string(static_cast<unsigned long>(cp));
    out += ';';
}

// Bytes that the writers copy as they are: printable ASCII, tab and line feed, less the
// characters each writer escapes.
struct TBytesSimples {
    explicit TBytesSimples(const char* escaped) {
        for (int c = 0x20; c < 0x80; ++c)
            plain[c] = true;
        plain[0x7F] = true;
        plain[int('\t')] = plain[int('\n')] = true;
        for (const char* e = escaped; *e; ++e)
            plain[static_cast<unsigned char>(*e)] = false;
    }
    bool plain[256] = {};
};

// Copies runs of plain bytes at once (after calling beforeRun) and hands every other
// character to escape().
template <typename Escape, typename BeforeRun>
void EscapeEach(std::string& out, const char* utf8, const TBytesSimples& simple, Escape escape,
                BeforeRun beforeRun) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8);
    while (*p) {
        const unsigned char* run = p;
        while (simple.plain[*p]) // the terminating zero is never plain
            ++p;
        if (p != run) {
            beforeRun();
            out.append(reinterpret_cast<const char*>(run), size_t(p - run));
        }
        if (!*p)
            break;
        char32_t cp = NextCodePoint(p);
        char32_t replacement;
        if (ForbiddenInXml(cp, replacement)) {
            if (replacement == 0)
                continue;
            cp = replacement;
        }
        escape(cp);
    }
}

// One character of a text or attribute value that the plain copy passed over.
void AppendEscaped(std::string& out, char32_t cp, bool inAttribute) {
    switch (cp) {
    case '&':
        out += "&amp;";
        return;
    case '<':
        out += "&lt;";
        return;
    case '>':
        out += "&gt;";
        return;
    case '\r':
        out += "&#13;";
        return;
    }
    if (inAttribute) {
        // Attribute values lose raw quotes, tabs and line breaks when read.
        switch (cp) {
        case '"':
            out += "&quot;";
            return;
        case '\t':
            out += "&#9;";
            return;
        case '\n':
            out += "&#10;";
            return;
        }
    }
    if (cp <= 0xFF)
        out += char(cp);
    else
        AppendReference(out, cp);
}

// Where a text that XML keeps holds only blanks, the first of them: such a text would be taken
// for indentation and dropped when read again. Characters XML cannot hold do not count, as
// they are dropped when written. Null when the text holds anything else.
const unsigned char* FirstOfOnlyBlanks(const char* utf8) {
    const unsigned char* first = nullptr;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8); *p;) {
        const unsigned char* at = p;
        const char32_t cp = NextCodePoint(p);
        char32_t replacement;
        if (ForbiddenInXml(cp, replacement) && replacement == 0)
            continue;
        if (cp != ' ' && cp != '\t' && cp != '\n' && cp != '\v' && cp != '\f')
            return nullptr;
        if (!first)
            first = at;
    }
    return first;
}

} // namespace

namespace {

bool IsLatin1Name(const std::string& name) {
    static const char* const kNames[] = {"iso-8859-1", "iso8859-1",   "iso_8859-1",     "latin1",
                                         "latin-1",    "l1",          "iso-ir-100",     "cp819",
                                         "ibm819",     "csisolatin1", "iso_8859-1:1987"};
    return std::find(std::begin(kNames), std::end(kNames), name) != std::end(kNames);
}

bool IsCp1252Name(const std::string& name) {
    return name == "windows-1252" || name == "cp1252";
}

bool IsUtf8Name(const std::string& name) {
    return name == "utf-8" || name == "utf8";
}

bool IsAsciiName(const std::string& name) {
    return name == "us-ascii" || name == "ascii";
}

bool AllAscii(const unsigned char* p, size_t size) {
    return std::all_of(p, p + size, [](unsigned char c) { return c < 0x80; });
}

// UTF-16 without a byte order mark still shows itself by its first character, "<".
bool Utf16WithoutMark(const unsigned char* p, size_t size, bool& littleEndian) {
    if (size < 4)
        return false;
    if (p[0] == '<' && p[1] == 0 && p[2] == '?' && p[3] == 0)
        return littleEndian = true;
    if (p[0] == 0 && p[1] == '<' && p[2] == 0 && p[3] == '?') {
        littleEndian = false;
        return true;
    }
    return false;
}

} // namespace

std::string UnreadableEncoding(const char* bytes, size_t size) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes);
    if (size >= 4 && ((p[0] == 0 && p[1] == 0 && p[2] == 0xFE && p[3] == 0xFF) ||
                      (p[0] == 0xFF && p[1] == 0xFE && p[2] == 0 && p[3] == 0)))
        return "UTF-32";
    bool littleEndian = false;
    if (size >= 2 && ((p[0] == 0xFF && p[1] == 0xFE) || (p[0] == 0xFE && p[1] == 0xFF)))
        return std::string();
    if (Utf16WithoutMark(p, size, littleEndian))
        return std::string();
    const size_t skip = (size >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF) ? 3 : 0;
    const std::string declared = DeclaredEncoding(bytes + skip, size - skip);
    if (declared.empty() || IsUtf8Name(declared) || IsLatin1Name(declared) ||
        IsCp1252Name(declared))
        return std::string();
    if (IsAsciiName(declared) && AllAscii(p, size))
        return std::string();
    // Any other name, UTF-16 declared in a file written one byte a character included.
    const std::string head(bytes + skip, std::min<size_t>(size - skip, 512));
    const size_t at = head.find("encoding");
    const size_t quote = head.find_first_of("\"'", at);
    return head.substr(quote + 1, head.find(head[quote], quote + 1) - quote - 1);
}

std::string XmlBytesToUtf8(const char* bytes, size_t size) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes);
    bool littleEndian = false;
    if (size >= 2 && ((p[0] == 0xFF && p[1] == 0xFE) || (p[0] == 0xFE && p[1] == 0xFF))) {
        QStringDecoder decoder(p[0] == 0xFF ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        const QString text = decoder(QByteArrayView(bytes + 2, qsizetype(size - 2)));
        return text.toStdString();
    }
    if (Utf16WithoutMark(p, size, littleEndian)) {
        QStringDecoder decoder(littleEndian ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        return QString(decoder(QByteArrayView(bytes, qsizetype(size)))).toStdString();
    }
    if (size >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF)
        return XmlBytesToUtf8(bytes + 3, size - 3);

    const std::string declared = DeclaredEncoding(bytes, size);
    if (IsLatin1Name(declared))
        return SingleByteToUtf8(p, size, Encoding::Latin1);
    if (IsCp1252Name(declared))
        return SingleByteToUtf8(p, size, Encoding::Cp1252);
    if (IsValidUtf8(p, size))
        return std::string(bytes, size);
    return SingleByteToUtf8(p, size, Encoding::Cp1252);
}

bool AppendLatin1Name(std::string& out, const char* utf8) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8);
    while (*p) {
        const char32_t cp = NextCodePoint(p);
        if (cp > 0xFF)
            return false;
        out += char(cp);
    }
    return true;
}

void AppendEscapedText(std::string& out, const char* utf8) {
    // A text of blanks alone would be taken for indentation and dropped when read again.
    static const TBytesSimples simple("&<>");
    if (const unsigned char* first = FirstOfOnlyBlanks(utf8)) {
        const bool lineBreak = *first == '\v' || *first == '\f';
        AppendReference(out, lineBreak ? char32_t('\n') : char32_t(*first));
        utf8 = reinterpret_cast<const char*>(first + 1);
    }
    EscapeEach(
        out, utf8, simple, [&](char32_t cp) { AppendEscaped(out, cp, false); }, [] {});
}

void AppendEscapedAttribute(std::string& out, const char* utf8) {
    static const TBytesSimples simple("&<>\"\t\n");
    EscapeEach(
        out, utf8, simple, [&](char32_t cp) { AppendEscaped(out, cp, true); }, [] {});
}

void AppendCDataValue(std::string& out, const char* utf8) {
    out += "<![CDATA[";
    bool open = true;
    int closingBrackets = 0;
    // ']' and '>' go one by one: "]]>" must be split between two sections.
    static const TBytesSimples simple("]>");
    auto reopen = [&] {
        if (!open)
            out += "<![CDATA[";
        open = true;
        closingBrackets = 0;
    };
    EscapeEach(
        out, utf8, simple,
        [&](char32_t cp) {
            if (cp == '\r' || cp > 0xFF) {
                if (open)
                    out += "]]>";
                open = false;
                closingBrackets = 0;
                AppendReference(out, cp);
                return;
            }
            const int brackets = closingBrackets;
            reopen();
            closingBrackets = brackets;
            if (cp == '>' && closingBrackets >= 2) {
                out += "]]><![CDATA[";
                closingBrackets = 0;
            }
            out += char(cp);
            closingBrackets = cp == ']' ? closingBrackets + 1 : 0;
        },
        reopen);
    if (!open)
        out += "<![CDATA[";
    out += "]]>";
}
