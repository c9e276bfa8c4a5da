// The call page: the calls offered, what choosing one shows and changes in the form, what the
// project stores of it, and descriptors that are missing or do not parse.
#include "ui_support/UInstalacionMuestra.h"
#include "ui_support/UListaDesplegable.h"
#include "ui_support/UPruebaVentana.h"
#include "ui_support/UTeclado.h"

#include "config/UConvocatoria.h"
#include "document/UXMLProject.h"
#include "widgets/UGrupoAyuda.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

using TClase = TDialogoMostrado::TClase;

const QString kProyecto = QStringLiteral("proyecto.xml");
const QString kConvocatoria = QStringLiteral("project/document/properties/convocatoria/");

QByteArray ProjectOfCall(const QByteArray& caption) {
    return "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<import><soft version=\"2\"/>"
           "<project><document><properties><convocatoria doc-name=\"" +
           caption + "\"/></properties></document></project></import>\r\n";
}

// The error message the XML layer gives for the file.
QString ParserError(const QString& fileName) {
    try {
        TXMLProject document(fileName);
    } catch (const EVelornError& error) {
        return error.Message();
    }
    return QString();
}

// The read-only fields of the page, in the order they show the descriptor.
const char* const kCampos[] = {
    "convocatoriaAnioEdit",           "convocatoriaTipoEdit",
    "convocatoriaCategoriaEdit",      "convocatoriaTipoProyectoEdit",
    "convocatoriaFechaAperturaEdit",  "convocatoriaFechaCierreEdit",
    "convocatoriaDuracionMaximaEdit",
};

class ConvocatoriaTest : public TPruebaVentana {
  protected:
    void InstallSample() { ASSERT_TRUE(CopySampleInstallation(PathOf(QString()))); }
    void WriteDescriptor(const QString& file, const QByteArray& content) {
        ASSERT_TRUE(QDir(PathOf(QString())).mkpath("convoc"));
        WriteFile("convoc/" + file + ".xml", content);
    }
    QComboBox* Calls() { return Find<QComboBox>("convocatoriaNameComboBox"); }
    void ChooseCall(const QString& caption) {
        ClickSection(0);
        PickItem(Calls(), caption);
    }
    QStringList Fields() {
        QStringList values;
        for (const char* name : kCampos)
            values.append(Find<QLineEdit>(name)->text());
        return values;
    }
    TGrupoAyuda* Box(const char* name) { return Find<TGrupoAyuda>(name); }
    void Save() {
        ClickToolButton("GuardarToolButton");
        EXPECT_EQ(Dialogs().Texts(TClase::Informacion),
                  QStringList{"El estado del formulario ha sido guardado."});
    }
};

// Before a call is chosen the form shows its built-in state.
TEST_F(ConvocatoriaTest, BeforeAnyCallTheFormKeepsItsBuiltInState) {
    InstallSample();
    Open();
    EXPECT_EQ(Items(Calls()),
              (QStringList{"ROVA-I-A-2026", "ROVA-I-B-2026", "ROVA-II-A-2026", "ROVA-II-B-2026"}));
    EXPECT_EQ(Calls()->currentIndex(), -1);
    EXPECT_FALSE(Calls()->isEditable());
    EXPECT_EQ(Form().Convocatoria(), nullptr);
    EXPECT_EQ(Fields(), QStringList(7, QString()));
    for (const char* name : kCampos)
        EXPECT_TRUE(Find<QLineEdit>(name)->isReadOnly()) << name;

    EXPECT_EQ(Items(Find<QComboBox>("duracionComboBox")), (QStringList{"1", "2", "3"}));
    const struct {
        const char* box;
        QString caption;
    } boxes[] = {
        {"subareaGroupBox", "#subarea"},
        {"impactoSectorGroupBox", "#impactoSector"},
        {"impactoInstitucionGroupBox", "#impactoInstitucion"},
        {"impactoCampoGroupBox", "Impacto sobre las áreas disciplinares o campos de aplicación"},
    };
    for (const auto& b : boxes) {
        SCOPED_TRACE(b.box);
        EXPECT_EQ(Box(b.box)->title(), b.caption);
        EXPECT_EQ(Box(b.box)->HelpKeyword(), QString());
        EXPECT_FALSE(Box(b.box)->isHidden());
    }
    EXPECT_FALSE(Box("areaPrioritariaGroupBox")->isHidden());
    EXPECT_EQ(Box("areaPrioritariaGroupBox")->HelpKeyword(), "10105");
}

