// The general data page through the main window: what a save writes, the regional priority
// under each kind of call, the duration against the call's maximum and the budget's years.
#include "ui_support/UEsquemaXML.h"
#include "ui_support/UInstalacionMuestra.h"
#include "ui_support/UListaDesplegable.h"
#include "ui_support/UPruebaVentana.h"
#include "ui_support/UTeclado.h"

#include "document/UXMLProject.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

namespace {

using TClase = TDialogoMostrado::TClase;

const QString kProyecto = QStringLiteral("proyecto.xml");
const QString kProperties = QStringLiteral("project/document/properties/");

QByteArray Project(const QByteArray& properties) {
    return "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<import><soft version=\"2\"/>"
           "<project><document><properties>" +
           properties + "</properties></document></project></import>\r\n";
}

QByteArray Latin1(const QString& text) {
    return text.toLatin1();
}

class DatosGeneralesTest : public TPruebaVentana {
  protected:
    void InstallSample() { ASSERT_TRUE(CopySampleInstallation(PathOf(QString()))); }

    // Picks the call on the page "Convocatoria" as the user does.
    void ChooseCall(const QString& caption) {
        ClickSection(0);
        PickItem(Find<QComboBox>("convocatoriaNameComboBox"), caption);
    }
    void ChooseDuration(const QString& years) {
        ClickSection(1);
        PickItem(Find<QComboBox>("duracionComboBox"), years);
    }
    void Save() {
        ClickToolButton("GuardarToolButton");
        EXPECT_EQ(Dialogs().Texts(TClase::Error), QStringList());
    }
    // The year pages of the budget that show their headers.
    QStringList VisibleYears() {
        auto* years = Find<QTabWidget>("presupuestoAnioPageControl");
        QStringList visible;
        for (int i = 0; years != nullptr && i < years->count(); ++i) {
            if (years->isTabVisible(i))
                visible.append(years->tabText(i));
        }
        return visible;
    }
    QString StoredOutline(const QString& path) { return Outline(ReadFile(kProyecto), path); }
    void RemoveProject() {
        QFile::remove(PathOf(kProyecto));
        QFile::remove(PathOf(kProyecto + ".bak"));
    }
};

// Everything of the general data and the texts a new project writes, in the file's order.
TEST_F(DatosGeneralesTest, NewProjectStoresEmptyValuesAndTheFixedOnes) {
    Open();
    Save();

    TXMLProject stored(PathOf(kProyecto));
    QStringList names;
    for (const TXMLNode& child : stored.GetNode(kProperties).Children())
        names.append(child.Name());
    stored.Discard();
    EXPECT_EQ(names.mid(0, 8),
              (QStringList{"fechaAlta", "areatematica", "title", "areaaltaprioridad", "duracion",
                           "ubicacion", "idiomas", "convocatoria"}));

    EXPECT_EQ(StoredOutline(kProperties + "areatematica/"), "areatematica\n"
                                                            "  principal code=\"\"\n"
                                                            "    text lang=\"es\"\n"
                                                            "      <![CDATA[]]>\n"
                                                            "  secundaria code=\"\"\n"
                                                            "    text lang=\"es\"\n"
                                                            "      <![CDATA[]]>");
    EXPECT_EQ(StoredOutline(kProperties + "title/"), "title edit=\"yes\"\n"
                                                     "  <![CDATA[]]>");
    EXPECT_EQ(StoredOutline(kProperties + "areaaltaprioridad/"), "areaaltaprioridad code=\"\"\n"
                                                                 "  text lang=\"es\"\n"
                                                                 "    <![CDATA[No Aplica]]>");
    EXPECT_EQ(StoredOutline(kProperties + "duracion/"), "duracion\n"
                                                        "  <![CDATA[]]>");
    EXPECT_EQ(StoredOutline(kProperties + "ubicacion/"), "ubicacion\n"
                                                         "  pais code=\"AR\"\n"
                                                         "    text lang=\"es\"\n"
                                                         "      <![CDATA[Argentina]]>\n"
                                                         "  provincia code=\"\"\n"
                                                         "    text lang=\"es\"\n"
                                                         "      <![CDATA[]]>");
    EXPECT_EQ(StoredOutline(kProperties + "idiomas/"), "idiomas\n"
                                                       "  principal\n"
                                                       "    text\n"
                                                       "      <![CDATA[Español]]>");
    EXPECT_EQ(StoredOutline("project/document/body/"), "body\n"
                                                       "  section-break\n"
                                                       "    resumenDelProyecto\n"
                                                       "      palabrasClave\n"
                                                       "        <![CDATA[]]>\n"
                                                       "      resumenDelProyecto\n"
                                                       "        <![CDATA[]]>\n"
                                                       "      projectTitle\n"
                                                       "        <![CDATA[]]>\n"
                                                       "      keywords\n"
                                                       "        <![CDATA[]]>\n"
                                                       "      summary\n"
                                                       "        <![CDATA[]]>\n"
                                                       "    impactoDelProyecto\n"
                                                       "      impactoSector\n"
                                                       "        <![CDATA[]]>\n"
                                                       "      impactoSubarea\n"
                                                       "        <![CDATA[]]>\n"
                                                       "      impactoInstitucion\n"
                                                       "        <![CDATA[]]>\n"
                                                       "      impactoCampo\n"
                                                       "        <![CDATA[]]>\n"
                                                       "    datosComplementarios\n"
                                                       "      investigadores\n"
                                                       "        <![CDATA[]]>\n"
                                                       "      salvaguardia\n"
                                                       "        <![CDATA[]]>\n"
                                                       "      observaciones\n"
                                                       "        <![CDATA[]]>\n"
                                                       "    subsidioSolicitado\n"
                                                       "      justificacionSubsidio\n"
                                                       "        <![CDATA[]]>\n"
                                                       "      justificacionBeca\n"
                                                       "        <![CDATA[]]>\n"
                                                       "    contraparte\n"
                                                       "      contraparte\n"
                                                       "        <![CDATA[]]>\n"
                                                       "    otrosRecursos\n"
                                                       "      otrosRecursos\n"
                                                       "        <![CDATA[]]>");
}

// The pick lists offer the code lists, unsorted, without a choice and without free text; the
// save stores the code of the name chosen.
TEST_F(DatosGeneralesTest, ChoicesAreStoredWithTheirCodes) {
    const struct {
        const char* pickList;
        int items;
        QString choice;
        QString path;
        QString code;
    } cases[] = {
        {"areaTematicaComboBox", 17, "Ciencias Sociales", "areatematica/principal/", "04"},
        {"areaTematicaSecundariaComboBox", 17, "Tecnología de Alimentos",
         "areatematica/secundaria/", "09"},
        {"provinciaComboBox", 25, "Entre Ríos", "ubicacion/provincia/", "ENTRERIOS"},
        {"provinciaComboBox", 25, "No Aplica", "ubicacion/provincia/", "NA"},
    };
    Open();
    ClickSection(1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pickList);
        auto* pickList = Find<QComboBox>(c.pickList);
        ASSERT_NE(pickList, nullptr);
        EXPECT_FALSE(pickList->isEditable());
        EXPECT_EQ(pickList->count(), c.items);
        PickItem(pickList, c.choice);
        Save();
        EXPECT_EQ(StoredAttribute(kProperties + c.path, "code"), c.code);
        EXPECT_EQ(StoredText(kProperties + c.path + "text/"), c.choice);
    }
    EXPECT_EQ(Items(Find<QComboBox>("areaPrioritariaComboBox")),
              (QStringList{"Bonaerense", "Centro", "Patagonia", "Cuyo", "Noroeste Argentino",
                           "Noreste Argentino"}));
}

