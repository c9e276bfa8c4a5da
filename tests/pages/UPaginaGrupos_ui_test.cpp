// The two group lists through the main window: persons added, edited and removed in both
// groups with "proyecto.xml" written at once, the refusals of "Aplicar", a person that cannot
// be loaded, a large group and a file that cannot be written.
#include "ui_support/UPruebaGrupos.h"

#include "document/UCarpetaTrabajo.h"
#include "document/UXMLProject.h"
#include "form/UFichaPersona.h"
#include "form/UGrupo.h"
#include "pages/UGrillaGrupo.h"
#include "pages/UPaginaGrupos.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

using TClase = TDialogoMostrado::TClase;

const QString kResponsable = QStringLiteral("gruporesponsable");
const QString kColaborador = QStringLiteral("grupocolaborador");
const QString kProyecto = QStringLiteral("proyecto.xml");
const char* const kResponsableGrid = "grupoResponsableStringGrid";
const char* const kColaboradorGrid = "grupoColaboradorStringGrid";
const QString kInvestigadorResponsable = QStringLiteral("Investigador Responsable");
const QString kIntegrante = QStringLiteral("Investigador Integrante");

QString Row(const QString& cuil, const QString& rol, const QString& nombre,
            const QString& apellido) {
    return QStringList{cuil, rol, nombre, apellido}.join(QLatin1Char('|'));
}

// A stored person as the person page writes it, with the dates the page shows at first.
TFichaPersona Ficha(const QString& cuil, const QString& rol, const QString& nombre,
                    const QString& apellido, const QString& estadoCivil = "Casado/a") {
    TFichaPersona ficha;
    ficha.SetCuil(cuil);
    const std::pair<const char*, QString> values[] = {
        {"rol", rol},
        {"nombre", nombre},
        {"apellido", apellido},
        {"tipoDocumento", "Pasaporte"},
        {"nroDocumento", cuil.mid(2, 8)},
        {"sexo", "Masculino"},
        {"paisNacimiento", "Chile"},
        {"provinciaNacimiento", "No Aplica"},
        {"fechaNacimiento", "05/11/1975"},
        {"estadoCivil", estadoCivil},
        {"laboralPais", "Argentina"},
        {"laboralProvincia", "Salta"},
        {"laboralLocalidad", "Salta " + nombre},
        {"laboralCodPostal", "4400"},
        {"laboralCalle", "Bolivia 5150"},
        {"laboralTelefono", "0387 4255000"},
        {"laboralEmail", "laboral@unsa.edu.ar"},
        {"particularTelefono", "0387 156000000"},
        {"particularEmail", "particular@correo.com"},
        {"curricularCV", "Primera línea del CV de " + nombre + "\nSegunda línea"},
        {"curricularTitulo", "Maestría"},
        {"curricularFormacion", "Magíster en Química"},
        {"curricularActividades", "Dirección de becarios"},
        {"curricularArea", "Química analítica"},
        {"empleador1Organizacion", "UNSa"},
        {"empleador1Cargo", "JTP"},
        {"empleador1Dedicacion", "20"},
        {"empleador1FechaInicio", "01/03/2001"},
    };
    for (const auto& [campo, valor] : values)
        ficha.SetValor(QString::fromLatin1(campo), valor);
    for (int n = 2; n <= 5; ++n) {
        ficha.SetValor(TFichaPersona::CampoEmpleador(n, "Dedicacion"), "0");
        ficha.SetValor(TFichaPersona::CampoEmpleador(n, "FechaInicio"), "12/02/2007");
    }
    return ficha;
}