TEST_F(ConvocatoriaTest, WithoutConfigurationNoCallIsOffered) {
    Open();
    EXPECT_EQ(Items(Calls()), QStringList());
    EXPECT_TRUE(Dialogs().Shown().empty());
}

// Each call of the sample installation, as the user picks it: the descriptor on the page, the
// durations, and the visibility, captions and help keywords of its type.
TEST_F(ConvocatoriaTest, ChoosingACallAppliesItsDescriptorAndItsType) {
    const QString categoriaA = "Categoría A - Grupos de investigación consolidados";
    const QString categoriaB = "Categoría B - Grupos de investigación en formación";
    const QString investigacion = "Proyecto de Investigación Científica y Tecnológica";
    const QString regional = "Proyecto de Desarrollo Regional orientado a problemas";
    const struct {
        QString caption;
        QStringList fields;
        QStringList durations;
        bool prioridad, subarea, campo;
        QString subareaCaption, sectorCaption, institucionCaption;
        QStringList keywords; // subarea, sector, institution, field
    } cases[] = {
        {"ROVA-I-A-2026",
         {"2026", "ROVA I - Investigación", categoriaA, investigacion, "02/03/2026", "30/04/2026",
          "3"},
         {"1", "2", "3"},
         false,
         false,
         true,
         "Subárea disciplinar",
         "Impacto sobre el sector socio-económico y/o sector productivo",
         "Impacto sobre las capacidades institucionales",
         {"10301", "10302", "10303", "10304"}},
        {"ROVA-I-B-2026",
         {"2026", "ROVA I - Investigación", categoriaB, investigacion, "02/03/2026", "30/04/2026",
          "2"},
         {"1", "2"},
         false,
         false,
         true,
         "Subárea disciplinar",
         "Impacto sobre el sector socio-económico y/o sector productivo",
         "Impacto sobre las capacidades institucionales",
         {"10301", "10302", "10303", "10304"}},
        {"ROVA-II-A-2026",
         {"2026", "ROVA II - Desarrollo Regional", categoriaA, regional, "01/06/2026", "31/07/2026",
          "3"},
         {"1", "2", "3"},
         true,
         true,
         false,
         "Problema Identificado",
         "Relevancia Social, Económica y/o Productiva del Problema",
         "Impacto sobre la Región",
         {"10311", "10312", "10313", "10304"}},
        {"ROVA-II-B-2026",
         {"2026", "ROVA II - Desarrollo Regional", categoriaB, regional, "01/06/2026", "31/07/2026",
          "1"},
         {"1"},
         true,
         true,
         false,
         "Problema Identificado",
         "Relevancia Social, Económica y/o Productiva del Problema",
         "Impacto sobre la Región",
         {"10311", "10312", "10313", "10304"}},
    };
    InstallSample();
    Open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption.toStdString());
        ChooseCall(c.caption);
        ASSERT_NE(Form().Convocatoria(), nullptr);
        EXPECT_EQ(Fields(), c.fields);
        auto* duracion = Find<QComboBox>("duracionComboBox");
        EXPECT_EQ(Items(duracion), c.durations);
        EXPECT_EQ(duracion->currentIndex(), -1);
        EXPECT_EQ(!Box("areaPrioritariaGroupBox")->isHidden(), c.prioridad);
        EXPECT_EQ(!Box("subareaGroupBox")->isHidden(), c.subarea);
        EXPECT_EQ(!Box("impactoCampoGroupBox")->isHidden(), c.campo);
        EXPECT_FALSE(Box("impactoSectorGroupBox")->isHidden());
        EXPECT_FALSE(Box("impactoInstitucionGroupBox")->isHidden());
        EXPECT_EQ(Box("subareaGroupBox")->title(), c.subareaCaption);
        EXPECT_EQ(Box("impactoSectorGroupBox")->title(), c.sectorCaption);
        EXPECT_EQ(Box("impactoInstitucionGroupBox")->title(), c.institucionCaption);
        EXPECT_EQ(Box("impactoCampoGroupBox")->title(),
                  "Impacto sobre las áreas disciplinares o campos de aplicación");
        EXPECT_EQ((QStringList{Box("subareaGroupBox")->HelpKeyword(),
                               Box("impactoSectorGroupBox")->HelpKeyword(),
                               Box("impactoInstitucionGroupBox")->HelpKeyword(),
                               Box("impactoCampoGroupBox")->HelpKeyword()}),
                  c.keywords);
        EXPECT_EQ(Box("areaPrioritariaGroupBox")->title(), "Prioridad Regional");
        EXPECT_EQ(Box("areaPrioritariaGroupBox")->HelpKeyword(), "10105");
    }
    EXPECT_TRUE(Dialogs().Shown().empty());
}

