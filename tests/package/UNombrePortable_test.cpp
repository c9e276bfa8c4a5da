#include "package/UNombrePortable.h"

#include <gtest/gtest.h>

namespace {

TEST(NombrePortableTest, NamesWindowsReadsDifferentlyAreRefusedWithTheirReason) {
    const QString characters = QStringLiteral(
        "el nombre no puede contener los caracteres \\ / : * ? \" < > | ni caracteres de control.");
    const QString ending = QStringLiteral("el nombre no puede terminar en punto ni en espacio.");
    const struct {
        QString name;
        QString reason; // empty: accepted
    } cases[] = {
        {QStringLiteral("descripción técnica.pdf"), QString()},
        {QStringLiteral("Plan de trabajo v1.2.PDF"), QString()},
        {QStringLiteral(".oculto"), QString()},
        {QStringLiteral("CONSOLA.pdf"), QString()},
        {QStringLiteral("COM10.pdf"), QString()},
        {QStringLiteral("..\\..\\evil.pdf"), characters},
        {QStringLiteral("a/b.pdf"), characters},
        {QStringLiteral("c:informe.pdf"), characters},
        {QStringLiteral("informe*.pdf"), characters},
        {QStringLiteral("informe?.pdf"), characters},
        {QStringLiteral("\"informe\".pdf"), characters},
        {QStringLiteral("<informe>.pdf"), characters},
        {QStringLiteral("a|b.pdf"), characters},
        {QStringLiteral("tab\there.pdf"), characters},
        {QStringLiteral("salto\nde linea.pdf"), characters},
        {QStringLiteral("borrar\x7F.pdf"), characters},
        {QStringLiteral("informe."), ending},
        {QStringLiteral("informe.pdf "), ending},
        {QStringLiteral("CON"), QStringLiteral("\"CON\" es un nombre reservado de Windows.")},
        {QStringLiteral("con.pdf"), QStringLiteral("\"con\" es un nombre reservado de Windows.")},
        {QStringLiteral("Nul.tar.gz"),
         QStringLiteral("\"Nul\" es un nombre reservado de Windows.")},
        {QStringLiteral("aux .txt"), QStringLiteral("\"aux\" es un nombre reservado de Windows.")},
        {QStringLiteral("PRN.pdf"), QStringLiteral("\"PRN\" es un nombre reservado de Windows.")},
        {QStringLiteral("com1.pdf"), QStringLiteral("\"com1\" es un nombre reservado de Windows.")},
        {QStringLiteral("LPT9"), QStringLiteral("\"LPT9\" es un nombre reservado de Windows.")},
        {QStringLiteral("LPT\u00B9.pdf"),
         QStringLiteral("\"LPT\u00B9\" es un nombre reservado de Windows.")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const QString expected = c.reason.isEmpty()
                                     ? QString()
                                     : QStringLiteral("No se pudo adjuntar el archivo \"") +
                                           c.name + QStringLiteral("\"; ") + c.reason;
        EXPECT_EQ(AttachmentNameProblem(c.name), expected);
        // In an entry name "/" separates folders.
        if (!c.name.contains(QLatin1Char('/'))) {
            EXPECT_EQ(IsPortableEntryName(QStringLiteral("desctec/") + c.name), c.reason.isEmpty());
        }
    }
    EXPECT_TRUE(IsPortableEntryName(QStringLiteral("proyecto.xml")));
    EXPECT_FALSE(IsPortableEntryName(QStringLiteral("desctec/")));
}

} // namespace