// The chosen regional priority is stored only under a call whose configuration shows it;
// otherwise "No Aplica" with an empty code, whatever the pick list holds.
TEST_F(DatosGeneralesTest, RegionalPriorityDependsOnTheCall) {
    const struct {
        const char* name;
        QString firstCall;  // empty: none
        QString priority;   // chosen under the first call; empty: none
        QString secondCall; // empty: stay with the first
        bool shown;
        QString code;
        QString text;
    } cases[] = {
        {"no call", "", "Cuyo", "", true, "", "No Aplica"},
        {"call hiding it", "ROVA-I-A-2026", "", "", false, "", "No Aplica"},
        {"call showing it", "ROVA-II-A-2026", "Noroeste Argentino", "", true, "NOA",
         "Noroeste Argentino"},
        {"call showing it, nothing chosen", "ROVA-II-B-2026", "", "", true, "", ""},
        {"hidden after a choice", "ROVA-II-A-2026", "Patagonia", "ROVA-I-B-2026", false, "",
         "No Aplica"},
    };
    InstallSample();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RemoveProject();
        NewDialogs();
        Open();
        if (!c.firstCall.isEmpty())
            ChooseCall(c.firstCall);
        if (!c.priority.isEmpty()) {
            ClickSection(1);
            PickItem(Find<QComboBox>("areaPrioritariaComboBox"), c.priority);
        }
        if (!c.secondCall.isEmpty())
            ChooseCall(c.secondCall);
        EXPECT_EQ(!Find<QGroupBox>("areaPrioritariaGroupBox")->isHidden(), c.shown);
        Save();
        const QString path = kProperties + "areaaltaprioridad/";
        EXPECT_EQ(StoredAttribute(path, "code"), c.code);
        EXPECT_EQ(StoredText(path + "text/"), c.text);
        EXPECT_EQ(StoredAttribute(path + "text/", "lang"), "es");
    }
}

