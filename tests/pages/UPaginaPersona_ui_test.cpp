// The person page of the group editor: its pick lists per group, the required fields in their
// order, the checks made when a field is left, and what a person stores.
#include "ui_support/UEsquemaXML.h"
#include "ui_support/UListaDesplegable.h"
#include "ui_support/UPruebaGrupos.h"

#include "document/UXMLProject.h"
#include "form/UFichaPersona.h"
#include "form/UGrupo.h"
#include "form/UListasCodigo.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTest>

namespace {

using TClase = TDialogoMostrado::TClase;

const QString kResponsable = QStringLiteral("gruporesponsable");
const QString kColaborador = QStringLiteral("grupocolaborador");
const QString kProyecto = QStringLiteral("proyecto.xml");
const QString kCuilInvalido = QStringLiteral("El cuil ingresado no es válido");

class PersonaTest : public TPruebaGrupos {
  protected:
    // Clicks into the control, as the user does before typing into it.
    void ClickInto(const char* name) {
        QWidget* control = Find<QWidget>(name);
        Find<QScrollArea>("ScrollBox8")->ensureWidgetVisible(control);
        ClickWidget(control);
        ASSERT_TRUE(control->hasFocus()) << name;
    }
    // Leaves the field that has the focus with Tab, and lets the focus settle.
    void PressTab() {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QApplication::processEvents();
    }
    void NewPerson(bool responsable) {
        if (responsable) {
            ShowResponsables();
            Click("grupoResponsableNuevoButton");
        } else {
            ShowColaboradores();
            Click("grupoColaboradorNuevoButton");
        }
        ASSERT_TRUE(PersonPageShown());
    }
    void WriteProject(const QString& grupo, const TFichaPersona& ficha) {
        TXMLProject project(PathOf(kProyecto));
        project.SetAttribute("soft/", "version", "2");
        TGrupo group(project, grupo);
        ficha.Store(group);
        project.Save(true);
    }
};

// The rol list and the CV's length differ between the groups; the other lists are the same.
TEST_F(PersonaTest, OptionsDependOnTheGroup) {
    OpenActive();
    const struct {
        bool responsable;
        QStringList roles;
        int cv;
    } cases[] = {
        {true, {"Investigador Responsable", "Investigador Integrante"}, 12000},
        {false,
         {"Becario Post Doctoral", "Becario Post Grado", "Estudiante", "Personal Técnico",
          "Investigador", "Otra Función"},
         4000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.responsable ? "responsible" : "collaborating");
        NewPerson(c.responsable);
        EXPECT_EQ(Items(Find<QComboBox>("personaRolComboBox")), c.roles);
        EXPECT_EQ(Items(Find<QComboBox>("personaTipoDocumentoComboBox")),
                  (QStringList{"Documento Nacional de Identidad", "Libreta Cívica",
                               "Libreta de Enrolamiento", "Pasaporte"}));
        EXPECT_EQ(Items(Find<QComboBox>("personaSexoComboBox")),
                  (QStringList{"Femenino", "Masculino"}));
        EXPECT_EQ(Items(Find<QComboBox>("personaEstadoCivilComboBox")),
                  (QStringList{"Casado/a", "Divorciado/a", "Separado/a", "Soltero/a", "Viudo/a"}));
        EXPECT_EQ(Items(Find<QComboBox>("personaCurricularTituloComboBox")),
                  (QStringList{"Secundario", "Superior No Universitario o Terciario",
                               "Superior Universitario de Grado", "Especialización", "Maestría",
                               "Doctorado", "Postdoctorado"}));
        for (const char* name : {"personaPaisNacimientoComboBox", "personaLaboralPaisComboBox"})
            EXPECT_EQ(Items(Find<QComboBox>(name)), ListaPaises().Names()) << name;
        for (const char* name :
             {"personaProvinciaNacimientoComboBox", "personaLaboralProvinciaComboBox"})
            EXPECT_EQ(Items(Find<QComboBox>(name)), ListaProvincias().Names()) << name;
        for (QComboBox* pickList : Find<QWidget>("ScrollBox8")->findChildren<QComboBox*>()) {
            EXPECT_EQ(pickList->currentIndex(), -1) << pickList->objectName().toStdString();
            EXPECT_FALSE(pickList->isEditable()) << pickList->objectName().toStdString();
        }

        // A pasted CV keeps what fits; typing at the limit adds nothing.
        auto* cv = Find<QPlainTextEdit>("personaCurricularCVMemo");
        ClickInto("personaCurricularCVMemo");
        QString text;
        while (text.size() < c.cv + 500)
            text += QStringLiteral("Investigación %1. ").arg(text.size());
        QApplication::clipboard()->setText(text);
        QTest::keyClick(cv, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(cv->toPlainText(), text.left(c.cv));
        QTest::keyClicks(cv, "xyz");
        EXPECT_EQ(cv->toPlainText().size(), c.cv);
        // Deleting makes room again.
        QTest::keyClick(cv, Qt::Key_Backspace);
        QTest::keyClicks(cv, "xyz");
        EXPECT_EQ(cv->toPlainText(), text.left(c.cv - 1) + "x");
        Click("grupoEditCancelarButton");
    }
}

// "Aplicar" names the first empty required field, in the order of the page; dates and the
// employers after the first are never required.
TEST_F(PersonaTest, RequiredFieldsAreCheckedInTheirOrder) {
    const QList<QPair<const char*, QString>> required = {
        {"personaCuilEdit", "Debe ingresar el Cuil"},
        {"personaRolComboBox", "Debe ingresar un Rol"},
        {"personaNombreEdit", "Debe ingresar el Nombre"},
        {"personaApellidoEdit", "Debe ingresar el Apellido"},
        {"personaTipoDocumentoComboBox", "Debe ingresar un Tipo de Documento"},
        {"personaNroDocumentoEdit", "Debe ingresar el Número de Documento"},
        {"personaSexoComboBox", "Debe ingresar el Sexo"},
        {"personaPaisNacimientoComboBox", "Debe ingresar el Pais de nacimiento"},
        {"personaProvinciaNacimientoComboBox", "Debe ingresar la Provincia de Nacimiento"},
        {"personaEstadoCivilComboBox", "Debe ingresar el Estado Civil"},
        {"personaLaboralPaisComboBox", "Debe ingresar el País"},
        {"personaLaboralProvinciaComboBox", "Debe ingresar la Provincia"},
        {"personaLaboralLocalidadEdit", "Debe ingresar una Localidad"},
        {"personaLaboralCodPostalEdit", "Debe ingresar el Código Postal"},
        {"personaLaboralCalleEdit", "Debe ingresar la Calle y Número"},
        {"personaLaboralTelefonoEdit", "Debe ingresar el Teléfonos/Fax"},
        {"personaLaboralEmailEdit", "Debe ingresar el  Email"},
        {"personaParticularTelefonoEdit", "Debe ingresar el Teléfonos/Fax particular"},
        {"personaParticularEmailEdit", "Debe ingresar el Email particular"},
        {"personaCurricularCVMemo", "Debe ingresar el CV"},
        {"personaCurricularTituloComboBox", "Debe ingresar el Mayor título logrado"},
        {"personaCurricularFormacionMemo", "Debe ingresar la Formación Académica"},
        {"personaCurricularActividadesMemo",
         "Debe ingresar las Actividades y/o cargos destacados en I+D"},
        {"personaCurricularAreaMemo", "Debe ingresar el Área de actuación en I+D"},
        {"personaEmpleador1OrganizacionEdit",
         "Debe ingresar la Organización en los datos del empleador #1"},
        {"personaEmpleador1CargoEdit", "Debe ingresar el Cargo en los datos del empleador #1"},
        {"personaEmpleador1DedicacionEdit",
         "Debe ingresar la Dedicación (en horas) en los datos del empleador #1"},
    };
    OpenActive();
    NewPerson(true);
    Enter(Requeridos(ValidCuil(12345678), "Investigador Integrante", "Ana", "Alba"));
    // Emptied from the last to the first: each time the field emptied last is the first empty
    // one, and the message must name it.
    for (qsizetype i = required.size() - 1; i >= 0; --i) {
        SCOPED_TRACE(required[i].first);
        Enter({{required[i].first, QString()}});
        NewDialogs();
        Dialogs().Answer(TBotonDialogo::Aceptar);
        Click("grupoEditGuardarButton");
        ASSERT_EQ(Dialogs().Shown().size(), 1u);
        const TDialogoMostrado& shown = Dialogs().Shown().front();
        EXPECT_EQ(shown.clase, TClase::Mensaje);
        EXPECT_EQ(shown.text, "Todos los campos son requeridos. " + required[i].second);
        EXPECT_EQ(shown.title, "Campo de texto vacío.");
        EXPECT_EQ(shown.kind, TTipoDialogo::Error);
        EXPECT_EQ(shown.captions, QStringList{"Aceptar"});
        EXPECT_TRUE(PersonPageShown());
    }
    EXPECT_FALSE(Exists(kProyecto));
}

// The document number and the weekly hours must be whole numbers when they are left; the
// focus goes back until they are.
TEST_F(PersonaTest, WholeNumberChecksKeepTheFocusInTheField) {
    const QString dni = "Debe ingresar un número de DNI válido.";
    const QString numero = "Debe ingresar un número.";
    const struct {
        const char* control;
        QString text;
        QString message; // empty: accepted
    } cases[] = {
        {"personaNroDocumentoEdit", "", dni},
        {"personaNroDocumentoEdit", "12.345", dni},
        {"personaNroDocumentoEdit", "A1234567", dni},
        {"personaNroDocumentoEdit", " 1234567", dni},
        {"personaNroDocumentoEdit", "12345678", ""},
        {"personaEmpleador1DedicacionEdit", "", numero},
        {"personaEmpleador1DedicacionEdit", "40 hs", numero},
        {"personaEmpleador2DedicacionEdit", "2147483648", numero},
        {"personaEmpleador2DedicacionEdit", "2147483647", ""},
        {"personaEmpleador3DedicacionEdit", "-12", ""},
        {"personaEmpleador4DedicacionEdit", "+", numero},
        {"personaEmpleador5DedicacionEdit", "0", ""},
        {"personaEmpleador5DedicacionEdit", "1,5", numero},
    };
    OpenActive();
    NewPerson(false);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.control) + " \"" + c.text.toStdString() + "\"");
        NewDialogs();
        QWidget* control = Find<QWidget>(c.control);
        ClickInto(c.control);
        Enter({{c.control, c.text}});
        PressTab();
        if (c.message.isEmpty()) {
            EXPECT_TRUE(Dialogs().Shown().empty());
            EXPECT_FALSE(control->hasFocus());
            continue;
        }
        EXPECT_EQ(Dialogs().Texts(TClase::Error), QStringList{c.message});
        EXPECT_EQ(Dialogs().Shown().size(), 1u);
        EXPECT_TRUE(control->hasFocus());
        // Every further try to leave is checked again.
        PressTab();
        EXPECT_EQ(Dialogs().Texts(TClase::Error), (QStringList{c.message, c.message}));
        EXPECT_TRUE(control->hasFocus());
        // A right number lets the focus go.
        Enter({{c.control, "8"}});
        PressTab();
        EXPECT_EQ(Dialogs().Shown().size(), 2u);
        EXPECT_FALSE(control->hasFocus());
    }
}

