// Files that other XML tools reject, or that the program could not read exactly, are refused
// at load with a message that says why; the file itself stays as it was.
#include "document/UXMLProject.h"
#include "document/UXMLVerificacion.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray Nested(int depth, const QByteArray& name) {
    QByteArray open, close;
    open.reserve(depth * (name.size() + 2));
    for (int i = 0; i < depth; ++i) {
        open += '<' + name + '>';
        close += "</" + name + '>';
    }
    return open + close;
}

QByteArray Utf16Le(const QString& text) {
    QByteArray bytes;
    for (const QChar c : text) {
        bytes += char(c.unicode() & 0xFF);
        bytes += char(c.unicode() >> 8);
    }
    return bytes;
}

class XMLVerificacionTest : public ::testing::Test {
  protected:
    QString Write(const QByteArray& bytes) {
        const QString path = dir_.filePath(QStringLiteral("proyecto.xml"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }
    // The message of the refusal, or "<loaded>".
    std::string Load(const QByteArray& bytes) {
        try {
            TXMLProject document(Write(bytes));
            document.Discard();
            return "<loaded>";
        } catch (const EXMLError& e) {
            return e.Message().toStdString();
        }
    }
    QTemporaryDir dir_;
};

TEST_F(XMLVerificacionTest, FilesThatAreNotWellFormedAreRefused) {
    const QByteArray declaration = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n";
    const struct {
        const char* what;
        QByteArray file;
        const char* message; // part of the message
    } cases[] = {
        {"duplicate attribute", "<import><a b=\"1\" b=\"2\"/></import>",
         "el atributo \"b\" está repetido (línea 1, columna 18)"},
        {"many attributes, one repeated",
         "<import><a a1=\"\" a2=\"\" a3=\"\" a4=\"\" a5=\"\" a6=\"\" a7=\"\" a8=\"\" a9=\"\" "
         "a10=\"\" a11=\"\" a12=\"\" a13=\"\" a14=\"\" a15=\"\" a16=\"\" a17=\"\" "
         "a3=\"x\"/></import>",
         "el atributo \"a3\" está repetido"},
        {"second root", "<import/>\r\n<otro/>", "hay más de un elemento raíz (línea 2, columna 2)"},
        {"text after the root", "<import/>texto", "hay texto fuera del elemento raíz"},
        {"CDATA after the root", "<import/><![CDATA[x]]>", "hay texto fuera del elemento raíz"},
        {"no element", "", "no hay ningún elemento"},
        {"undefined entity", "<import>&nbsp;</import>", "la entidad \"&nbsp;\" no está definida"},
        {"undefined entity in an attribute", "<import a=\"x&eacute;\"/>",
         "la entidad \"&eacute;\" no está definida"},
        {"entity declared in the DTD", "<!DOCTYPE import [<!ENTITY e \"v\">]><import>&e;</import>",
         "no está definida"},
        {"bare ampersand", "<import>a & b</import>", "hay un \"&\" que no empieza"},
        {"reference to NUL", "<import>&#0;</import>", "la referencia \"&#0;\" no es un carácter"},
        {"reference beyond Unicode", "<import>&#x110000;</import>", "no es un carácter válido"},
        {"reference to a surrogate", "<import>&#xD800;</import>", "no es un carácter válido"},
        {"control character", "<import>a\x01</import>", "el carácter U+0001 no está permitido"},
        {"control character in an attribute", "<import a=\"\x1F\"/>", "U+001F"},
        {"less-than in an attribute", "<import a=\"1<2\"/>", "contiene \"<\""},
        {"CDATA end in text", "<import>a]]>b</import>", "el texto contiene \"]]>\""},
        {"declaration after the root", "<import/><?xml version=\"1.0\"?>",
         "la declaración XML no está al comienzo"},
        {"declaration after blanks", " <?xml version=\"1.0\"?><import/>",
         "la declaración XML no está al comienzo"},
        {"name with a character that is no name character",
         "<import><a\xC3\x97"
         "b/></import>",
         "el nombre \"a\xC3\x97"
         "b\" no es un nombre XML"},
        {"name outside ISO-8859-1", "<import><\xCE\xA9mega/></import>", "no es un nombre XML"},
        {"attribute name outside ISO-8859-1", "<import \xCE\xA9=\"1\"/>", "no es un nombre XML"},
        {"nesting beyond the limit", "<import><title>" + Nested(200000, "a") + "</title></import>",
         "anidados en más de 100"},
        {"unreadable encoding",
         "<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?><import>\xA4</import>",
         "está escrito en la codificación \"ISO-8859-15\", que el programa no puede leer"},
        {"UTF-16 declared in single bytes", "<?xml version=\"1.0\" encoding=\"UTF-16\"?><import/>",
         "codificación \"UTF-16\""},
        {"ASCII declared with other bytes",
         "<?xml version=\"1.0\" encoding=\"US-ASCII\"?><import>\xE9</import>", "\"US-ASCII\""},
        {"UTF-32", QByteArray("\xFF\xFE\0\0<\0\0\0/\0\0\0", 12), "\"UTF-32\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string message = Load(c.file);
        EXPECT_NE(message.find("proyecto.xml"), std::string::npos) << message;
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
        // Behind the usual declaration the file is refused all the same.
        if (!c.file.startsWith("<?xml") && !c.file.startsWith(' ') && !c.file.startsWith('\xFF')) {
            EXPECT_NE(Load(declaration + c.file), "<loaded>");
        }
    }
}

TEST_F(XMLVerificacionTest, WellFormedFilesOfEveryReadableKindLoad) {
    const struct {
        const char* what;
        QByteArray file;
        QString title; // the text of "title/"
    } cases[] = {
        {"ISO-8859-1",
         "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><import><title>A\xF1o</title></import>",
         QStringLiteral("Año")},
        {"Windows-1252",
         "<?xml version=\"1.0\" encoding=\"windows-1252\"?><import><title>\x80</title></import>",
         QStringLiteral("€")},
        {"UTF-8",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><import><title>A\xC3\xB1o</title></import>",
         QStringLiteral("Año")},
        {"ASCII",
         "<?xml version=\"1.0\" encoding=\"us-ascii\"?><import><title>Ano</title></import>",
         QStringLiteral("Ano")},
        {"UTF-16 with its mark",
         "\xFF\xFE" + Utf16Le(QStringLiteral("<import><title>ñ</title></import>")),
         QStringLiteral("ñ")},
        {"UTF-16 without its mark",
         Utf16Le(QStringLiteral(
             "<?xml version=\"1.0\" encoding=\"UTF-16\"?><import><title>ñ</title></import>")),
         QStringLiteral("ñ")},
        {"references",
         "<import><title>&lt;&amp;&gt;&quot;&apos;&#233;&#x10FFFF;&#9;</title></import>",
         QStringLiteral("<&>\"'é") + QString::fromUcs4(U"\U0010FFFF") + QStringLiteral("\t")},
        {"comments, instructions and a DTD around the root",
         "<?xml version=\"1.0\"?><!DOCTYPE import><!-- antes --><?pi "
         "x?><import><title>t</title></import><!-- despues -->\r\n",
         QStringLiteral("t")},
        {"nesting at the limit",
         "<import><title>" + Nested(kMaxXmlDepth - 2, "a") + "</title></import>",
         QStringLiteral("default")},
        {"Latin-1 names",
         "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><import><title "
         "a\xF1o=\"1\">x</title><\xE1rea/></import>",
         QStringLiteral("x")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(Load(c.file), "<loaded>");
        TXMLProject document(Write(c.file));
        EXPECT_EQ(document.GetText("title/", "default"), c.title);
        document.Discard();
    }
}

TEST(XmlNameTest, OnlyNamesThatReadBackAsThemselves) {
    const std::pair<const char*, bool> cases[] = {
        {"import", true},
        {"a-b.c_d:e", true},
        {"_x", true},
        {"\xC3\xA1rea", true},
        {"a\xC2\xB7"
         "b",
         true},
        {"", false},
        {"1a", false},
        {"-a", false},
        {"a b", false},
        {"a\xC3\x97"
         "b",
         false},
        {"\xC3\xB7", false},
        {"\xCE\xA9", false},
        {"\xC2\xB7"
         "a",
         false},
        {"a\xC3", false},
    };
    for (const auto& [name, writable] : cases)
        EXPECT_EQ(IsWritableXmlName(name), writable) << name;
}

} // namespace