// The stored duration is chosen among the call's durations; what is not among them leaves no
// choice, and the budget then shows one year.
TEST_F(DatosGeneralesTest, StoredDurationAgainstTheCallsMaximum) {
    const struct {
        const char* name;
        QByteArray properties;
        QStringList durations;
        QString chosen;
        QStringList years;
    } cases[] = {
        {"beyond the maximum",
         "<convocatoria doc-name=\"ROVA-I-B-2026\"/><duracion><![CDATA[3]]></duracion>",
         {"1", "2"},
         "",
         {"Año 1"}},
        {"at the maximum",
         "<convocatoria doc-name=\"ROVA-I-B-2026\"/><duracion><![CDATA[2]]></duracion>",
         {"1", "2"},
         "2",
         {"Año 1", "Año 2"}},
        {"three years",
         "<convocatoria doc-name=\"ROVA-I-A-2026\"/><duracion>3</duracion>",
         {"1", "2", "3"},
         "3",
         {"Año 1", "Año 2", "Año 3"}},
        // None stored is none chosen: the budget shows the years that hold lines, here one.
        {"no duration stored",
         "<convocatoria doc-name=\"ROVA-I-A-2026\"/>",
         {"1", "2", "3"},
         "",
         {"Año 1"}},
        {"empty duration stored",
         "<convocatoria doc-name=\"ROVA-I-A-2026\"/><duracion><![CDATA[]]></duracion>",
         {"1", "2", "3"},
         "",
         {"Año 1"}},
        {"call no longer offered",
         "<convocatoria doc-name=\"ROVA-I-A-2006\"/><duracion>2</duracion>",
         {"1", "2", "3"},
         "2",
         {"Año 1", "Año 2"}},
    };
    InstallSample();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NewDialogs();
        WriteFile(kProyecto, Project(c.properties));
        Open();
        auto* duracion = Find<QComboBox>("duracionComboBox");
        EXPECT_EQ(Items(duracion), c.durations);
        EXPECT_EQ(duracion->currentText(), c.chosen);
        EXPECT_EQ(VisibleYears(), c.years);
        Save();
        EXPECT_EQ(StoredText(kProperties + "duracion/"), c.chosen);
    }
}