// The call is stored with the values shown; loading finds it by its caption and shows the
// descriptor again.
TEST_F(ConvocatoriaTest, StoredCallComesBack) {
    InstallSample();
    // The type code is fixed whatever the descriptor says.
    WriteDescriptor("rova-ii-a-2026",
                    "<convocatoria><properties><anoConvocatoria>2027</anoConvocatoria>"
                    "<tipoConvocatoria code=\"OTRO\"><text>Tipo &amp; clase</text>"
                    "</tipoConvocatoria><categoria><text>Cat</text></categoria>"
                    "<tipoProyecto><text>Proy</text></tipoProyecto>"
                    "<fechas><fechaApertura><date valueDate=\"2027-13-45\"/></fechaApertura>"
                    "</fechas><params><duracionMaxima>2</duracionMaxima></params>"
                    "</properties></convocatoria>");
    Open();
    ChooseCall("ROVA-II-A-2026");
    Save();
    EXPECT_EQ(StoredAttribute(kConvocatoria, "doc-name"), "ROVA-II-A-2026");
    EXPECT_EQ(StoredText(kConvocatoria + "ano/"), "2027");
    EXPECT_EQ(StoredAttribute(kConvocatoria + "tipoConvocatoria/", "code"), "ROVA");
    EXPECT_EQ(StoredAttribute(kConvocatoria + "tipoConvocatoria/text/", "lang"), "es");
    EXPECT_EQ(StoredText(kConvocatoria + "tipoConvocatoria/text/"), "Tipo & clase");
    EXPECT_EQ(StoredText(kConvocatoria + "categoria/text/"), "Cat");
    EXPECT_EQ(StoredText(kConvocatoria + "tipoProyecto/text/"), "Proy");
    // Dates and the maximum duration belong to the descriptor, not to the project.
    EXPECT_EQ(StoredAttribute(kConvocatoria + "fechas/fechaApertura/date/", "valueDate"), "<none>");
    EXPECT_EQ(StoredText(kConvocatoria + "params/duracionMaxima/"), "");

    NewDialogs();
    Open();
    EXPECT_EQ(Calls()->currentText(), "ROVA-II-A-2026");
    ASSERT_NE(Form().Convocatoria(), nullptr);
    EXPECT_EQ(Fields(),
              (QStringList{"2027", "Tipo & clase", "Cat", "Proy", "2027-13-45", "", "2"}));
    EXPECT_FALSE(Box("areaPrioritariaGroupBox")->isHidden());
}

// A project whose call is no longer offered loads without a call and stores an empty name.
TEST_F(ConvocatoriaTest, CallNoLongerOfferedLeavesNoCall) {
    InstallSample();
    WriteFile(kProyecto, ProjectOfCall("ROVA-I-A-2006"));
    Open();
    EXPECT_EQ(Calls()->currentIndex(), -1);
    EXPECT_EQ(Form().Convocatoria(), nullptr);
    EXPECT_EQ(Fields(), QStringList(7, QString()));
    EXPECT_EQ(Box("subareaGroupBox")->title(), "#subarea");
    Save();
    EXPECT_EQ(StoredAttribute(kConvocatoria, "doc-name"), "");
    EXPECT_EQ(StoredAttribute(kConvocatoria + "tipoConvocatoria/", "code"), "ROVA");
}

