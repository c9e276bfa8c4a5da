#include "config/UConfiguracion.h"

#include "config/UConvocatoria.h"
#include "config/UTextosAyuda.h"
#include "document/UCarpetaTrabajo.h"
#include "document/UErrores.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kSinAyuda = QStringLiteral("No hay ayuda para este item");

// An installation in a fresh temporary folder, made the working folder for the test.
class ConfiguracionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        SetWorkingFolder(dir_.path());
    }
    void TearDown() override { SetWorkingFolder(QString()); }

    QString PathOf(const QString& name) const { return dir_.path() + QLatin1Char('/') + name; }

    // Writes an XML data file as the installation has them: ISO-8859-1 with its declaration.
    void WriteXml(const QString& name, const QString& body) const {
        WriteBytes(name, "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n" + body.toLatin1());
    }
    void WriteBytes(const QString& name, const QByteArray& bytes) const {
        QFile file(PathOf(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QByteArray ReadBytes(const QString& name) const {
        QFile file(PathOf(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList Files() const {
        return QDir(dir_.path()).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    }

    QTemporaryDir dir_;
};

// Two calls share the caption "Uno" (the first one counts), one call has no caption, and some
// entries have no "convocatoria": those apply to captions that are not offered.
const QString kConfig = QString::fromUtf8(R"(<config>
  <bienvenida>Bienvenido a la convocatoria de la Región</bienvenida>
  <convocatorias>
    <c caption="Uno" file="uno" type="T1"/>
    <c caption="Dos" file="dos" type="T2"/>
    <c caption="Uno" file="otro" type="T2"/>
    <c file="sin" type="T3"/>
    <c caption="Dos" file="dos-bis" type="T9"/>
  </convocatorias>
  <visibilidad>
    <subarea>
      <v convocatoria="T1" value="0"/>
      <v convocatoria="T2"/>
      <v convocatoria="T3" value="1"/>
      <v value="0"/>
    </subarea>
    <impactoCampo>
      <v convocatoria="T2" value="1"/>
      <v convocatoria="T1" value=""/>
      <v convocatoria="T1" value="1"/>
    </impactoCampo>
    <areaaltaprioridad>
      <v convocatoria="t1" value="0"/>
      <v convocatoria="T2" value="yes"/>
    </areaaltaprioridad>
  </visibilidad>
  <labels>
    <subarea>
      <l convocatoria="T1" value="Problema Identificado"/>
      <l convocatoria="T2" value=""/>
      <l convocatoria="" value="Sin convocatoria"/>
    </subarea>
    <impactoSector>
      <l convocatoria="T2" value="Relevancia Social"/>
    </impactoSector>
  </labels>
  <help>
    <subarea>
      <h convocatoria="T1" value="10301"/>
      <h convocatoria="T2"/>
    </subarea>
    <impactoCampo>
      <h value="10399"/>
    </impactoCampo>
  </help>
</config>
)");

TEST_F(ConfiguracionTest, MissingFilesGiveAnEmptyConfigurationAndAreNeverCreated) {
    {
        TConfiguracion configuracion;
        configuracion.Open();
        EXPECT_EQ(configuracion.GetBienvenida(), QString());
        EXPECT_TRUE(configuracion.GetConvocatorias().isEmpty());
        EXPECT_EQ(configuracion.GetConvocatoriaFile(QStringLiteral("Uno")), QString());
        EXPECT_EQ(configuracion.GetConvocatoriaType(QStringLiteral("Uno")), QString());
        EXPECT_TRUE(configuracion.IsVisible(QStringLiteral("Uno"), QStringLiteral("subarea")));
        EXPECT_EQ(configuracion.GetLabel(QStringLiteral("Uno"), QStringLiteral("subarea")),
                  QStringLiteral("#Error"));
        EXPECT_EQ(configuracion.GetHelp(QStringLiteral("Uno"), QStringLiteral("subarea")),
                  kSinAyuda);
        EXPECT_EQ(configuracion.GetEjecutarSoft(QStringLiteral("caratula")), QString());
    }
    EXPECT_TRUE(Files().isEmpty()) << Files().join(QLatin1Char(' ')).toStdString();
}

TEST_F(ConfiguracionTest, MalformedConfigurationMakesOpenFail) {
    const QByteArray broken = "<?xml version=\"1.0\"?>\r\n<config><bienvenida>Hola</config>\r\n";
    WriteBytes(QStringLiteral("config.xml"), broken);
    {
        TConfiguracion configuracion;
        EXPECT_THROW(configuracion.Open(), EXMLError);
    }
    EXPECT_EQ(ReadBytes(QStringLiteral("config.xml")), broken);
    EXPECT_EQ(Files(), QStringList{QStringLiteral("config.xml")});
}

TEST_F(ConfiguracionTest, CaptionsKeepOrderDuplicatesAndEmptyOnes) {
    WriteXml(QStringLiteral("config.xml"), kConfig);
    TConfiguracion configuracion;
    configuracion.Open();
    EXPECT_EQ(configuracion.GetConvocatorias(),
              (QStringList{QStringLiteral("Uno"), QStringLiteral("Dos"), QStringLiteral("Uno"),
                           QString(), QStringLiteral("Dos")}));
    EXPECT_EQ(configuracion.GetBienvenida(),
              QString::fromUtf8("Bienvenido a la convocatoria de la Región"));
}

TEST_F(ConfiguracionTest, LookupsUseTheFirstCallWithTheCaptionAndTheEntryOfItsType) {
    WriteXml(QStringLiteral("config.xml"), kConfig);
    const QByteArray before = ReadBytes(QStringLiteral("config.xml"));
    struct Case {
        const char* caption;
        const char* item;
        const char* file;
        const char* type;
        bool visible;
        const char* label;
        const char* help;
    };
    const char* sinAyuda = "No hay ayuda para este item";
    const Case cases[] = {
        // Entry with "0" hides; the first "Uno" is of type T1, not the later T2 one.
        {"Uno", "subarea", "uno", "T1", false, "Problema Identificado", "10301"},
        // Entries without "value": hidden, empty caption, empty help keyword.
        {"Dos", "subarea", "dos", "T2", false, "", ""},
        // Only "1" shows; the first entry of a type counts, even with an empty value.
        {"Uno", "impactoCampo", "uno", "T1", false, "#Error", sinAyuda},
        {"Dos", "impactoCampo", "dos", "T2", true, "#Error", sinAyuda},
        {"Dos", "areaaltaprioridad", "dos", "T2", false, "#Error", sinAyuda},
        // Types compare exactly: "t1" is not "T1".
        {"Uno", "areaaltaprioridad", "uno", "T1", true, "#Error", sinAyuda},
        {"Dos", "impactoSector", "dos", "T2", true, "Relevancia Social", sinAyuda},
        // A caption that is not offered has the empty type and takes the entries without
        // "convocatoria" (missing or empty alike).
        {"Tres", "subarea", "", "", false, "Sin convocatoria", sinAyuda},
        {"Tres", "impactoCampo", "", "", true, "#Error", "10399"},
        {"uno", "impactoCampo", "", "", true, "#Error", "10399"},
        // The call without caption answers for the empty caption.
        {"", "subarea", "sin", "T3", true, "#Error", sinAyuda},
        // An item nobody configured.
        {"Uno", "impactoInstitucion", "uno", "T1", true, "#Error", sinAyuda},
    };
    {
        TConfiguracion configuracion;
        configuracion.Open();
        for (const Case& c : cases) {
            const QString caption = QString::fromUtf8(c.caption);
            const QString item = QString::fromUtf8(c.item);
            SCOPED_TRACE(std::string(c.caption) + " / " + c.item);
            EXPECT_EQ(configuracion.GetConvocatoriaFile(caption), QString::fromUtf8(c.file));
            EXPECT_EQ(configuracion.GetConvocatoriaType(caption), QString::fromUtf8(c.type));
            EXPECT_EQ(configuracion.IsVisible(caption, item), c.visible);
            EXPECT_EQ(configuracion.GetLabel(caption, item), QString::fromUtf8(c.label));
            EXPECT_EQ(configuracion.GetHelp(caption, item), QString::fromUtf8(c.help));
        }
    }
    // The lookups created elements in memory; none of that may reach the file.
    EXPECT_EQ(ReadBytes(QStringLiteral("config.xml")), before);
    EXPECT_EQ(Files(), QStringList{QStringLiteral("config.xml")});
}

TEST_F(ConfiguracionTest, LookupsBeforeOpenGiveTheDefaults) {
    WriteXml(QStringLiteral("config.xml"), kConfig);
    TConfiguracion configuracion;
    EXPECT_TRUE(configuracion.GetConvocatorias().isEmpty());
    EXPECT_EQ(configuracion.GetConvocatoriaType(QStringLiteral("Uno")), QString());
    EXPECT_TRUE(configuracion.IsVisible(QStringLiteral("Uno"), QStringLiteral("subarea")));
    EXPECT_EQ(configuracion.GetLabel(QStringLiteral("Uno"), QStringLiteral("subarea")),
              QStringLiteral("#Error"));
}

TEST_F(ConfiguracionTest, ProgramsComeFromWrapperReadAnewEachTime) {
    TConfiguracion configuracion;
    configuracion.Open();
    EXPECT_EQ(configuracion.GetEjecutarSoft(QStringLiteral("caratula")), QString());

    const QString wrapper = QString::fromUtf8(R"(<wrapper>
  <ejecutar>
    <!-- <abrirdestino soft="/usr/bin/nautilus"/> -->
    <caratula soft="C:\Archivos de programa\Navegador\navegador.exe"/>
    <vacio/>
  </ejecutar>
</wrapper>
)");
    WriteXml(QStringLiteral("wrapper.xml"), wrapper);
    const QByteArray before = ReadBytes(QStringLiteral("wrapper.xml"));
    struct Case {
        const char* name;
        const char* soft;
    };
    const Case cases[] = {
        {"caratula", "C:\\Archivos de programa\\Navegador\\navegador.exe"},
        {"abrirdestino", ""},
        {"vacio", ""},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(configuracion.GetEjecutarSoft(QString::fromUtf8(c.name)),
                  QString::fromUtf8(c.soft))
            << c.name;
    EXPECT_EQ(ReadBytes(QStringLiteral("wrapper.xml")), before);
    EXPECT_EQ(Files(), QStringList{QStringLiteral("wrapper.xml")});

    WriteXml(QStringLiteral("wrapper.xml"),
             QStringLiteral("<wrapper><ejecutar><abrirdestino soft=\"/usr/bin/thunar\"/>"
                            "</ejecutar></wrapper>"));
    EXPECT_EQ(configuracion.GetEjecutarSoft(QStringLiteral("abrirdestino")),
              QStringLiteral("/usr/bin/thunar"));
    EXPECT_EQ(configuracion.GetEjecutarSoft(QStringLiteral("caratula")), QString());
}

// The sample installation shipped in data/ of the source tree.
QString SampleDataFolder() {
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../../data");
}

bool CopyFolder(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    bool any = false;
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !QFile::copy(source, target))
            return false;
        any = true;
    }
    return any;
}

TEST_F(ConfiguracionTest, SampleInstallationIsComplete) {
    ASSERT_TRUE(CopyFolder(SampleDataFolder(), dir_.path())) << SampleDataFolder().toStdString();
    const QStringList filesBefore = Files();

    TConfiguracion configuracion;
    configuracion.Open();
    EXPECT_FALSE(configuracion.GetBienvenida().isEmpty());
    EXPECT_EQ(configuracion.GetEjecutarSoft(QStringLiteral("caratula")), QString());
    EXPECT_EQ(configuracion.GetEjecutarSoft(QStringLiteral("abrirdestino")), QString());

    const QStringList captions = configuracion.GetConvocatorias();
    ASSERT_GE(captions.size(), 4);

    // Help keywords of the fixed group boxes, then those the configuration hands out.
    QStringList keywords = {"10101", "10102", "10103", "10104", "10105", "10201",
                            "10202", "10203", "10204", "10205", "10401", "10402"};
    QStringList types;
    for (const QString& caption : captions) {
        SCOPED_TRACE(caption.toStdString());
        EXPECT_FALSE(caption.isEmpty());
        const QString type = configuracion.GetConvocatoriaType(caption);
        types.append(type);

        const QString file = configuracion.GetConvocatoriaFile(caption);
        ASSERT_FALSE(file.isEmpty());
        EXPECT_TRUE(QFileInfo::exists(PathOf(QStringLiteral("convoc/") + file + ".xml")));
        TConvocatoria convocatoria;
        convocatoria.Open(file);
        EXPECT_FALSE(convocatoria.GetAnoConvocatoria().isEmpty());
        EXPECT_FALSE(convocatoria.GetTipoConvocatoria().isEmpty());
        EXPECT_FALSE(convocatoria.GetCategoria().isEmpty());
        EXPECT_FALSE(convocatoria.GetTipoProyecto().isEmpty());
        EXPECT_FALSE(convocatoria.GetFechaApertura().isEmpty());
        EXPECT_FALSE(convocatoria.GetFechaCierre().isEmpty());
        bool whole = false;
        const int duracion = convocatoria.GetDuracionMaxima().toInt(&whole);
        EXPECT_TRUE(whole && duracion >= 1 && duracion <= 3) << duracion;

        // The captions of the impact fields are the names the verification uses for the
        // family of the call.
        const bool regional = type == "ROVA-II-A" || type == "ROVA-II-B";
        const QString sector = regional
                                   ? QString::fromUtf8("Relevancia Social, Económica y/o "
                                                       "Productiva del Problema")
                                   : QString::fromUtf8("Impacto sobre el sector socio-económico "
                                                       "y/o sector productivo");
        const QString institucion =
            regional ? QString::fromUtf8("Impacto sobre la Región")
                     : QStringLiteral("Impacto sobre las capacidades institucionales");
        EXPECT_EQ(configuracion.GetLabel(caption, "impactoSector"), sector);
        EXPECT_EQ(configuracion.GetLabel(caption, "impactoInstitucion"), institucion);
        EXPECT_EQ(configuracion.IsVisible(caption, "subarea"), regional);
        EXPECT_EQ(configuracion.IsVisible(caption, "impactoCampo"), !regional);
        if (regional) {
            EXPECT_EQ(configuracion.GetLabel(caption, "subarea"),
                      QStringLiteral("Problema Identificado"));
        }

        for (const char* item :
             {"subarea", "impactoSector", "impactoInstitucion", "impactoCampo"}) {
            const QString help = configuracion.GetHelp(caption, item);
            EXPECT_NE(help, kSinAyuda) << item;
            keywords.append(help);
        }
    }
    for (const char* type : {"ROVA-I-A", "ROVA-I-B", "ROVA-II-A", "ROVA-II-B"})
        EXPECT_TRUE(types.contains(QString::fromUtf8(type))) << type;

    keywords.removeDuplicates();
    for (const QString& keyword : keywords) {
        const QString text = HelpTextFor(keyword);
        EXPECT_FALSE(text.isEmpty()) << keyword.toStdString();
        EXPECT_FALSE(text.startsWith(QStringLiteral("No hay ayuda sobre el tema")))
            << keyword.toStdString();
    }
    // Reading the installation leaves it as it was.
    EXPECT_EQ(Files(), filesBefore);
}

} // namespace