class GruposTest : public TPruebaGrupos {
  protected:
    // A project of format version 2 holding the persons, as the program would have stored
    // them one by one.
    void WriteProject(const QList<QPair<QString, TFichaPersona>>& persons) {
        TXMLProject project(PathOf(kProyecto));
        project.SetAttribute("soft/", "version", "2");
        for (const auto& [grupo, ficha] : persons) {
            TGrupo group(project, grupo);
            ficha.Store(group);
        }
        project.Save(true);
        QFile::remove(PathOf(kProyecto + ".bak"));
    }
    // Removes or replaces one field element of a stored person.
    void ChangeStoredField(const QString& grupo, const QString& cuil, const QString& field,
                           const QString* value) {
        TXMLProject project(PathOf(kProyecto));
        TGrupo group(project, grupo);
        group.SelectParticipante(cuil);
        TXMLNode element = group.Participante().FirstChild(field);
        ASSERT_FALSE(element.IsNull()) << field.toStdString();
        if (value == nullptr)
            group.Participante().RemoveChild(element);
        else
            group.SetField(field, *value);
        project.Save(true);
        QFile::remove(PathOf(kProyecto + ".bak"));
    }
    void DoubleClickRow(const char* name, int row) {
        auto* grid = Find<QTableWidget>(name);
        const QPoint point = grid->visualRect(grid->model()->index(row, 2)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, point);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, point);
    }
    // The message dialog of a refusal or a failure, answered with its only button.
    void ExpectCaptioned(const QString& text, const QString& title) {
        const std::vector<TDialogoMostrado>& shown = Dialogs().Shown();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].clase, TClase::Mensaje);
        EXPECT_EQ(shown[0].text, text);
        EXPECT_EQ(shown[0].title, title);
        EXPECT_EQ(shown[0].kind, TTipoDialogo::Error);
        EXPECT_EQ(shown[0].captions, QStringList{"Aceptar"});
        EXPECT_EQ(shown[0].buttons, TBotonesDialogo(TBotonDialogo::Aceptar));
    }
};

TEST_F(GruposTest, EmptyListsShowTheirHeadersAndOneBlankRow) {
    OpenActive();
    ShowResponsables();
    EXPECT_EQ(ShownSheet(), "grupoResponsableTabSheet");
    EXPECT_EQ(Find<QLabel>("seccionLabel")->text(), "Conformación del Grupo Responsable");
    EXPECT_FALSE(Find<QTabWidget>("grupoPageControl")->tabBar()->isVisible());
    for (const char* name : {kResponsableGrid, kColaboradorGrid}) {
        SCOPED_TRACE(name);
        auto* grid = Find<QTableWidget>(name);
        QStringList headers;
        QList<int> widths;
        for (int column = 0; column < grid->columnCount(); ++column) {
            headers.append(grid->horizontalHeaderItem(column)->text());
            widths.append(grid->columnWidth(column));
        }
        EXPECT_EQ(headers, (QStringList{"Cuil", "Rol", "Nombres", "Apellido"}));
        EXPECT_EQ(widths, (QList<int>{80, 130, 150, 150}));
        EXPECT_EQ(GridRows(name), QStringList{"|||"});
        EXPECT_EQ(grid->toolTip(), "Haga doble click para editar los datos de esta persona");
    }
    ShowColaboradores();
    EXPECT_EQ(ShownSheet(), "grupoColaboradorTabSheet");
    EXPECT_EQ(Find<QLabel>("seccionLabel")->text(), "Conformación del Grupo Colaborador");

    // Editing an empty group does nothing.
    Click("grupoColaboradorEditarButton");
    DoubleClickRow(kColaboradorGrid, 0);
    EXPECT_EQ(ShownSheet(), "grupoColaboradorTabSheet");
    EXPECT_FALSE(Exists(kProyecto));

    // Removing from an empty group removes nothing, but writes the file all the same and
    // leaves the project unverified.
    Form().SetVerified(true);
    Click("grupoColaboradorEliminarButton");
    EXPECT_TRUE(Exists(kProyecto));
    EXPECT_FALSE(Form().IsVerified());
    EXPECT_EQ(GridRows(kColaboradorGrid), QStringList{"|||"});
    EXPECT_TRUE(StoredRows(kColaborador).isEmpty());
    EXPECT_TRUE(Dialogs().Shown().empty());
}

