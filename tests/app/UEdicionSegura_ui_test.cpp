// What the verified state means after edits, persons and attachments, across restarts; values
// longer than the input limits; editors still open when the project is stored; the person page
// in the default window; every field's accessible name.
#include "ui_support/UInstalacionMuestra.h"
#include "ui_support/UListaDesplegable.h"
#include "ui_support/UPruebaEnvio.h"
#include "ui_support/UPruebaGrupos.h"
#include "ui_support/UTeclado.h"

#include "document/UXMLProject.h"
#include "widgets/UNombresAccesibles.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>

namespace {

using TClase = TDialogoMostrado::TClase;

const QString kProyecto = QStringLiteral("proyecto.xml");
const QString kIsDraft = QStringLiteral("project/document/isDraft/");
const QString kResponsable = QStringLiteral("Investigador Responsable");
const QString kGuardado = QStringLiteral("El estado del formulario ha sido guardado.");

class EdicionSeguraTest : public TPruebaGrupos {
  protected:
    void SetUp() override {
        TPruebaGrupos::SetUp();
        ASSERT_TRUE(CopySampleInstallation(PathOf(QString())));
    }
    void WriteVerifiedProject() { WriteCompleteProjectInto(PathOf(QString()), true, QString()); }
    void Restart() {
        NewDialogs();
        OpenActive();
    }
    QString Flag() { return StoredAttribute(kIsDraft, "value"); }
};

// The group editor's first write into a missing file makes one the next start loads, and every
// stored or removed person clears the stored verification in the same write.
TEST_F(EdicionSeguraTest, GroupEditorWritesSurviveARestart) {
    OpenActive();
    ShowResponsables();
    const QString ana = ValidCuil(27111222);
    AddPerson(Requeridos(ana, kResponsable, "Ana", "Álvarez"));
    EXPECT_EQ(StoredAttribute("soft/", "version"), "2");
    EXPECT_EQ(Flag(), "0");

    Restart();
    ShowResponsables();
    ASSERT_EQ(GridRows("grupoResponsableStringGrid").size(), 1);
    // The group rules see the stored person: a second responsible is refused.
    Click("grupoResponsableNuevoButton");
    Enter(Requeridos(ValidCuil(20333444), kResponsable, "Bruno", "Bravo"));
    Click("grupoEditGuardarButton");
    EXPECT_EQ(Dialogs().Texts(TClase::Error), QStringList{"Ya existe un " + kResponsable});
}

TEST_F(EdicionSeguraTest, StoringOrRemovingAPersonClearsTheStoredVerification) {
    for (const bool remove : {false, true}) {
        SCOPED_TRACE(remove ? "remove" : "store");
        WriteVerifiedProject();
        Restart();
        ASSERT_TRUE(Form().IsVerified());
        ShowColaboradores();
        if (remove) {
            ShowResponsables();
            SelectGridRow("grupoResponsableStringGrid", 0);
            Click("grupoResponsableEliminarButton");
        } else {
            AddPerson(Requeridos(ValidCuil(20444555), "Estudiante", "Carla", "Cruz"));
        }
        EXPECT_FALSE(Form().IsVerified());
        EXPECT_EQ(Flag(), "0");
        Restart();
        EXPECT_FALSE(Form().IsVerified());
    }
}

// Another technical description clears the verification in the window and in the file.
TEST_F(EdicionSeguraTest, AttachingAnotherFileClearsTheVerification) {
    WriteVerifiedProject();
    ASSERT_TRUE(QDir(PathOf(QString())).mkpath("origen"));
    WriteFile("origen/otra.pdf", "%PDF-1.4\notra\n");
    OpenActive();
    ASSERT_TRUE(Form().IsVerified());
    ClickToolButton("descripcionTecnicaToolButton");
    Dialogs().Answer(TBotonDialogo::Aceptar);
    Dialogs().AnswerPath(PathOf("origen/otra.pdf"));
    ClickWidget(Find<QWidget>("Button4"));
    EXPECT_FALSE(Form().IsVerified());
    EXPECT_EQ(Flag(), "0");
}

// Any change the user makes to a field after a verification clears it in the window; opening
// and cancelling a person changes nothing.
TEST_F(EdicionSeguraTest, EditingAFieldClearsTheVerification) {
    const std::pair<const char*, std::function<void()>> edits[] = {
        {"title",
         [this] {
             ClickSection(1);
             auto* titulo = Find<QLineEdit>("tituloEdit");
             ClickWidget(titulo);
             TypeText(titulo, "x");
         }},
        {"province",
         [this] {
             ClickSection(1);
             PickItem(Find<QComboBox>("provinciaComboBox"), "Salta");
         }},
        {"summary",
         [this] {
             ClickSection(2);
             auto* memo = Find<QPlainTextEdit>("resumenDelProyectoMemo");
             ClickWidget(memo);
             TypeText(memo, "y");
         }},
    };
    for (const auto& [name, edit] : edits) {
        SCOPED_TRACE(name);
        WriteVerifiedProject();
        const QByteArray stored = ReadFile(kProyecto);
        Restart();
        ASSERT_TRUE(Form().IsVerified());
        edit();
        EXPECT_FALSE(Form().IsVerified());
        EXPECT_EQ(ReadFile(kProyecto), stored);
    }
}

// Stored values longer than what may be typed are shown and stored whole; a paste over a limit
// is cut and said so.
TEST_F(EdicionSeguraTest, StoredValuesAreNeverCutByInputLimits) {
    WriteCompleteProjectInto(PathOf(QString()), false, QString());
    const QString title(300, QLatin1Char('t'));
    const QString siglas(40000, QLatin1Char('s'));
    {
        TXMLProject project(PathOf(kProyecto));
        project.SetCData("project/document/properties/title/", title);
        project.SetCData("beneficiaria/document/properties/denominacion/", siglas);
        project.GetNode("gruporesponsable/")
            .Child(0)
            .FirstChild("nroDocumento")
            .RemoveAllChildren();
        project.AppendText(project.GetNode("gruporesponsable/").Child(0).FirstChild("nroDocumento"),
                           "1234567890");
        project.Save(true);
        project.Release();
    }
    OpenActive();
    EXPECT_EQ(Find<QLineEdit>("tituloEdit")->text(), title);
    EXPECT_EQ(Find<QLineEdit>("benSiglasEdit")->text(), siglas);
    ClickToolButton("GuardarToolButton");
    EXPECT_EQ(StoredText("project/document/properties/title/"), title);
    EXPECT_EQ(StoredText("beneficiaria/document/properties/denominacion/"), siglas);

    ShowResponsables();
    SelectGridRow("grupoResponsableStringGrid", 0);
    // The stored responsible has no birth date: the load stops there, after the number.
    Dialogs().Answer(TBotonDialogo::Aceptar);
    Click("grupoResponsableEditarButton");
    EXPECT_EQ(Shown("personaNroDocumentoEdit"), "1234567890");

    NewDialogs();
    ClickSection(1);
    auto* titulo = Find<QLineEdit>("tituloEdit");
    ClickWidget(titulo);
    titulo->clear();
    QGuiApplication::clipboard()->setText(title);
    QTest::keyClick(titulo, Qt::Key_V, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(titulo->text(), title.left(256));
    EXPECT_EQ(Dialogs().Texts(TClase::Informacion),
              QStringList{"El texto pegado supera el máximo de 256 caracteres del campo: se "
                          "omitieron sus últimos 44 caracteres."});
    // One character typed at the limit is simply not taken.
    TypeText(titulo, "z");
    EXPECT_EQ(titulo->text(), title.left(256));
    EXPECT_EQ(Dialogs().Texts(TClase::Informacion).size(), 1);
}

// A limited field shows its count under it while it has the focus or is over 90 % full, in
// the regional number format.
TEST_F(EdicionSeguraTest, LimitedFieldsShowTheirCount) {
    OpenActive();
    ShowResponsables();
    Click("grupoResponsableNuevoButton");
    auto* cv = Find<QPlainTextEdit>("personaCurricularCVMemo");
    auto* contador = Find<QLabel>("personaCurricularCVMemoContador");
    Find<QScrollArea>("ScrollBox8")->ensureWidgetVisible(cv);
    EXPECT_FALSE(contador->isVisible());
    ClickWidget(cv);
    TypeText(cv, "Bióloga");
    EXPECT_TRUE(contador->isVisible());
    EXPECT_EQ(contador->text(), "7 / 12.000");
    ClickWidget(Find<QWidget>("personaNombreEdit"));
    EXPECT_FALSE(contador->isVisible()) << "far from full and left";

    cv->setPlainText(QString(10850, QLatin1Char('x')));
    ClickWidget(cv);
    TypeText(cv, "y");
    ClickWidget(Find<QWidget>("personaNombreEdit"));
    EXPECT_TRUE(contador->isVisible()) << "over 90 % full";
    EXPECT_EQ(contador->text(), "10.851 / 12.000");

    ClickSection(1);
    auto* titulo = Find<QLineEdit>("tituloEdit");
    ClickWidget(titulo);
    EXPECT_EQ(Find<QLabel>("tituloEditContador")->text(), "0 / 256");
    EXPECT_TRUE(Find<QLabel>("tituloEditContador")->isVisible());
}

// "Guardar" with a person open asks first: "&Cancelar" goes back, "&Si" applies with every
// check (a failing one keeps the editor and stores nothing), "&No" drops it.
TEST_F(EdicionSeguraTest, StoringWithAPersonOpenAsksToApplyIt) {
    OpenActive();
    ShowResponsables();
    Click("grupoResponsableNuevoButton");
    Enter({{"personaNombreEdit", "Dora"}});

    Dialogs().Answer(TBotonDialogo::Cancelar);
    ClickToolButton("GuardarToolButton");
    EXPECT_TRUE(PersonPageShown());
    EXPECT_FALSE(Exists(kProyecto));

    Dialogs().Answer(TBotonDialogo::Si);
    Dialogs().Answer(TBotonDialogo::Aceptar); // the first required field is missing
    ClickToolButton("GuardarToolButton");
    EXPECT_TRUE(PersonPageShown());
    EXPECT_EQ(Shown("personaNombreEdit"), "Dora");
    EXPECT_FALSE(Exists(kProyecto));
    EXPECT_TRUE(Dialogs().Texts(TClase::Informacion).isEmpty());

    Dialogs().Answer(TBotonDialogo::No);
    ClickToolButton("GuardarToolButton");
    EXPECT_FALSE(PersonPageShown());
    EXPECT_EQ(Dialogs().Texts(TClase::Informacion), QStringList{kGuardado});
    EXPECT_EQ(StoredRows("gruporesponsable"), QStringList());

    NewDialogs();
    Click("grupoResponsableNuevoButton");
    const QString elena = ValidCuil(27555666);
    Enter(Requeridos(elena, kResponsable, "Elena", "Eguía"));
    Dialogs().Answer(TBotonDialogo::Si);
    ClickToolButton("GuardarToolButton");
    EXPECT_FALSE(PersonPageShown());
    EXPECT_EQ(StoredRows("gruporesponsable").size(), 1);
    EXPECT_EQ(Dialogs().Texts(TClase::Informacion), QStringList{kGuardado});
}

// Closing with a person open asks about it before the question about saving the form.
TEST_F(EdicionSeguraTest, ClosingWithAPersonOpenAsksAboutItFirst) {
    OpenActive();
    ShowResponsables();
    Click("grupoResponsableNuevoButton");
    Enter({{"personaNombreEdit", "Fabia"}});
    Dialogs().Answer(TBotonDialogo::Cancelar);
    EXPECT_FALSE(Form().close());
    EXPECT_TRUE(PersonPageShown());
    Dialogs().Answer(TBotonDialogo::No);
    Dialogs().Answer(TBotonDialogo::No);
    EXPECT_TRUE(Form().close());
    const QStringList asked = Dialogs().Texts(TClase::Mensaje);
    ASSERT_EQ(asked.size(), 3);
    EXPECT_EQ(asked.at(1), asked.at(0));
    EXPECT_EQ(asked.at(2), "¿Desea guardar el formulario antes de salir?.");
    EXPECT_FALSE(Exists(kProyecto));
}

// "Cancelar" leaves the person page even while a whole-number field holds something else.
TEST_F(EdicionSeguraTest, CancelarAlwaysCancels) {
    OpenActive();
    ShowResponsables();
    Click("grupoResponsableNuevoButton");
    auto* dedicacion = Find<QLineEdit>("personaEmpleador1DedicacionEdit");
    Find<QScrollArea>("ScrollBox8")->ensureWidgetVisible(dedicacion);
    ClickWidget(dedicacion);
    dedicacion->selectAll();
    TypeText(dedicacion, "diez");
    ASSERT_TRUE(dedicacion->hasFocus());
    Click("grupoEditCancelarButton");
    EXPECT_FALSE(PersonPageShown());
    EXPECT_TRUE(Dialogs().Shown().empty());
}

// In the window's default size every field of the person page is whole in view, with vertical
// scrolling only.
TEST_F(EdicionSeguraTest, PersonPageFitsTheDefaultWindow) {
    OpenActive();
    ASSERT_EQ(Form().size(), QSize(800, 600));
    ShowResponsables();
    Click("grupoResponsableNuevoButton");
    auto* scroll = Find<QScrollArea>("ScrollBox8");
    QCoreApplication::processEvents();
    const int width = scroll->viewport()->width();
    for (QWidget* field : scroll->widget()->findChildren<QWidget*>()) {
        if (!TNombresAccesibles::EsCampo(field))
            continue;
        SCOPED_TRACE(field->objectName().toStdString());
        const QRect shown(field->mapTo(scroll->widget(), QPoint(0, 0)), field->size());
        EXPECT_GE(shown.left(), 0);
        EXPECT_LE(shown.right(), width);
        EXPECT_GE(field->width(), field->minimumSizeHint().width());
    }
}

// Every field of every page is announced by its label, never nameless nor by its section.
TEST_F(EdicionSeguraTest, EveryFieldIsNamedByItsLabel) {
    OpenActive();
    QStringList sections;
    for (const QGroupBox* box : Form().findChildren<QGroupBox*>()) {
        int fields = 0;
        for (const QWidget* child : box->findChildren<QWidget*>())
            fields += TNombresAccesibles::EsCampo(child) ? 1 : 0;
        if (fields > 1)
            sections.append(box->title());
    }
    ASSERT_TRUE(sections.contains("Identificación"));
    int checked = 0;
    for (QWidget* field : Form().findChildren<QWidget*>()) {
        if (!TNombresAccesibles::EsCampo(field))
            continue;
        SCOPED_TRACE(field->objectName().toStdString());
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(field);
        ASSERT_NE(accessible, nullptr);
        const QString name = accessible->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty());
        EXPECT_FALSE(sections.contains(name)) << name.toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 80);
    EXPECT_EQ(Find<QWidget>("personaCuilEdit")->accessibleName(), "CUIT/CUIL  (sin guiones)");
    EXPECT_EQ(Find<QWidget>("benCuitEdit")->accessibleName(), "CUIT/CUIL  (sin guiones)");
    EXPECT_EQ(Find<QWidget>("personaFechaNacimientoDateTimePicker")->accessibleName(),
              "Fecha Nacimiento");
}

class WrapperRotoTest : public TPruebaEnvio {};

// A "wrapper.xml" that does not parse is reported, opens nothing and ends nothing.
TEST_F(WrapperRotoTest, ABrokenWrapperIsReportedAndTheWindowGoesOn) {
    WriteCompleteProject(true, PathOf(QString()));
    WriteFile("wrapper.xml", "<wrapper><ejecutar></wrapper>");
    Open();
    ClickToolButton("CaratulaToolButton");
    QTest::qWait(50);
    ASSERT_EQ(Dialogs().Texts(TClase::Error).size(), 1);
    EXPECT_TRUE(Opened().empty());
    EXPECT_TRUE(Exists("caratula.htm"));

    ClickToolButton("ExportarToolButton");
    ClickWidget(Find<QWidget>("abrirExportarFolderButton"));
    EXPECT_EQ(Dialogs().Texts(TClase::Error).size(), 2);
    EXPECT_TRUE(Opened().empty());
    EXPECT_TRUE(Form().isVisible());
}

} // namespace
