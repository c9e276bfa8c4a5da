// The three institution pages through the main window: what a save writes for each, the
// round trip of every field through the file, and the CUIT/CUIL check of the beneficiary.
#include "ui_support/UEsquemaXML.h"
#include "ui_support/UListaDesplegable.h"
#include "ui_support/UPruebaVentana.h"
#include "ui_support/UTeclado.h"

#include "ids/UCuitWeb.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollArea>
#include <QTest>

namespace {

using TClase = TDialogoMostrado::TClase;

const QString kProyecto = QStringLiteral("proyecto.xml");
const QString kCuilInvalido = QStringLiteral("El cuil ingresado no es válido");

// The outline of a coded value: its code, and its name as CDATA of "text".
QString Coded(const QString& name, const QString& code, const QString& value, int depth) {
    const QString indent(depth * 2, QLatin1Char(' '));
    return indent + name + " code=\"" + code + "\"\n" + indent + "  text lang=\"es\"\n" + indent +
           "    <![CDATA[" + value + "]]>";
}

QString Text(const QString& name, const QString& value, int depth) {
    const QString indent(depth * 2, QLatin1Char(' '));
    return indent + name + "\n" + indent + "  <![CDATA[" + value + "]]>";
}

// What an institution's page writes, in the file's order. Empty values stand for a field the
// page does not have.
struct TInstitucionGuardada {
    QString siglas, denominacion, tipoCode, tipoName, pais, paisCode, provincia, provinciaCode,
        localidad, cp, calle, telefonos, web, email;
    bool conResponsable = false;
    QString nombre, cargo, anio;
    bool beneficiaria = false;
    QString cuit, tipoOrg, tipoOrgCode, gestion, gestionCode, region, regionCode;