// A new call asks for the duration again; the budget keeps its years until one is picked.
TEST_F(DatosGeneralesTest, PickingTheDurationShowsTheBudgetsYears) {
    InstallSample();
    WriteFile(kProyecto,
              Project("<convocatoria doc-name=\"ROVA-I-A-2026\"/><duracion>3</duracion>"));
    Open();
    EXPECT_EQ(VisibleYears(), (QStringList{"Año 1", "Año 2", "Año 3"}));

    ChooseCall("ROVA-I-B-2026");
    auto* duracion = Find<QComboBox>("duracionComboBox");
    EXPECT_EQ(Items(duracion), (QStringList{"1", "2"}));
    EXPECT_EQ(duracion->currentIndex(), -1);
    EXPECT_EQ(VisibleYears(), (QStringList{"Año 1", "Año 2", "Año 3"}));

    const struct {
        QString duration;
        QStringList years;
    } picks[] = {
        {"1", {"Año 1"}},
        {"2", {"Año 1", "Año 2"}},
    };
    for (const auto& pick : picks) {
        SCOPED_TRACE(pick.duration.toStdString());
        ChooseDuration(pick.duration);
        EXPECT_EQ(VisibleYears(), pick.years);
    }
    Save();
    EXPECT_EQ(StoredText(kProperties + "duracion/"), "2");
}

// Choices come back by their names, letter case aside; a name not in the list, such as the
// stored "No Aplica" of the regional priority, leaves no choice. The next save writes the
// list's own names and codes.
TEST_F(DatosGeneralesTest, LoadChoosesByNameAndTheNextSaveWritesTheListsCodes) {
    InstallSample();
    WriteFile(kProyecto,
              Project("<convocatoria doc-name=\"ROVA-II-A-2026\"/>"
                      "<areatematica><principal code=\"99\"><text lang=\"es\"><![CDATA[" +
                      Latin1("CIENCIAS MÉDICAS") +
                      "]]></text></principal>"
                      "<secundaria code=\"02\"><text lang=\"es\"><![CDATA[" +
                      Latin1("Otra área") +
                      "]]></text></secundaria></areatematica>"
                      "<title edit=\"yes\"><![CDATA[" +
                      Latin1("Título & <marcas> del proyecto") +
                      "]]></title>"
                      "<areaaltaprioridad code=\"\"><text lang=\"es\"><![CDATA[No Aplica]]>"
                      "</text></areaaltaprioridad>"
                      "<ubicacion><provincia code=\"X\"><text lang=\"es\"><![CDATA[" +
                      Latin1("córdoba") + "]]></text></provincia></ubicacion>"));
    Open();
    EXPECT_EQ(Find<QComboBox>("areaTematicaComboBox")->currentText(), "Ciencias Médicas");
    EXPECT_EQ(Find<QComboBox>("areaTematicaSecundariaComboBox")->currentIndex(), -1);
    EXPECT_EQ(Find<QComboBox>("provinciaComboBox")->currentText(), "Córdoba");
    EXPECT_EQ(Find<QComboBox>("areaPrioritariaComboBox")->currentIndex(), -1);
    EXPECT_EQ(Find<QLineEdit>("tituloEdit")->text(), "Título & <marcas> del proyecto");

    Save();
    const struct {
        QString path;
        QString code;
        QString text;
    } stored[] = {
        {"areatematica/principal/", "05", "Ciencias Médicas"},
        {"areatematica/secundaria/", "", ""},
        {"ubicacion/provincia/", "CORDOBA", "Córdoba"},
        {"areaaltaprioridad/", "", ""},
    };
    for (const auto& s : stored) {
        SCOPED_TRACE(s.path.toStdString());
        EXPECT_EQ(StoredAttribute(kProperties + s.path, "code"), s.code);
        EXPECT_EQ(StoredText(kProperties + s.path + "text/"), s.text);
    }
    EXPECT_EQ(StoredText(kProperties + "title/"), "Título & <marcas> del proyecto");
}

TEST_F(DatosGeneralesTest, TitleTakes256CharactersAndNoMore) {
    Open();
    ClickSection(1);
    auto* titulo = Find<QLineEdit>("tituloEdit");
    titulo->setFocus();
    const QString typed = QString(250, QLatin1Char('a')) + "ñandúes";
    TypeText(titulo, typed);
    EXPECT_EQ(titulo->text(), typed.left(256));
    Save();
    EXPECT_EQ(StoredText(kProperties + "title/"), typed.left(256));
}

} // namespace
