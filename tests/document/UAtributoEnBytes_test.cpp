#include "document/UAtributoEnBytes.h"

#include "document/UArchivoProyecto.h"
#include "document/UXMLProject.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kIsDraft = QStringLiteral("project/document/isDraft/");

std::optional<QByteArray> Flag(const QByteArray& xml, const char* from = "0",
                               const char* to = "1") {
    return ReemplazarValorAtributo(xml, kIsDraft, QStringLiteral("value"),
                                   QString::fromLatin1(from), QString::fromLatin1(to));
}

// Only the flag's own value changes, wherever look-alike bytes stand; anything the scan cannot
// be sure of leaves the bytes alone, so the caller writes the whole document instead.
TEST(AtributoEnBytes, ReplacesOnlyTheElementOfThePath) {
    struct TCaso {
        const char* nombre;
        const char* xml;
        const char* esperado; // nullptr: not replaced
    };
    const TCaso casos[] = {
        {"plain",
         R"(<import><project><document><isDraft value="0"/></document></project></import>)",
         R"(<import><project><document><isDraft value="1"/></document></project></import>)"},
        {"look-alikes in CDATA, comment, instruction, other paths and attributes",
         "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<import><!-- <isDraft value=\"0\"/> "
         "--><?pi <isDraft value=\"0\"/>?><project><title><![CDATA[<isDraft value=\"0\"/> ]]"
         "]]></title><isDraft value=\"0\"/><document><b note='<isDraft value=\"0\"/>'/>"
         "<text>a\xe1\xe9 &lt;isDraft value=\"0\"/&gt;</text>"
         "<isDraft other=\"x>y/\" value='0'></isDraft></document></project></import>",
         "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<import><!-- <isDraft value=\"0\"/> "
         "--><?pi <isDraft value=\"0\"/>?><project><title><![CDATA[<isDraft value=\"0\"/> ]]"
         "]]></title><isDraft value=\"0\"/><document><b note='<isDraft value=\"0\"/>'/>"
         "<text>a\xe1\xe9 &lt;isDraft value=\"0\"/&gt;</text>"
         "<isDraft other=\"x>y/\" value='1'></isDraft></document></project></import>"},
        {"element twice",
         R"(<import><project><document><isDraft value="0"/><isDraft value="0"/></document></project></import>)",
         nullptr},
        {"element only in a second root",
         R"(<import/><import><project><document><isDraft value="0"/></document></project></import>)",
         nullptr},
        {"no such attribute",
         R"(<import><project><document><isDraft valor="0"/></document></project></import>)",
         nullptr},
        {"another value",
         R"(<import><project><document><isDraft value="00"/></document></project></import>)",
         nullptr},
        {"unclosed CDATA",
         R"(<import><project><document><t><![CDATA[x</t><isDraft value="0"/></document></project></import>)",
         nullptr},
        {"document type",
         R"(<!DOCTYPE import><import><project><document><isDraft value="0"/></document></project></import>)",
         nullptr},
        {"tags that do not match",
         R"(<import><project><document><isDraft value="0"/></project></document></import>)",
         nullptr},
    };
    for (const TCaso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        const std::optional<QByteArray> cambiado = Flag(QByteArray(caso.xml));
        ASSERT_EQ(cambiado.has_value(), caso.esperado != nullptr);
        if (cambiado) {
            EXPECT_EQ(*cambiado, QByteArray(caso.esperado));
        }
    }
    // A value that would need escaping, or is not a plain number, is never patched.
    const QByteArray plain(
        R"(<import><project><document><isDraft value="0"/></document></project></import>)");
    EXPECT_FALSE(Flag(plain, "0", "1\""));
    EXPECT_FALSE(Flag(plain, "0", ""));
    EXPECT_FALSE(Flag(plain, "", "1"));
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The flag written into the bytes just read is what writing the whole document writes; a
// document changed in anything else since it was read is written whole, with its change.
TEST(AtributoEnBytes, FlagWrittenAsAFullSaveWouldWriteIt) {
    QTemporaryDir carpeta;
    const QString file = carpeta.filePath(QStringLiteral("proyecto.xml"));
    for (const bool otroCambio : {false, true}) {
        SCOPED_TRACE(otroCambio ? "other change" : "flag only");
        {
            TXMLProject project(file);
            project.SetCData(QStringLiteral("project/document/properties/title/"),
                             QStringLiteral("Título <isDraft value=\"0\"/> ]]> ñ"));
            TArchivoProyecto::SetVerificado(project, false);
            project.Save(true);
        }
        QByteArray read;
        TXMLProject project(file, &read);
        ASSERT_EQ(read, Bytes(file));
        if (otroCambio)
            project.SetText(QStringLiteral("project/document/extra/"), QStringLiteral("x"));
        TArchivoProyecto::SetVerificado(project, true);
        const std::string full = project.Serialize();
        TXMLProject again(file, &read);
        if (otroCambio)
            again.SetText(QStringLiteral("project/document/extra/"), QStringLiteral("x"));
        TArchivoProyecto::GuardarVerificado(again, read, true);
        project.Discard();
        EXPECT_EQ(Bytes(file), QByteArray::fromStdString(full));
        EXPECT_EQ(Bytes(file + QStringLiteral(".bak")), read);
    }
    // Bytes laid out otherwise than the program writes them show that the flag went into the
    // bytes read: nothing else in them is touched.
    const QByteArray ajeno("<import><project><document><isDraft value='0'/></document>"
                           "</project></import>");
    QFile(file).remove();
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(ajeno);
    }
    QByteArray read;
    TXMLProject project(file, &read);
    TArchivoProyecto::GuardarVerificado(project, read, true);
    EXPECT_EQ(Bytes(file), QByteArray(ajeno).replace("'0'", "'1'"));
}

} // namespace