    QString Outline() const {
        QStringList lines = {
            "properties",
            Text("denominacion", siglas, 1),
            Text("razonsocial", denominacion, 1),
            "  domicilio",
            Coded("tipoDomicilio", tipoCode, tipoName, 2),
            Coded("pais", paisCode, pais, 2),
            Coded("provincia", provinciaCode, provincia, 2),
            Text("localidad", localidad, 2),
            Text("cp", cp, 2),
            Text("calle", calle, 2),
            Text("telefonos", telefonos, 2),
            Text("web", web, 2),
            Text("email", email, 2),
        };
        if (conResponsable) {
            lines += {"  contacto", Text("nombre", nombre, 2), Text("cargo", cargo, 2),
                      Text("anoConstitucion", anio, 1)};
        }
        if (beneficiaria) {
            lines += {Text("cuitcuil", cuit, 1), Coded("tipoorganizacion", tipoOrgCode, tipoOrg, 1),
                      Coded("tipogestion", gestionCode, gestion, 1),
                      Coded("region", regionCode, region, 1)};
        }
        return lines.join('\n');
    }
};

class InstitucionTest : public TPruebaVentana {
  protected:
    TForm1& OpenActive() {
        TForm1& form = Open();
        QApplication::setActiveWindow(&form);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        return form;
    }
    QString StoredOutline(const QString& element) {
        return ::Outline(ReadFile(kProyecto), element + "/document/properties/");
    }
    void Save() {
        ClickToolButton("GuardarToolButton");
        EXPECT_EQ(Dialogs().Texts(TClase::Error), QStringList());
        NewDialogs();
    }
    // Types into an edit or picks from a pick list, on the page that shows it.
    void Enter(const char* name, const QString& value) {
        QWidget* control = Find<QWidget>(name);
        ASSERT_NE(control, nullptr);
        for (QScrollArea* scroll : Form().findChildren<QScrollArea*>()) {
            if (scroll->isAncestorOf(control))
                scroll->ensureWidgetVisible(control);
        }
        if (auto* pickList = qobject_cast<QComboBox*>(control)) {
            PickItem(pickList, value);
        } else {
            QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(control, Qt::Key_Delete);
            TypeText(control, value);
        }
    }
    QString Shown(const char* name) {
        QWidget* control = Find<QWidget>(name);
        if (auto* pickList = qobject_cast<QComboBox*>(control))
            return pickList->currentText();
        return qobject_cast<QLineEdit*>(control)->text();
    }
};

TInstitucionGuardada Empty(const QString& tipoCode, const QString& tipoName) {
    TInstitucionGuardada empty;
    empty.tipoCode = tipoCode;
    empty.tipoName = tipoName;
    return empty;
}

// A new project writes every field of each institution, empty, with the page's fixed address
// kind; the dependency writes no representative and no organisation data.
TEST_F(InstitucionTest, NewProjectStoresEachInstitutionWithItsAddressKind) {
    Open();
    Save();
    TInstitucionGuardada ejecutora = Empty("POSTAL", "Domicilio Postal");
    ejecutora.conResponsable = true;
    TInstitucionGuardada beneficiaria = Empty("LEGAL", "Domicilio Legal");
    beneficiaria.conResponsable = true;
    beneficiaria.beneficiaria = true;
    EXPECT_EQ(StoredOutline("ejecutora"), ejecutora.Outline());
    EXPECT_EQ(StoredOutline("dependencia"), Empty("POSTAL", "Domicilio Postal").Outline());
    EXPECT_EQ(StoredOutline("beneficiaria"), beneficiaria.Outline());
    // Stored in the order executing unit, dependency, beneficiary.
    const QByteArray file = ReadFile(kProyecto);
    EXPECT_LT(file.indexOf("<ejecutora>"), file.indexOf("<dependencia>"));
    EXPECT_LT(file.indexOf("<dependencia>"), file.indexOf("<beneficiaria>"));
}

// Every field typed or picked is stored with the code of its list, and shown again by the
// next start; the acronym goes under "denominacion", the full name under "razonsocial".
TEST_F(InstitucionTest, EveryFieldGoesThroughTheFileAndBack) {
    const struct {
        const char* control;
        QString value;
    } entered[] = {
        {"benSiglasEdit", "UNT"},
        {"benDenominacionEdit", "Universidad Nacional de Tucumán"},
        {"benPaisComboBox", "Estados Unidos"},
        {"benProvinciaComboBox", "Tucumán"},
        {"benLocalidadEdit", "San Miguel de Tucumán"},
        {"benCodigoPostalEdit", "T4000"},
        {"benCalleEdit", "Ayacucho 491"},
        {"benTelefonoEdit", "0381 4247752 / 4247762"},
        {"benEmailEdit", "rectorado@unt.edu.ar"},
        {"benWebEdit", "www.unt.edu.ar"},
        {"benResponsableNombreEdit", "Pérez, José"},
        {"benResponsableCargoEdit", "Rector"},
        {"benCuitEdit", "30-54667024-3"},
        {"benTipoInstitucionComboBox", "Entidad sin fines de lucro"},
        {"benTipoGestionComboBox", "Mixta"},
        {"benRegionComboBox", "Provincial"},
        {"benAnioConstitucionEdit", "1914"},
        {"depSiglasEdit", "FBQF"},
        {"depDenominacionEdit", "Facultad de Bioquímica, Química y Farmacia"},
        {"depPaisComboBox", "Bélgica"},
        {"depProvinciaComboBox", "No Aplica"},
        {"depLocalidadEdit", "Lovaina"},
        {"depCodigoPostalEdit", "3000"},
        {"depCalleEdit", "Naamsestraat 22"},
        {"depTelefonoEdit", "+32 16 32 40 10"},
        {"depEmailEdit", "fbqf@unt.edu.ar"},
        {"depWebEdit", "fbqf.unt.edu.ar"},
        {"ejeSiglasEdit", "INSIBIO"},
        {"ejeDenominacionEdit", "Instituto Superior de Investigaciones Biológicas"},
        {"ejePaisComboBox", "Argentina"},
        {"ejeProvinciaComboBox", "Entre Ríos"},
        {"ejeLocalidadEdit", "Paraná"},
        {"ejeCodigoPostalEdit", "3100"},
        {"ejeCalleEdit", "Chacabuco 461"},
        {"ejeTelefonoEdit", "0343 4000000"},
        {"ejeEmailEdit", "insibio@conicet.gov.ar"},
        {"ejeWebEdit", "insibio.org.ar"},
        {"ejeResponsableNombreEdit", "Gómez, Ana"},
        {"ejeResponsableCargoEdit", "Directora"},
        {"ejeAnioConstitucionEdit", "1982"},
    };
    OpenActive();
    for (const auto& e : entered) {
        SCOPED_TRACE(e.control);
        const QString page = QString::fromLatin1(e.control).left(3);
        ClickSection(page == "ben" ? 9 : page == "dep" ? 10 : 11);
        Enter(e.control, e.value);
        EXPECT_EQ(Shown(e.control), e.value);
    }
    Save();

    TInstitucionGuardada beneficiaria = Empty("LEGAL", "Domicilio Legal");
    beneficiaria.siglas = "UNT";
    beneficiaria.denominacion = "Universidad Nacional de Tucumán";
    beneficiaria.pais = "Estados Unidos";
    beneficiaria.paisCode = "USA";
    beneficiaria.provincia = "Tucumán";
    beneficiaria.provinciaCode = "TUCUMAN";
    beneficiaria.localidad = "San Miguel de Tucumán";
    beneficiaria.cp = "T4000";
    beneficiaria.calle = "Ayacucho 491";
    beneficiaria.telefonos = "0381 4247752 / 4247762";
    beneficiaria.web = "www.unt.edu.ar";
    beneficiaria.email = "rectorado@unt.edu.ar";
    beneficiaria.conResponsable = true;
    beneficiaria.nombre = "Pérez, José";
    beneficiaria.cargo = "Rector";
    beneficiaria.anio = "1914";
    beneficiaria.beneficiaria = true;
    beneficiaria.cuit = "30-54667024-3";
    beneficiaria.tipoOrg = "Entidad sin fines de lucro";
    beneficiaria.tipoOrgCode = "TORG5";
    beneficiaria.gestion = "Mixta";
    beneficiaria.gestionCode = "TGES3";
    beneficiaria.region = "Provincial";
    beneficiaria.regionCode = "PROVINCIAL";

    TInstitucionGuardada dependencia = Empty("POSTAL", "Domicilio Postal");
    dependencia.siglas = "FBQF";
    dependencia.denominacion = "Facultad de Bioquímica, Química y Farmacia";
    dependencia.pais = "Bélgica";
    dependencia.paisCode = ".BE";
    dependencia.provincia = "No Aplica";
    dependencia.provinciaCode = "NA";
    dependencia.localidad = "Lovaina";
    dependencia.cp = "3000";
    dependencia.calle = "Naamsestraat 22";
    dependencia.telefonos = "+32 16 32 40 10";
    dependencia.web = "fbqf.unt.edu.ar";
    dependencia.email = "fbqf@unt.edu.ar";

    TInstitucionGuardada ejecutora = Empty("POSTAL", "Domicilio Postal");
    ejecutora.siglas = "INSIBIO";
    ejecutora.denominacion = "Instituto Superior de Investigaciones Biológicas";
    ejecutora.pais = "Argentina";
    ejecutora.paisCode = "AR";
    ejecutora.provincia = "Entre Ríos";
    ejecutora.provinciaCode = "ENTRERIOS";
    ejecutora.localidad = "Paraná";
    ejecutora.cp = "3100";
    ejecutora.calle = "Chacabuco 461";
    ejecutora.telefonos = "0343 4000000";
    ejecutora.web = "insibio.org.ar";
    ejecutora.email = "insibio@conicet.gov.ar";
    ejecutora.conResponsable = true;
    ejecutora.nombre = "Gómez, Ana";
    ejecutora.cargo = "Directora";
    ejecutora.anio = "1982";
    EXPECT_EQ(StoredOutline("beneficiaria"), beneficiaria.Outline());
    EXPECT_EQ(StoredOutline("dependencia"), dependencia.Outline());
    EXPECT_EQ(StoredOutline("ejecutora"), ejecutora.Outline());

    // The next start shows it all again; the stored number is not checked on loading.
    OpenActive();
    for (const auto& e : entered)
        EXPECT_EQ(Shown(e.control), e.value) << e.control;
    EXPECT_EQ(Find<QLabel>("benCuilInvalidoLabel")->text(), "");
    EXPECT_TRUE(Dialogs().Shown().empty());
}

// Choices are restored from the stored names alone, letter case aside; a name that is not in
// the list leaves no choice. The next save writes the list's own names and codes.
TEST_F(InstitucionTest, ChoicesComeBackFromTheirNamesNotTheirCodes) {
    WriteFile(kProyecto,
              "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<import><soft version=\"2\"/>"
              "<beneficiaria><document><properties>"
              "<domicilio><tipoDomicilio code=\"X\"><text lang=\"es\">Otro</text></tipoDomicilio>"
              "<pais code=\".XX\"><text lang=\"es\"><![CDATA[ARGENTINA]]></text></pais>"
              "<provincia code=\"CORDOBA\"><text lang=\"es\">Capital</text></provincia>"
              "</domicilio>"
              "<tipoorganizacion code=\"TORG4\"><text lang=\"es\">organismo de c&amp;t</text>"
              "</tipoorganizacion>"
              "<tipogestion code=\"TGES1\"/>"
              "</properties></document></beneficiaria></import>\r\n");
    Open();
    EXPECT_EQ(Shown("benPaisComboBox"), "Argentina");
    EXPECT_EQ(Find<QComboBox>("benProvinciaComboBox")->currentIndex(), -1);
    EXPECT_EQ(Shown("benTipoInstitucionComboBox"), "Organismo de C&T");
    EXPECT_EQ(Find<QComboBox>("benTipoGestionComboBox")->currentIndex(), -1);
    Save();
    const QString stored = StoredOutline("beneficiaria");
    EXPECT_TRUE(stored.contains(Coded("tipoDomicilio", "LEGAL", "Domicilio Legal", 2)));
    EXPECT_TRUE(stored.contains(Coded("pais", "AR", "Argentina", 2)));
    EXPECT_TRUE(stored.contains(Coded("provincia", "", "", 2)));
    EXPECT_TRUE(stored.contains(Coded("tipoorganizacion", "TORG1", "Organismo de C&T", 1)));
    EXPECT_TRUE(stored.contains(Coded("tipogestion", "", "", 1)));
}

// Leaving the CUIT/CUIL field only says whether the number is valid; the number is kept and
// stored as typed.
TEST_F(InstitucionTest, LeavingTheCuitShowsItsVerdictBesideTheLabel) {
    const QString valid = "30546670240";
    ASSERT_TRUE(TCuitWeb().IsValidCuit(valid));
    const struct {
        QString typed;
        QString label;
    } cases[] = {
        {"30-54667024-0", kCuilInvalido}, // thirteen characters
        {valid, ""},
        {"", kCuilInvalido},
        {valid + " ", kCuilInvalido},
        {"30546670244", kCuilInvalido},
        {"00000000000", ""},
        {"3054667024A", kCuilInvalido},
    };
    OpenActive();
    ClickSection(9);
    auto* edit = Find<QLineEdit>("benCuitEdit");
    auto* label = Find<QLabel>("benCuilInvalidoLabel");
    EXPECT_EQ(label->text(), "");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        ClickWidget(edit);
        ASSERT_TRUE(edit->hasFocus());
        const QString before = label->text();
        Enter("benCuitEdit", c.typed);
        EXPECT_EQ(label->text(), before) << "checked only when the field is left";
        QTest::keyClick(edit, Qt::Key_Tab);
        EXPECT_EQ(label->text(), c.label);
        EXPECT_FALSE(edit->hasFocus());
        EXPECT_EQ(edit->text(), c.typed);
        Save();
        EXPECT_TRUE(StoredOutline("beneficiaria").contains(Text("cuitcuil", c.typed, 1)));
    }
    EXPECT_TRUE(Dialogs().Shown().empty());
}

// Alt hands the keys to the menu bar and Esc gives them back to the field: the field was not
// left, so the number is not checked until it really is.
TEST_F(InstitucionTest, TheMenuBarTakingTheKeysIsNoExit) {
    OpenActive();
    ClickSection(9);
    auto* edit = Find<QLineEdit>("benCuitEdit");
    auto* label = Find<QLabel>("benCuilInvalidoLabel");
    auto* menuBar = Find<QMenuBar>("MainMenu1");
    ClickWidget(edit);
    ASSERT_TRUE(edit->hasFocus());
    Enter("benCuitEdit", "123");
    // What the menu bar does on Alt, and on Esc afterwards.
    menuBar->setFocus(Qt::MenuBarFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(menuBar->hasFocus());
    EXPECT_EQ(label->text(), "");
    edit->setFocus(Qt::MenuBarFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(edit->hasFocus());
    EXPECT_EQ(label->text(), "");
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(label->text(), kCuilInvalido);
}

} // namespace