// Leaving the CUIL only says whether it is valid: no dialog, and the focus moves on.
TEST_F(PersonaTest, LeavingTheCuilShowsItsVerdictBesideTheLabel) {
    const QString valid = ValidCuil(12345678);
    const struct {
        QString typed;
        QString label;
    } cases[] = {
        {valid, ""},
        {"20-" + valid.mid(2, 8) + "-" + valid.right(1), kCuilInvalido},
        {valid, ""},
        {"", kCuilInvalido},
        {" " + valid, kCuilInvalido},
        {"00000000000", ""},
        {valid.left(10) + "x", kCuilInvalido},
    };
    OpenActive();
    NewPerson(true);
    auto* label = Find<QLabel>("cuilInvalidoLabel");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        ClickInto("personaCuilEdit");
        Enter({{"personaCuilEdit", c.typed}});
        PressTab();
        EXPECT_EQ(label->text(), c.label);
        EXPECT_FALSE(Find<QWidget>("personaCuilEdit")->hasFocus());
        EXPECT_EQ(Shown("personaCuilEdit"), c.typed);
    }
    EXPECT_TRUE(Dialogs().Shown().empty());

    // The verdict stays until the field is left again, also for the next new person.
    Click("grupoEditCancelarButton");
    Click("grupoResponsableNuevoButton");
    EXPECT_EQ(label->text(), kCuilInvalido);
    EXPECT_EQ(Shown("personaCuilEdit"), "");
}

