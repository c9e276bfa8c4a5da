#include "config/UConvocatoria.h"

#include "document/UCarpetaTrabajo.h"
#include "document/UErrores.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ConvocatoriaTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        SetWorkingFolder(dir_.path());
    }
    void TearDown() override { SetWorkingFolder(QString()); }

    QString PathOf(const QString& name) const { return dir_.path() + QLatin1Char('/') + name; }

    // Writes a descriptor under "convoc/" as the installation has them: ISO-8859-1.
    void WriteDescriptor(const QString& file, const QString& body) const {
        WriteBytes(QStringLiteral("convoc/") + file + QStringLiteral(".xml"),
                   "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n" + body.toLatin1());
    }
    void WriteBytes(const QString& name, const QByteArray& bytes) const {
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("convoc")));
        QFile file(PathOf(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QByteArray ReadBytes(const QString& name) const {
        QFile file(PathOf(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Every file and folder below the working folder, relative to it.
    QStringList Entries() const {
        QStringList entries;
        QDir root(dir_.path());
        for (const QString& top : root.entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
            entries.append(top);
            for (const QString& inner :
                 QDir(PathOf(top)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
                entries.append(top + QLatin1Char('/') + inner);
        }
        entries.sort();
        return entries;
    }

    QTemporaryDir dir_;
};

struct Valores {
    QString ano, tipo, categoria, tipoProyecto, apertura, cierre, duracion;
    bool operator==(const Valores&) const = default;
};

void PrintTo(const Valores& v, std::ostream* os) {
    *os << QStringList{v.ano, v.tipo, v.categoria, v.tipoProyecto, v.apertura, v.cierre, v.duracion}
               .join(QStringLiteral(" | "))
               .toStdString();
}

Valores Leer(const TConvocatoria& c) {
    return {c.GetAnoConvocatoria(), c.GetTipoConvocatoria(), c.GetCategoria(),
            c.GetTipoProyecto(),    c.GetFechaApertura(),    c.GetFechaCierre(),
            c.GetDuracionMaxima()};
}

const QString kCompleta = QString::fromUtf8(R"(<convocatoria>
  <properties>
    <anoConvocatoria>2026</anoConvocatoria>
    <tipoConvocatoria><text lang="es">ROVA II - Desarrollo Regional</text></tipoConvocatoria>
    <categoria><text lang="es">Categoría B</text></categoria>
    <tipoProyecto><text><![CDATA[Investigación & Desarrollo]]></text></tipoProyecto>
    <fechas>
      <fechaApertura><date valueDate="2026-03-02T00:00:00"/></fechaApertura>
      <fechaCierre><date valueDate="30/04/26"/></fechaCierre>
    </fechas>
    <params><duracionMaxima>2</duracionMaxima></params>
  </properties>
</convocatoria>
)");

TEST_F(ConvocatoriaTest, ReadsEveryValueExactlyAsStored) {
    WriteDescriptor(QStringLiteral("rova-ii-b"), kCompleta);
    // A file of the same name beside the program is not the descriptor.
    WriteBytes(QStringLiteral("rova-ii-b.xml"),
               "<c><properties><anoConvocatoria>1999</anoConvocatoria></properties></c>");
    const QByteArray before = ReadBytes(QStringLiteral("convoc/rova-ii-b.xml"));
    {
        TConvocatoria convocatoria;
        convocatoria.Open(QStringLiteral("rova-ii-b"));
        EXPECT_EQ(convocatoria.File(), QStringLiteral("rova-ii-b"));
        const Valores expected{QStringLiteral("2026"),
                               QStringLiteral("ROVA II - Desarrollo Regional"),
                               QString::fromUtf8("Categoría B"),
                               QString::fromUtf8("Investigación & Desarrollo"),
                               QStringLiteral("2026-03-02T00:00:00"),
                               QStringLiteral("30/04/26"),
                               QStringLiteral("2")};
        EXPECT_EQ(Leer(convocatoria), expected);
    }
    EXPECT_EQ(ReadBytes(QStringLiteral("convoc/rova-ii-b.xml")), before);
    EXPECT_EQ(Entries(), (QStringList{"convoc", "convoc/rova-ii-b.xml", "rova-ii-b.xml"}));
}

TEST_F(ConvocatoriaTest, MissingOrUnreadableValuesAreEmpty) {
    struct Case {
        const char* name;
        const char* body;
        Valores expected;
    };
    const Case cases[] = {
        {"only year and closing date",
         "<c><properties><anoConvocatoria>2027</anoConvocatoria><fechas><fechaCierre>"
         "<date valueDate=\"01/08/2027\"/></fechaCierre></fechas></properties></c>",
         {"2027", "", "", "", "", "01/08/2027", ""}},
        {"values one level too high or without their attribute",
         "<c><properties><tipoConvocatoria>ROVA</tipoConvocatoria><fechas><fechaApertura "
         "valueDate=\"01/03/2027\"><date/></fechaApertura></fechas>"
         "<duracionMaxima>3</duracionMaxima></properties></c>",
         {"", "", "", "", "", "", ""}},
        {"elements inside a value",
         "<c><properties><categoria><text><b>A</b></text></categoria>"
         "<params><duracionMaxima>2<x/></duracionMaxima></params></properties></c>",
         {"", "", "", "", "", "", ""}},
        {"empty root", "<c/>", {"", "", "", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteDescriptor(QStringLiteral("parcial"), QString::fromUtf8(c.body));
        const QByteArray before = ReadBytes(QStringLiteral("convoc/parcial.xml"));
        {
            TConvocatoria convocatoria;
            convocatoria.Open(QStringLiteral("parcial"));
            EXPECT_EQ(Leer(convocatoria), c.expected);
        }
        EXPECT_EQ(ReadBytes(QStringLiteral("convoc/parcial.xml")), before);
    }
    EXPECT_EQ(Entries(), (QStringList{"convoc", "convoc/parcial.xml"}));
}

TEST_F(ConvocatoriaTest, MissingDescriptorIsEmptyAndNotCreated) {
    {
        TConvocatoria convocatoria;
        convocatoria.Open(QStringLiteral("no-existe"));
        EXPECT_EQ(Leer(convocatoria), Valores{});
        TConvocatoria sinNombre;
        sinNombre.Open(QString());
        EXPECT_EQ(Leer(sinNombre), Valores{});
    }
    EXPECT_TRUE(Entries().isEmpty()) << Entries().join(QLatin1Char(' ')).toStdString();
}

TEST_F(ConvocatoriaTest, MalformedDescriptorMakesOpenFail) {
    WriteDescriptor(QStringLiteral("rota"),
                    QStringLiteral("<c><properties><anoConvocatoria>2026</properties></c>"));
    const QByteArray before = ReadBytes(QStringLiteral("convoc/rota.xml"));
    {
        TConvocatoria convocatoria;
        EXPECT_THROW(convocatoria.Open(QStringLiteral("rota")), EXMLError);
    }
    EXPECT_EQ(ReadBytes(QStringLiteral("convoc/rota.xml")), before);
    EXPECT_EQ(Entries(), (QStringList{"convoc", "convoc/rota.xml"}));
}

TEST_F(ConvocatoriaTest, OpeningAnotherDescriptorReplacesTheValues) {
    WriteDescriptor(QStringLiteral("rova-ii-b"), kCompleta);
    WriteDescriptor(QStringLiteral("corta"),
                    QStringLiteral("<c><properties><params><duracionMaxima>1</duracionMaxima>"
                                   "</params></properties></c>"));
    TConvocatoria convocatoria;
    convocatoria.Open(QStringLiteral("rova-ii-b"));
    ASSERT_EQ(convocatoria.GetDuracionMaxima(), QStringLiteral("2"));
    convocatoria.Open(QStringLiteral("corta"));
    EXPECT_EQ(convocatoria.File(), QStringLiteral("corta"));
    EXPECT_EQ(Leer(convocatoria), (Valores{"", "", "", "", "", "", "1"}));
}

} // namespace