TEST_F(GruposTest, AddEditAndRemoveInBothGroupsWritesTheFileAtOnce) {
    const QString ana = ValidCuil(11111111);
    const QString berta = ValidCuil(22222222);
    const QString carlos = ValidCuil(33333333);
    OpenActive();

    // The first person takes the blank row.
    ShowResponsables();
    Form().SetVerified(true);
    AddPerson(Requeridos(ana, kInvestigadorResponsable, "Ana", "Álvarez"));
    EXPECT_FALSE(Form().IsVerified());
    const QString anaRow = Row(ana, kInvestigadorResponsable, "Ana", "Álvarez");
    EXPECT_EQ(GridRows(kResponsableGrid), QStringList{anaRow});
    EXPECT_EQ(StoredRows(kResponsable), QStringList{anaRow});
    EXPECT_EQ(StoredRows(kColaborador), QStringList());
    EXPECT_EQ(ShownSheet(), "grupoResponsableTabSheet");

    // The second one gets a new row, which becomes the selected one.
    Form().SetVerified(true);
    AddPerson(Requeridos(berta, kIntegrante, "Berta", "Benítez"));
    EXPECT_FALSE(Form().IsVerified());
    QString bertaRow = Row(berta, kIntegrante, "Berta", "Benítez");
    EXPECT_EQ(GridRows(kResponsableGrid), (QStringList{anaRow, bertaRow}));
    EXPECT_EQ(SelectedGridRow(kResponsableGrid), 1);
    EXPECT_EQ(StoredRows(kResponsable), (QStringList{anaRow, bertaRow}));

    ShowColaboradores();
    AddPerson(Requeridos(carlos, "Estudiante", "Carlos", "Castro"));
    QString carlosRow = Row(carlos, "Estudiante", "Carlos", "Castro");
    EXPECT_EQ(GridRows(kColaboradorGrid), QStringList{carlosRow});
    EXPECT_EQ(StoredRows(kColaborador), QStringList{carlosRow});
    EXPECT_EQ(StoredRows(kResponsable), (QStringList{anaRow, bertaRow}));
    EXPECT_EQ(GridRows(kResponsableGrid), (QStringList{anaRow, bertaRow}));

    // Editing shows what was stored; CUIL and the rol of the responsible group stay fixed.
    ShowResponsables();
    SelectGridRow(kResponsableGrid, 1);
    Click("grupoResponsableEditarButton");
    ASSERT_TRUE(PersonPageShown());
    for (const auto& [control, value] : Requeridos(berta, kIntegrante, "Berta", "Benítez"))
        EXPECT_EQ(Shown(control), value) << control.toStdString();
    EXPECT_FALSE(Find<QLineEdit>("personaCuilEdit")->isEnabled());
    EXPECT_FALSE(Find<QComboBox>("personaRolComboBox")->isEnabled());
    Enter({{"personaApellidoEdit", "Benítez Paz"}, {"personaEmpleador2OrganizacionEdit", "INTA"}});
    Form().SetVerified(true);
    Click("grupoEditGuardarButton");
    EXPECT_TRUE(Dialogs().Shown().empty());
    EXPECT_FALSE(Form().IsVerified());
    EXPECT_TRUE(Find<QLineEdit>("personaCuilEdit")->isEnabled());
    EXPECT_TRUE(Find<QComboBox>("personaRolComboBox")->isEnabled());
    bertaRow = Row(berta, kIntegrante, "Berta", "Benítez Paz");
    EXPECT_EQ(GridRows(kResponsableGrid), (QStringList{anaRow, bertaRow}));
    EXPECT_EQ(StoredRows(kResponsable), (QStringList{anaRow, bertaRow}));
    // A field stored for the first time is added after the fields the person has.
    EXPECT_EQ(StoredElements(kResponsable, berta).last(), "empleador2Organizacion");
    EXPECT_EQ(StoredField(kResponsable, berta, "empleador2Organizacion"), "INTA");

    // A collaborator opened with a double click may change its rol.
    ShowColaboradores();
    DoubleClickRow(kColaboradorGrid, 0);
    ASSERT_TRUE(PersonPageShown());
    EXPECT_EQ(Shown("personaNombreEdit"), "Carlos");
    EXPECT_TRUE(Find<QComboBox>("personaRolComboBox")->isEnabled());
    Enter({{"personaRolComboBox", "Investigador"}});
    Click("grupoEditGuardarButton");
    carlosRow = Row(carlos, "Investigador", "Carlos", "Castro");
    EXPECT_EQ(GridRows(kColaboradorGrid), QStringList{carlosRow});
    EXPECT_EQ(StoredRows(kColaborador), QStringList{carlosRow});

    // A field filled once and then emptied keeps its element, empty.
    ShowResponsables();
    SelectGridRow(kResponsableGrid, 1);
    Click("grupoResponsableEditarButton");
    Enter({{"personaEmpleador2OrganizacionEdit", ""}});
    Click("grupoEditGuardarButton");
    EXPECT_TRUE(StoredElements(kResponsable, berta).contains("empleador2Organizacion"));
    EXPECT_EQ(StoredField(kResponsable, berta, "empleador2Organizacion"), "");

    // Removing rebuilds the list from the file, with its last row selected.
    SelectGridRow(kResponsableGrid, 0);
    Form().SetVerified(true);
    Click("grupoResponsableEliminarButton");
    EXPECT_FALSE(Form().IsVerified());
    EXPECT_EQ(GridRows(kResponsableGrid), QStringList{bertaRow});
    EXPECT_EQ(StoredRows(kResponsable), QStringList{bertaRow});
    EXPECT_EQ(StoredRows(kColaborador), QStringList{carlosRow});
    EXPECT_EQ(SelectedGridRow(kResponsableGrid), 0);
    EXPECT_TRUE(Dialogs().Shown().empty());

    // The last one leaves the blank row.
    Click("grupoResponsableEliminarButton");
    EXPECT_EQ(GridRows(kResponsableGrid), QStringList{"|||"});
    EXPECT_EQ(StoredRows(kResponsable), QStringList());

    // A new window shows what the file holds.
    ClickToolButton("GuardarToolButton");
    NewDialogs();
    OpenActive();
    EXPECT_EQ(GridRows(kColaboradorGrid), QStringList{carlosRow});
    EXPECT_EQ(GridRows(kResponsableGrid), QStringList{"|||"});
}