// A new person's elements follow the order of the page, leaving out the empty fields; the
// dates and the weekly hours are always there. Values are plain text.
TEST_F(PersonaTest, ANewPersonStoresItsFieldsInTheirOrder) {
    const QString cuil = ValidCuil(12345678);
    OpenActive();
    NewPerson(true);
    Enter(Requeridos(cuil, "Investigador Responsable", "  ", "Alba"));
    Enter({{"personaFechaNacimientoDateTimePicker", "24/12/1980"},
           {"personaEmpleador3FechaInicioDateTimePicker", "01/06/2015"},
           {"personaEmpleador4CargoEdit", "Asesora"}});
    Click("grupoEditGuardarButton");
    EXPECT_TRUE(Dialogs().Shown().empty()) << "a text of blanks is not empty";

    EXPECT_EQ(StoredElements(kResponsable, cuil), (QStringList{"rol",
                                                               "nombre",
                                                               "apellido",
                                                               "tipoDocumento",
                                                               "nroDocumento",
                                                               "sexo",
                                                               "paisNacimiento",
                                                               "provinciaNacimiento",
                                                               "fechaNacimiento",
                                                               "estadoCivil",
                                                               "laboralPais",
                                                               "laboralProvincia",
                                                               "laboralLocalidad",
                                                               "laboralCodPostal",
                                                               "laboralCalle",
                                                               "laboralTelefono",
                                                               "laboralEmail",
                                                               "particularTelefono",
                                                               "particularEmail",
                                                               "curricularCV",
                                                               "curricularTitulo",
                                                               "curricularFormacion",
                                                               "curricularActividades",
                                                               "curricularArea",
                                                               "empleador1Organizacion",
                                                               "empleador1Cargo",
                                                               "empleador1Dedicacion",
                                                               "empleador1FechaInicio",
                                                               "empleador2Dedicacion",
                                                               "empleador2FechaInicio",
                                                               "empleador3Dedicacion",
                                                               "empleador3FechaInicio",
                                                               "empleador4Cargo",
                                                               "empleador4Dedicacion",
                                                               "empleador4FechaInicio",
                                                               "empleador5Dedicacion",
                                                               "empleador5FechaInicio"}));
    const struct {
        const char* field;
        QString value;
    } values[] = {
        {"nombre", "  "},
        {"provinciaNacimiento", "Córdoba"},
        {"fechaNacimiento", "24/12/1980"},
        {"empleador1Dedicacion", "40"},
        {"empleador1FechaInicio", "12/02/2007"},
        {"empleador2Dedicacion", "0"},
        {"empleador3FechaInicio", "01/06/2015"},
        {"empleador4Cargo", "Asesora"},
    };
    for (const auto& v : values)
        EXPECT_EQ(StoredField(kResponsable, cuil, v.field), v.value) << v.field;
    const QString outline = Outline(ReadFile(kProyecto), "gruporesponsable/");
    EXPECT_TRUE(outline.startsWith("gruporesponsable\n  participante cuil=\"" + cuil +
                                   "\"\n"
                                   "    rol\n      \"Investigador Responsable\"\n"))
        << outline.left(200).toStdString();
    EXPECT_FALSE(outline.contains("CDATA"));
    EXPECT_FALSE(outline.contains("code="));

    // The next new person starts with the dates shown last.
    Click("grupoResponsableNuevoButton");
    EXPECT_EQ(Shown("personaFechaNacimientoDateTimePicker"), "24/12/1980");
    EXPECT_EQ(Shown("personaEmpleador3FechaInicioDateTimePicker"), "01/06/2015");
    EXPECT_EQ(Shown("personaEmpleador3DedicacionEdit"), "0");
    EXPECT_EQ(Shown("personaEmpleador4CargoEdit"), "");
}

