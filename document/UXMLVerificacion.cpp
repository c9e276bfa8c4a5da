#include "document/UXMLVerificacion.h"

#include "document/UErrores.h"
#include "document/UXMLTexto.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cstring>
#include <string_view>
#include <unordered_set>

namespace {

constexpr size_t kFewAttributes = 16;

struct Posicion {
    long line = 1;
    long column = 1;
};

Posicion PositionOf(const std::string& text, const char* at) {
    Posicion position;
    const char* base = text.data();
    if (at < base || at > base + text.size())
        return position;
    for (const char* p = base; p < at; ++p) {
        if (*p == '\n') {
            ++position.line;
            position.column = 1;
        } else if ((static_cast<unsigned char>(*p) & 0xC0) != 0x80) {
            ++position.column;
        }
    }
    return position;
}

class TVerificador {
  public:
    TVerificador(std::string& text, const QByteArray& bytes, const QString& fileName)
        : text_(text), bytes_(bytes), fileName_(fileName) {}

    // The position is counted in the text as read, since resolved references changed it.
    [[noreturn]] void Fail(const QString& what, const char* at) const {
        const std::ptrdiff_t offset = at - text_.data();
        const std::string original = XmlBytesToUtf8(bytes_.constData(), size_t(bytes_.size()));
        const Posicion p = PositionOf(original, original.data() + offset);
        throw EXMLError(QStringLiteral("El archivo \"%1\" no es un XML válido: %2 (línea %3, "
                                       "columna %4).")
                            .arg(fileName_, what)
                            .arg(p.line)
                            .arg(p.column));
    }

    void TopLevel(pugi::xml_document& document) {
        pugi::xml_node root;
        bool first = true;
        for (pugi::xml_node n = document.first_child(); n; n = n.next_sibling(), first = false) {
            switch (n.type()) {
            case pugi::node_element:
                if (root)
                    Fail(QStringLiteral("hay más de un elemento raíz"), n.name());
                root = n;
                break;
            case pugi::node_pcdata:
            case pugi::node_cdata:
                Fail(QStringLiteral("hay texto fuera del elemento raíz"), n.value());
            case pugi::node_declaration:
                if (!first || text_.compare(0, 5, "<?xml") != 0)
                    Fail(QStringLiteral("la declaración XML no está al comienzo del archivo"),
                         n.name());
                break;
            default:
                break;
            }
        }
        if (!root)
            Fail(QStringLiteral("no hay ningún elemento"), text_.data() + text_.size());
    }

    // Walks the tree without recursion.
    void Tree(pugi::xml_node root) {
        pugi::xml_node node = root;
        int depth = 1;
        while (node) {
            Node(node, depth);
            if (node.first_child()) {
                node = node.first_child();
                ++depth;
                continue;
            }
            while (node != root && !node.next_sibling()) {
                node = node.parent();
                --depth;
            }
            if (node == root)
                break;
            node = node.next_sibling();
        }
    }

  private:
    void Node(pugi::xml_node node, int depth) {
        switch (node.type()) {
        case pugi::node_element:
            if (depth > kMaxXmlDepth)
                Fail(QStringLiteral("los elementos están anidados en más de %1 niveles")
                         .arg(kMaxXmlDepth),
                     node.name());
            Name(node.name());
            Attributes(node);
            break;
        case pugi::node_pcdata:
            if (char* end = Value(node.value(), Tipo::Texto))
                *end = '\0';
            break;
        case pugi::node_cdata:
            Value(node.value(), Tipo::CData);
            break;
        default:
            break;
        }
    }

    void Name(const char* name) {
        if (!IsWritableXmlName(name))
            Fail(QStringLiteral("el nombre \"%1\" no es un nombre XML que se pueda escribir en "
                                "ISO-8859-1")
                     .arg(QString::fromUtf8(name)),
                 name);
    }