// Every refusal names its reason and leaves file, lists and the typed page as they were.
TEST_F(GruposTest, RefusalsShowTheirDialogAndWriteNothing) {
    const QString responsable = ValidCuil(10000001);
    const QString colaborador = ValidCuil(10000002);
    const QString nuevo = ValidCuil(10000003);
    WriteProject({{kResponsable, Ficha(responsable, kInvestigadorResponsable, "Rita", "Ruiz")},
                  {kColaborador, Ficha(colaborador, "Estudiante", "Ciro", "Cano")}});
    const QByteArray file = ReadFile(kProyecto);
    OpenActive();
    const QStringList responsables = GridRows(kResponsableGrid);
    const QStringList colaboradores = GridRows(kColaboradorGrid);
    const QString sinCampo = "Todos los campos son requeridos. ";
    const QString duplicado = "Ya existe una persona con ese cuil en el Grupo ";

    const struct {
        const char* name;
        bool enResponsable;
        TValores valores;
        TClase clase;
        QString text;
        QString title;
    } cases[] = {
        {"nothing typed",
         true,
         {},
         TClase::Mensaje,
         sinCampo + "Debe ingresar el Cuil",
         "Campo de texto vacío."},
        {"no rol", true,
         With(Requeridos(nuevo, kIntegrante, "N", "N"), {{"personaRolComboBox", ""}}),
         TClase::Mensaje, sinCampo + "Debe ingresar un Rol", "Campo de texto vacío."},
        {"CUIL with dashes", true,
         Requeridos("20-10000003-" + nuevo.right(1), kIntegrante, "N", "N"), TClase::Error,
         "El cuil ingresado no es válido", ""},
        {"wrong check digit", true,
         Requeridos(nuevo.left(10) + QString::number((nuevo.right(1).toInt() + 1) % 10),
                    kIntegrante, "N", "N"),
         TClase::Error, "El cuil ingresado no es válido", ""},
        {"second responsible", true, Requeridos(nuevo, kInvestigadorResponsable, "N", "N"),
         TClase::Error, "Ya existe un Investigador Responsable", ""},
        {"second responsible with a used CUIL", true,
         Requeridos(colaborador, kInvestigadorResponsable, "N", "N"), TClase::Error,
         "Ya existe un Investigador Responsable", ""},
        {"collaborator's CUIL in the responsible group", true,
         Requeridos(colaborador, kIntegrante, "N", "N"), TClase::Mensaje, duplicado + "Colaborador",
         "Cuit duplicado"},
        {"responsible's CUIL in the collaborating group", false,
         Requeridos(responsable, "Estudiante", "N", "N"), TClase::Mensaje,
         duplicado + "Responsable", "Cuit duplicado"},
        {"collaborator's CUIL again", false, Requeridos(colaborador, "Estudiante", "N", "N"),
         TClase::Mensaje, duplicado + "Colaborador", "Cuit duplicado"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NewDialogs();
        if (c.enResponsable)
            ShowResponsables();
        else
            ShowColaboradores();
        Click(c.enResponsable ? "grupoResponsableNuevoButton" : "grupoColaboradorNuevoButton");
        Enter(c.valores);
        if (c.clase == TClase::Mensaje)
            Dialogs().Answer(TBotonDialogo::Aceptar);
        Click("grupoEditGuardarButton");

        if (c.clase == TClase::Mensaje) {
            ExpectCaptioned(c.text, c.title);
        } else {
            EXPECT_EQ(Dialogs().Texts(TClase::Error), QStringList{c.text});
            EXPECT_EQ(Dialogs().Shown().size(), 1u);
        }
        EXPECT_TRUE(PersonPageShown());
        for (const auto& [control, value] : c.valores)
            EXPECT_EQ(Shown(control), value) << control.toStdString();
        EXPECT_EQ(ReadFile(kProyecto), file);
        EXPECT_FALSE(Exists(kProyecto + ".bak"));
        EXPECT_EQ(GridRows(kResponsableGrid), responsables);
        EXPECT_EQ(GridRows(kColaboradorGrid), colaboradores);
        Click("grupoEditCancelarButton");
    }
}

// The one "Investigador Responsable": refused while the list shows one, accepted once it is
// removed.
TEST_F(GruposTest, ARemovedResponsibleCanBeReplaced) {
    const QString rita = ValidCuil(10000001);
    const QString nora = ValidCuil(10000004);
    WriteProject({{kResponsable, Ficha(rita, kInvestigadorResponsable, "Rita", "Ruiz")}});
    OpenActive();
    ShowResponsables();
    Click("grupoResponsableNuevoButton");
    Enter(Requeridos(nora, kInvestigadorResponsable, "Nora", "Núñez"));
    Click("grupoEditGuardarButton");
    EXPECT_EQ(Dialogs().Texts(TClase::Error), QStringList{"Ya existe un Investigador Responsable"});
    Click("grupoEditCancelarButton");

    Click("grupoResponsableEliminarButton");
    NewDialogs();
    AddPerson(Requeridos(nora, kInvestigadorResponsable, "Nora", "Núñez"));
    EXPECT_EQ(StoredRows(kResponsable),
              QStringList{Row(nora, kInvestigadorResponsable, "Nora", "Núñez")});
    TXMLProject stored(PathOf(kProyecto));
    EXPECT_EQ(TGrupo(stored, kResponsable).GetResponsableDocumento(), nora.mid(2, 8));
}

TEST_F(GruposTest, CancelarLeavesFileAndListsAsTheyWere) {
    const QString rita = ValidCuil(10000001);
    WriteProject({{kResponsable, Ficha(rita, kInvestigadorResponsable, "Rita", "Ruiz")}});
    const QByteArray file = ReadFile(kProyecto);
    OpenActive();
    ShowResponsables();
    const QStringList rows = GridRows(kResponsableGrid);

    Click("grupoResponsableEditarButton");
    Enter({{"personaNombreEdit", "Otra"}, {"personaLaboralLocalidadEdit", "Otra"}});
    Click("grupoEditCancelarButton");
    EXPECT_EQ(ShownSheet(), "grupoResponsableTabSheet");

    Click("grupoResponsableNuevoButton");
    Enter(Requeridos(ValidCuil(10000005), kIntegrante, "Nuevo", "Nuevo"));
    Click("grupoEditCancelarButton");

    // Leaving the page through the section list stores nothing either.
    Click("grupoResponsableNuevoButton");
    Enter(Requeridos(ValidCuil(10000006), kIntegrante, "Otro", "Otro"));
    ShowColaboradores();
    EXPECT_EQ(ShownSheet(), "grupoColaboradorTabSheet");

    EXPECT_EQ(ReadFile(kProyecto), file);
    EXPECT_FALSE(Exists(kProyecto + ".bak"));
    EXPECT_EQ(GridRows(kResponsableGrid), rows);
    EXPECT_EQ(GridRows(kColaboradorGrid), QStringList{"|||"});
    EXPECT_TRUE(Dialogs().Shown().empty());
}

// A stored date that does not convert ends the load there: the page opens with the fields
// before it filled, those after it as they were, and the load error.
TEST_F(GruposTest, APersonWithABrokenDateLoadsUpToThatDate) {
    const QString primera = ValidCuil(10000011);
    const QString rota = ValidCuil(10000012);
    const QString sinFecha = QString();
    const QString malformada = "1975-11-05";
    const QString imposible = "30/02/1975";
    const struct {
        const char* name;
        const char* field;
        const QString* value; // nullptr: the element is removed
        const char* lastLoaded;
        QString lastLoadedValue;
        const char* firstKept;
        QString notLoaded; // what the broken person holds there
        // The lists that every "Editar" fills anew have no choice where the load stopped.
        QString estadoCivil;
    } cases[] = {
        {"birth date removed", "fechaNacimiento", nullptr, "personaProvinciaNacimientoComboBox",
         "No Aplica", "personaLaboralLocalidadEdit", "Salta Rosa", ""},
        {"birth date empty", "fechaNacimiento", &sinFecha, "personaProvinciaNacimientoComboBox",
         "No Aplica", "personaLaboralLocalidadEdit", "Salta Rosa", ""},
        {"birth date in another format", "fechaNacimiento", &malformada,
         "personaProvinciaNacimientoComboBox", "No Aplica", "personaLaboralLocalidadEdit",
         "Salta Rosa", ""},
        {"no such day", "fechaNacimiento", &imposible, "personaProvinciaNacimientoComboBox",
         "No Aplica", "personaLaboralLocalidadEdit", "Salta Rosa", ""},
        {"start of the first employer", "empleador1FechaInicio", &malformada,
         "personaEmpleador1DedicacionEdit", "20", "personaEmpleador2OrganizacionEdit",
         "Otra organización", "Viudo/a"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NewDialogs();
        TFichaPersona otra = Ficha(rota, "Becario Post Grado", "Rosa", "Rey", "Viudo/a");
        otra.SetValor("empleador2Organizacion", "Otra organización");
        WriteProject(
            {{kColaborador, Ficha(primera, "Estudiante", "Pedro", "Paz")}, {kColaborador, otra}});
        ChangeStoredField(kColaborador, rota, c.field, c.value);
        const QByteArray file = ReadFile(kProyecto);
        OpenActive();
        ShowColaboradores();

        // Nothing the first person leaves on the page stays where the load stops.
        SelectGridRow(kColaboradorGrid, 0);
        Click("grupoColaboradorEditarButton");
        ASSERT_TRUE(PersonPageShown());
        Click("grupoEditCancelarButton");

        SelectGridRow(kColaboradorGrid, 1);
        Dialogs().Answer(TBotonDialogo::Aceptar);
        Click("grupoColaboradorEditarButton");
        ExpectCaptioned("Ocurrió un error al cargar los datos del responsable.", "Error");
        EXPECT_TRUE(PersonPageShown());
        EXPECT_FALSE(Find<QLineEdit>("personaCuilEdit")->isEnabled());
        EXPECT_EQ(Shown("personaCuilEdit"), rota);
        EXPECT_EQ(Shown("personaNombreEdit"), "Rosa");
        EXPECT_EQ(Shown(c.lastLoaded), c.lastLoadedValue);
        EXPECT_EQ(Shown(c.firstKept), "");
        EXPECT_EQ(Shown("personaEstadoCivilComboBox"), c.estadoCivil);
        EXPECT_EQ(ReadFile(kProyecto), file) << "loading writes nothing";
        Click("grupoEditCancelarButton");
    }
}

// A group of 300 persons: listed in file order, the duplicate search reaches its last row,
// and removing or adding a person keeps list and file in step.
TEST_F(GruposTest, AGroupOfThreeHundredPersons) {
    QList<QPair<QString, TFichaPersona>> persons;
    QStringList expected;
    for (int i = 0; i < 300; ++i) {
        const QString cuil = ValidCuil(30000000 + i * 37);
        const QString nombre = QStringLiteral("Nombre %1").arg(i);
        persons.append({kColaborador, Ficha(cuil, "Investigador", nombre, "Apellido")});
        expected.append(Row(cuil, "Investigador", nombre, "Apellido"));
    }
    WriteProject(persons);
    OpenActive();
    ShowColaboradores();
    EXPECT_EQ(GridRows(kColaboradorGrid), expected);
    EXPECT_EQ(SelectedGridRow(kColaboradorGrid), 299);

    // The last of them is found from the other group.
    ShowResponsables();
    Click("grupoResponsableNuevoButton");
    Enter(Requeridos(persons.last().second.Cuil(), kIntegrante, "Otro", "Otro"));
    Dialogs().Answer(TBotonDialogo::Aceptar);
    Click("grupoEditGuardarButton");
    ExpectCaptioned("Ya existe una persona con ese cuil en el Grupo Colaborador", "Cuit duplicado");
    Click("grupoEditCancelarButton");
    NewDialogs();

    ShowColaboradores();
    SelectGridRow(kColaboradorGrid, 150);
    Click("grupoColaboradorEditarButton");
    EXPECT_EQ(Shown("personaNombreEdit"), "Nombre 150");
    EXPECT_EQ(Shown("personaLaboralLocalidadEdit"), "Salta Nombre 150");
    Click("grupoEditCancelarButton");

    Click("grupoColaboradorEliminarButton");
    expected.removeAt(150);
    EXPECT_EQ(GridRows(kColaboradorGrid), expected);
    EXPECT_EQ(StoredRows(kColaborador), expected);
    EXPECT_EQ(SelectedGridRow(kColaboradorGrid), 298);

    const QString nueva = ValidCuil(40000000);
    AddPerson(Requeridos(nueva, "Otra Función", "Nueva", "Persona"));
    expected.append(Row(nueva, "Otra Función", "Nueva", "Persona"));
    EXPECT_EQ(GridRows(kColaboradorGrid), expected);
    EXPECT_EQ(StoredRows(kColaborador), expected);
    EXPECT_EQ(SelectedGridRow(kColaboradorGrid), 299);
}

// A file that cannot be written: the error is shown, and neither list nor page change, so the
// list never shows what the file lacks. Once the file can be written, "Aplicar" stores what
// the page still holds.
TEST_F(GruposTest, AFailedWriteLeavesListAndPageAsTheyWere) {
    const QString ana = ValidCuil(11111111);
    const QString berta = ValidCuil(22222222);
    const QString anaRow = Row(ana, kInvestigadorResponsable, "Ana", "Álvarez");
    const QString bertaRow = Row(berta, kIntegrante, "Berta", "Benítez");
    enum class TFalla { CarpetaEnLugarDelArchivo, CarpetaDeTrabajoBorrada };
    for (const TFalla falla : {TFalla::CarpetaEnLugarDelArchivo, TFalla::CarpetaDeTrabajoBorrada}) {
        SCOPED_TRACE(int(falla));
        NewDialogs();
        QFile::remove(PathOf(kProyecto));
        QFile::remove(PathOf(kProyecto + ".bak"));
        OpenActive();
        ShowResponsables();
        AddPerson(Requeridos(ana, kInvestigadorResponsable, "Ana", "Álvarez"));

        QTemporaryDir elsewhere;
        const auto breakFile = [&] {
            if (falla == TFalla::CarpetaEnLugarDelArchivo) {
                ASSERT_TRUE(QFile::rename(PathOf(kProyecto), PathOf("guardado.xml")));
                ASSERT_TRUE(QDir(PathOf(QString())).mkdir(kProyecto));
            } else {
                SetWorkingFolder(elsewhere.path());
                ASSERT_TRUE(elsewhere.remove());
            }
        };
        const auto repairFile = [&] {
            if (falla == TFalla::CarpetaEnLugarDelArchivo) {
                ASSERT_TRUE(QDir(PathOf(QString())).rmdir(kProyecto));
                ASSERT_TRUE(QFile::rename(PathOf("guardado.xml"), PathOf(kProyecto)));
            } else {
                SetWorkingFolder(PathOf(QString()));
            }
        };

        breakFile();
        Form().SetVerified(true);
        Click("grupoResponsableNuevoButton");
        Enter(Requeridos(berta, kIntegrante, "Berta", "Benítez"));
        Click("grupoEditGuardarButton");
        ASSERT_EQ(Dialogs().Texts(TClase::Error).size(), 1);
        EXPECT_FALSE(Dialogs().Texts(TClase::Error).first().isEmpty());
        EXPECT_TRUE(PersonPageShown());
        EXPECT_EQ(Shown("personaNombreEdit"), "Berta");
        EXPECT_EQ(GridRows(kResponsableGrid), QStringList{anaRow});
        EXPECT_TRUE(Form().IsVerified()) << "nothing was stored";

        repairFile();
        EXPECT_EQ(StoredRows(kResponsable), QStringList{anaRow});
        Click("grupoEditGuardarButton");
        EXPECT_EQ(Dialogs().Shown().size(), 1u);
        EXPECT_FALSE(PersonPageShown());
        EXPECT_EQ(GridRows(kResponsableGrid), (QStringList{anaRow, bertaRow}));
        EXPECT_EQ(StoredRows(kResponsable), (QStringList{anaRow, bertaRow}));
        EXPECT_FALSE(Form().IsVerified());

        // Removing fails the same way, and the list keeps the person the file keeps.
        breakFile();
        Form().SetVerified(true);
        SelectGridRow(kResponsableGrid, 0);
        Click("grupoResponsableEliminarButton");
        EXPECT_EQ(Dialogs().Texts(TClase::Error).size(), 2);
        EXPECT_EQ(GridRows(kResponsableGrid), (QStringList{anaRow, bertaRow}));
        EXPECT_TRUE(Form().IsVerified());
        repairFile();
        EXPECT_EQ(StoredRows(kResponsable), (QStringList{anaRow, bertaRow}));
    }
}

} // namespace

// Each row shows the person the editor opens for its CUIL: persons sharing one show the first.
TEST(GrupoGridTest, PersonsSharingACuilListTheFirstOfThem) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath("proyecto.xml"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<import><grupocolaborador>"
               "<participante cuil=\"1\"><rol>Becario</rol><nombre>Ana</nombre>"
               "<apellido>Alba</apellido></participante>"
               "<participante><nombre>Sin</nombre></participante>"
               "<participante cuil=\"1\"><rol>Tesista</rol><nombre>Otra</nombre></participante>"
               "<participante cuil=\"\"><nombre>Vacio</nombre></participante>"
               "</grupocolaborador></import>\r\n");
    file.close();
    TXMLProject project(file.fileName());
    TPaginaGrupos page;
    page.SetupGrupoGrids();
    page.LoadGrupoColaborador(project);

    const TGrillaGrupo* grid = page.grupoColaboradorStringGrid();
    QStringList rows;
    for (int row = 0; row < grid->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < grid->columnCount(); ++column)
            cells.append(grid->Cell(row, column));
        rows.append(cells.join('|'));
    }
    EXPECT_EQ(rows, QStringList({"1|Becario|Ana|Alba", "||Sin|", "1|Becario|Ana|Alba", "||Sin|"}));
    EXPECT_EQ(grid->Count(), 4);
    project.Discard();
}