// Line breaks survive the file; stored ones of any kind show as lines.
TEST_F(PersonaTest, MultiLineTextsKeepTheirLines) {
    const QString cuil = ValidCuil(12345678);
    OpenActive();
    NewPerson(false);
    Enter(
        With(Requeridos(cuil, "Estudiante", "Eva", "Eco"),
             {{"personaCurricularCVMemo", "Primera línea\nSegunda línea\n\nCuarta, tras una vacía"},
              {"personaCurricularAreaMemo", "Área\nde actuación"}}));
    Click("grupoEditGuardarButton");
    EXPECT_EQ(StoredField(kColaborador, cuil, "curricularCV"),
              "Primera línea\nSegunda línea\n\nCuarta, tras una vacía");

    Click("grupoColaboradorEditarButton");
    EXPECT_EQ(Shown("personaCurricularCVMemo"),
              "Primera línea\nSegunda línea\n\nCuarta, tras una vacía");
    EXPECT_EQ(Shown("personaCurricularAreaMemo"), "Área\nde actuación");
    EXPECT_EQ(Find<QPlainTextEdit>("personaCurricularCVMemo")->document()->blockCount(), 4);
    Click("grupoEditCancelarButton");

    // Written by another program with carriage returns.
    {
        TXMLProject project(PathOf(kProyecto));
        TGrupo group(project, kColaborador);
        group.SelectParticipante(cuil);
        group.SetField("curricularCV", "Uno\r\nDos\rTres");
        project.Save(true);
    }
    Click("grupoColaboradorEditarButton");
    EXPECT_EQ(Shown("personaCurricularCVMemo"), "Uno\nDos\nTres");
}