    void Attributes(pugi::xml_node element) {
        size_t count = 0;
        for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute()) {
            Name(a.name());
            if (char* end = Value(a.value(), Tipo::Atributo, a.name()))
                *end = '\0';
            ++count;
        }
        if (count < 2)
            return;
        auto repeated = [&](pugi::xml_attribute a) {
            Fail(
                QStringLiteral("el atributo \"%1\" está repetido").arg(QString::fromUtf8(a.name())),
                a.name());
        };
        if (count <= kFewAttributes) {
            for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute())
                for (pugi::xml_attribute b = a.next_attribute(); b; b = b.next_attribute())
                    if (std::strcmp(a.name(), b.name()) == 0)
                        repeated(b);
            return;
        }
        std::unordered_set<std::string_view> seen;
        for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute())
            if (!seen.insert(a.name()).second)
                repeated(a);
    }

    enum class Tipo { Texto, Atributo, CData };

    // Bytes that need a look: those XML forbids raw, the start of a reference, "<" in an
    // attribute, "]" of a "]]>" in text, and the lead byte of U+FFFE and U+FFFF.
    struct TBytesEspeciales {
        TBytesEspeciales() {
            for (int c = 0; c < 0x20; ++c)
                special[c] = c != '\t' && c != '\n' && c != '\r';
            special[int('&')] = special[int('<')] = special[int(']')] = special[0xEF] = true;
        }
        bool special[256] = {};
    };

    // Checks one value in a single pass and resolves its references in place, in the parsed
    // text the value points into: a reference is never shorter than what it stands for. The
    // end of the shortened value, or null when nothing changed.
    char* Value(const char* value, Tipo tipo, const char* attribute = nullptr) {
        static const TBytesEspeciales table;
        char* p = const_cast<char*>(value);
        char* w = p;
        for (;;) {
            char* run = p;
            while (!table.special[static_cast<unsigned char>(*p)])
                ++p;
            if (w != run)
                std::memmove(w, run, size_t(p - run));
            w += p - run;
            const unsigned char c = static_cast<unsigned char>(*p);
            if (c == 0)
                break;
            if (c < 0x20) {
                Forbidden(c, p);
            } else if (c == 0xEF && static_cast<unsigned char>(p[1]) == 0xBF &&
                       (static_cast<unsigned char>(p[2]) == 0xBE ||
                        static_cast<unsigned char>(p[2]) == 0xBF)) {
                Forbidden(static_cast<unsigned char>(p[2]) == 0xBE ? 0xFFFE : 0xFFFF, p);
            } else if (c == '<' && tipo == Tipo::Atributo) {
                Fail(QStringLiteral("el valor del atributo \"%1\" contiene \"<\"")
                         .arg(QString::fromUtf8(attribute)),
                     p);
            } else if (c == ']' && tipo == Tipo::Texto && p[1] == ']' && p[2] == '>') {
                Fail(QStringLiteral("el texto contiene \"]]>\""), p);
            } else if (c == '&' && tipo != Tipo::CData) {
                p = Reference(p, w);
                continue;
            }
            *w++ = *p++;
        }
        return w != p ? w : nullptr;
    }

    [[noreturn]] void Forbidden(unsigned code, const char* at) {
        Fail(QStringLiteral("el carácter U+%1 no está permitido")
                 .arg(QString::number(code, 16).toUpper().rightJustified(4, QLatin1Char('0'))),
             at);
    }

    // Resolves the reference at p into w; the position after it. Only character references
    // and the five predefined entities exist here.
    char* Reference(char* p, char*& w) {
        char* end = std::strchr(p, ';');
        const std::string_view name(p + 1, end ? size_t(end - p - 1) : std::strlen(p + 1));
        if (!end || name.empty() || name.find_first_of("<&\"' \t\r\n") != std::string_view::npos)
            Fail(QStringLiteral("hay un \"&\" que no empieza ninguna referencia"), p);
        if (name[0] == '#')
            w = AppendCharacter(w, name, p);
        else if (name == "lt")
            *w++ = '<';
        else if (name == "gt")
            *w++ = '>';
        else if (name == "amp")
            *w++ = '&';
        else if (name == "quot")
            *w++ = '"';
        else if (name == "apos")
            *w++ = '\'';
        else
            Fail(QStringLiteral("la entidad \"&%1;\" no está definida")
                     .arg(QString::fromUtf8(name.data(), qsizetype(name.size()))),
                 p);
        return end + 1;
    }

    char* AppendCharacter(char* w, std::string_view reference, const char* at) {
        const bool hex = reference.size() > 1 && reference[1] == 'x';
        const std::string_view digits = reference.substr(hex ? 2 : 1);
        char32_t cp = 0;
        bool valid = !digits.empty() && digits.size() <= 8;
        for (const char c : digits) {
            int digit = -1;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (hex && c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else if (hex && c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            if (digit < 0) {
                valid = false;
                break;
            }
            cp = cp * (hex ? 16 : 10) + char32_t(digit);
        }
        valid = valid && (cp == 0x9 || cp == 0xA || cp == 0xD || (cp >= 0x20 && cp <= 0xD7FF) ||
                          (cp >= 0xE000 && cp <= 0xFFFD) || (cp >= 0x10000 && cp <= 0x10FFFF));
        if (!valid)
            Fail(QStringLiteral("la referencia \"&%1;\" no es un carácter válido")
                     .arg(QString::fromUtf8(reference.data(), qsizetype(reference.size()))),
                 at);
        if (cp < 0x80) {
            *w++ = char(cp);
        } else if (cp < 0x800) {
            *w++ = char(0xC0 | (cp >> 6));
            *w++ = char(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            *w++ = char(0xE0 | (cp >> 12));
            *w++ = char(0x80 | ((cp >> 6) & 0x3F));
            *w++ = char(0x80 | (cp & 0x3F));
        } else {
            *w++ = char(0xF0 | (cp >> 18));
            *w++ = char(0x80 | ((cp >> 12) & 0x3F));
            *w++ = char(0x80 | ((cp >> 6) & 0x3F));
            *w++ = char(0x80 | (cp & 0x3F));
        }
        return w;
    }

    std::string& text_;
    const QByteArray& bytes_;
    const QString& fileName_;
};

// XML 1.0's name characters within ISO-8859-1.
bool NameStart(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' ||
           (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0xFF);
}

bool NameChar(char32_t c) {
    return NameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == 0xB7;
}

} // namespace

bool IsWritableXmlName(const char* utf8) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8);
    bool first = true;
    while (*p) {
        char32_t c = *p++;
        if (c >= 0x80) {
            // Two bytes reach up to U+07FF; ISO-8859-1 ends at U+00FF.
            if ((c & 0xE0) != 0xC0 || (*p & 0xC0) != 0x80)
                return false;
            c = ((c & 0x1F) << 6) | (*p++ & 0x3F);
            if (c > 0xFF)
                return false;
        }
        if (first ? !NameStart(c) : !NameChar(c))
            return false;
        first = false;
    }
    return !first;
}

void VerifyParsedDocument(pugi::xml_document& document, std::string& text, const QByteArray& bytes,
                          const QString& fileName) {
    TVerificador verificador(text, bytes, fileName);
    verificador.TopLevel(document);
    verificador.Tree(document.document_element());
}