// A call whose descriptor file is missing, or has no whole maximum duration, is chosen all the
// same: its fields are empty and no duration can be picked.
TEST_F(ConvocatoriaTest, DescriptorWithoutDurationsOffersNone) {
    const struct {
        const char* name;
        QByteArray descriptor; // empty: no file
        QString maxima;
    } cases[] = {
        {"missing file", "", ""},
        {"no maximum",
         "<convocatoria><properties><anoConvocatoria>2026</anoConvocatoria>"
         "</properties></convocatoria>",
         ""},
        {"not a whole number",
         "<convocatoria><properties><params><duracionMaxima>dos"
         "</duracionMaxima></params></properties></convocatoria>",
         "dos"},
    };
    InstallSample();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NewDialogs();
        QFile::remove(PathOf("convoc/rova-i-b-2026.xml"));
        if (!c.descriptor.isEmpty())
            WriteDescriptor("rova-i-b-2026", c.descriptor);
        Open();
        ChooseCall("ROVA-I-A-2026");
        ChooseCall("ROVA-I-B-2026");
        EXPECT_NE(Form().Convocatoria(), nullptr);
        EXPECT_EQ(Find<QLineEdit>("convocatoriaDuracionMaximaEdit")->text(), c.maxima);
        EXPECT_EQ(Items(Find<QComboBox>("duracionComboBox")), QStringList());
        // The type's settings apply although the descriptor has nothing.
        EXPECT_EQ(Box("subareaGroupBox")->title(), "Subárea disciplinar");
        EXPECT_TRUE(Dialogs().Shown().empty());
        // A descriptor is never written, not even a missing one.
        EXPECT_EQ(QFile::exists(PathOf("convoc/rova-i-b-2026.xml")), !c.descriptor.isEmpty());
    }
}

// A descriptor that does not parse is reported with the parser's message, at start-up and when
// the user picks it; the window goes on working.
TEST_F(ConvocatoriaTest, DescriptorThatDoesNotParseIsReported) {
    InstallSample();
    WriteDescriptor("rova-ii-b-2026", "<convocatoria><properties></convocatoria>");
    const QString error = ParserError(PathOf("convoc/rova-ii-b-2026.xml"));
    ASSERT_FALSE(error.isEmpty());

    WriteFile(kProyecto, ProjectOfCall("ROVA-II-B-2026"));
    Open();
    EXPECT_EQ(Dialogs().Texts(TClase::Error), QStringList{error});
    // No mixed call: the pick list does not show a call whose values it could not read.
    EXPECT_EQ(Calls()->currentText(), "");
    EXPECT_EQ(Form().Convocatoria(), nullptr);

    NewDialogs();
    ChooseCall("ROVA-I-B-2026");
    EXPECT_EQ(Find<QLineEdit>("convocatoriaCategoriaEdit")->text(),
              "Categoría B - Grupos de investigación en formación");
    PickItem(Find<QComboBox>("duracionComboBox"), "2");
    const QStringList shown = Fields();
    const TConvocatoria* before = Form().Convocatoria();
    ChooseCall("ROVA-II-B-2026");
    EXPECT_EQ(Dialogs().Texts(TClase::Error), QStringList{error});
    // The pick that failed changed nothing: call, page and duration are those of before.
    EXPECT_EQ(Calls()->currentText(), "ROVA-I-B-2026");
    EXPECT_EQ(Form().Convocatoria(), before);
    EXPECT_EQ(Fields(), shown);
    EXPECT_EQ(Find<QComboBox>("duracionComboBox")->currentText(), "2");

    NewDialogs();
    ChooseCall("ROVA-I-A-2026");
    EXPECT_EQ(Items(Find<QComboBox>("duracionComboBox")), (QStringList{"1", "2", "3"}));
    // The start-up could not load the call: the store asks before it replaces the file.
    Dialogs().Answer(TBotonDialogo::Si);
    Save();
    EXPECT_EQ(StoredAttribute(kConvocatoria, "doc-name"), "ROVA-I-A-2026");
    EXPECT_TRUE(Dialogs().Texts(TClase::Error).isEmpty());
}

// Changing the call changes how the texts are presented, never the texts; a hidden text is
// still stored.
TEST_F(ConvocatoriaTest, ChangingTheCallKeepsTheTexts) {
    InstallSample();
    Open();
    ChooseCall("ROVA-II-A-2026");
    ClickSection(3);
    auto* subarea = Find<QPlainTextEdit>("subareaMemo");
    subarea->setFocus();
    TypeText(subarea, "Problema de la región");
    ChooseCall("ROVA-I-A-2026");
    EXPECT_TRUE(Box("subareaGroupBox")->isHidden());
    EXPECT_EQ(subarea->toPlainText(), "Problema de la región");
    Save();
    EXPECT_EQ(StoredText("project/document/body/section-break/impactoDelProyecto/impactoSubarea/"),
              "Problema de la región");
}

} // namespace