// A stored choice is found by its text, letter case aside; a text that is no item shows no
// choice, and "Aplicar" then asks for it.
TEST_F(PersonaTest, StoredChoicesAreFoundByTheirText) {
    const QString cuil = ValidCuil(12345678);
    TFichaPersona ficha;
    ficha.SetCuil(cuil);
    const std::pair<const char*, const char*> values[] = {
        {"rol", "estudiante"},
        {"nombre", "Ema"},
        {"apellido", "Eco"},
        {"tipoDocumento", "DNI"},
        {"nroDocumento", "12345678"},
        {"sexo", "FEMENINO"},
        {"paisNacimiento", "perú"},
        {"fechaNacimiento", "01/01/1990"},
        {"empleador1FechaInicio", "01/01/2010"},
        {"empleador2FechaInicio", "01/01/2010"},
        {"empleador3FechaInicio", "01/01/2010"},
        {"empleador4FechaInicio", "01/01/2010"},
        {"empleador5FechaInicio", "01/01/2010"},
    };
    for (const auto& [campo, valor] : values)
        ficha.SetValor(campo, QString::fromUtf8(valor));
    WriteProject(kColaborador, ficha);
    OpenActive();
    ShowColaboradores();
    Click("grupoColaboradorEditarButton");
    EXPECT_TRUE(Dialogs().Shown().empty());
    EXPECT_EQ(Shown("personaRolComboBox"), "Estudiante");
    EXPECT_EQ(Shown("personaTipoDocumentoComboBox"), "");
    EXPECT_EQ(Shown("personaSexoComboBox"), "Femenino");
    EXPECT_EQ(Shown("personaPaisNacimientoComboBox"), "Perú");
    EXPECT_EQ(Shown("personaFechaNacimientoDateTimePicker"), "01/01/1990");
    // Never stored: empty, and the weekly hours too.
    EXPECT_EQ(Shown("personaEmpleador1DedicacionEdit"), "");

    Dialogs().Answer(TBotonDialogo::Aceptar);
    Click("grupoEditGuardarButton");
    EXPECT_EQ(Dialogs().Texts(TClase::Mensaje),
              QStringList{"Todos los campos son requeridos. Debe ingresar un Tipo de Documento"});
}

} // namespace
