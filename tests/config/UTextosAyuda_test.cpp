#include "config/UTextosAyuda.h"

#include "document/UCarpetaTrabajo.h"
#include "document/UErrores.h"
#include "document/UXMLProject.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class TextosAyudaTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        SetWorkingFolder(dir_.path());
    }
    void TearDown() override { SetWorkingFolder(QString()); }

    QString AyudaPath() const { return dir_.path() + QStringLiteral("/ayuda.xml"); }

    // Writes "ayuda.xml" as the installation has it: ISO-8859-1 with its declaration.
    void WriteAyuda(const QString& body) const {
        const QByteArray bytes =
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n" + body.toLatin1();
        QFile file(AyudaPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QByteArray ReadAyuda() const {
        QFile file(AyudaPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList Files() const {
        return QDir(dir_.path()).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    }

    QTemporaryDir dir_;
};

const QString kAyuda = QString::fromUtf8(R"(<ayuda>
  <ayudas>
    <a id="10101">Título del proyecto.</a>
    <a id="10103">Primera versión.</a>
    <a>Sin clave.</a>
    <a id="10102"><![CDATA[Duración <en años> & más]]></a>
    <a id="10104"><b>Con elementos</b></a>
    <a id="10103">Versión corregida.</a>
    <a id="10105"/>
    <a id="no hay ayuda para este item">Otra clave.</a>
  </ayudas>
  <otras>
    <a id="10201">Fuera de ayudas.</a>
  </otras>
</ayuda>
)");

TEST_F(TextosAyudaTest, TextOfTheLastMatchingEntry) {
    WriteAyuda(kAyuda);
    const QByteArray before = ReadAyuda();
    struct Case {
        const char* keyword;
        const char* text;
    };
    const Case cases[] = {
        {"10101", "Título del proyecto."},
        {"10103", "Versión corregida."},
        {"10102", "Duración <en años> & más"},
        {"10105", ""},
        {"", "Sin clave."},
        {"10201", "No hay ayuda sobre el tema [10201]"},
        {" 10101", "No hay ayuda sobre el tema [ 10101]"},
        {"No hay ayuda para este item", "No hay ayuda sobre el tema [No hay ayuda para este item]"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HelpTextFor(QString::fromUtf8(c.keyword)), QString::fromUtf8(c.text))
            << c.keyword;
    // An existing file that was only read is not written again.
    EXPECT_EQ(ReadAyuda(), before);
    EXPECT_EQ(Files(), QStringList{QStringLiteral("ayuda.xml")});
}

TEST_F(TextosAyudaTest, EntryHoldingElementsFailsOnlyWhenAskedFor) {
    WriteAyuda(kAyuda);
    EXPECT_THROW(HelpTextFor(QStringLiteral("10104")), EXMLError);
    EXPECT_EQ(HelpTextFor(QStringLiteral("10101")), QString::fromUtf8("Título del proyecto."));
}

TEST_F(TextosAyudaTest, MalformedFileFails) {
    WriteAyuda(QStringLiteral("<ayuda><ayudas><a id=\"1\">x</ayudas></ayuda>"));
    EXPECT_THROW(HelpTextFor(QStringLiteral("1")), EXMLError);
}

TEST_F(TextosAyudaTest, MissingFileIsCreatedEmpty) {
    EXPECT_EQ(HelpTextFor(QStringLiteral("10101")),
              QStringLiteral("No hay ayuda sobre el tema [10101]"));
    ASSERT_EQ(Files(), QStringList{QStringLiteral("ayuda.xml")});
    TXMLProject created(AyudaPath());
    EXPECT_EQ(created.GetNode(QString()).Name(), QStringLiteral("import"));
    const TXMLNode ayudas = created.GetNode(QString()).FirstChild(QStringLiteral("ayudas"));
    ASSERT_FALSE(ayudas.IsNull());
    EXPECT_EQ(ayudas.ChildCount(), 0);
    created.Discard();

    // The created file is read like any other.
    EXPECT_EQ(HelpTextFor(QStringLiteral("10101")),
              QStringLiteral("No hay ayuda sobre el tema [10101]"));
    EXPECT_EQ(Files(), QStringList{QStringLiteral("ayuda.xml")});
}

TEST_F(TextosAyudaTest, FileIsReadAnewForEveryTopic) {
    WriteAyuda(QStringLiteral("<ayuda><ayudas><a id=\"10101\">Antes</a></ayudas></ayuda>"));
    EXPECT_EQ(HelpTextFor(QStringLiteral("10101")), QStringLiteral("Antes"));
    WriteAyuda(QStringLiteral("<ayuda><ayudas><a id=\"10101\">Después</a></ayudas></ayuda>"));
    EXPECT_EQ(HelpTextFor(QStringLiteral("10101")), QString::fromUtf8("Después"));
}

} // namespace
