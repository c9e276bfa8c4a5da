// Paths on which a user's work used to be lost: an installation file that cannot be read at
// start, a call changed before a restart, a pick of a call whose descriptor is broken, and the
// keys that move between pages whose headers are hidden.
#include "ui_support/UInstalacionMuestra.h"
#include "ui_support/UListaDesplegable.h"
#include "ui_support/UPruebaPresupuesto.h"

#include "ui_support/UTeclado.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

using TClase = TDialogoMostrado::TClase;

const QString kProyecto = QStringLiteral("proyecto.xml");
const QString kBackup = QStringLiteral("proyecto.xml.bak");

class CargaIncompletaTest : public TPruebaPresupuesto {
  protected:
    void SetUp() override {
        TPruebaPresupuesto::SetUp();
        ASSERT_TRUE(CopySampleInstallation(PathOf(QString())));
    }
    void ChooseCall(const QString& caption) {
        ClickSection(0);
        PickItem(Find<QComboBox>("convocatoriaNameComboBox"), caption);
    }
    // A project made through the window: call, title, three years with a line in the first
    // and the last, stored twice so that a ".bak" exists.
    void MakeProject() {
        OpenWith(QLatin1Char(','));
        ChooseCall("ROVA-I-A-2026");
        ClickSection(1);
        TypeText(Find<QLineEdit>("tituloEdit"), "Suelos del NOA");
        ChooseDuration("3");
        AddLine({"Insumos", "Reactivos", "100", "0"});
        ShowYear("3");
        AddLine({"Viajes y viáticos", "Campaña", "300", "0"});
        Save();
        Save();
        NewDialogs();
    }
    // The window made again on the same folder, as at the next start.
    void Restart() {
        NewDialogs();
        OpenWith(QLatin1Char(','));
    }
    bool IncompleteShown() { return !Find<QLabel>("cargaIncompletaLabel")->isHidden(); }
};

// A broken "config.xml" or call descriptor is reported, and everything else still loads; no
// store replaces the project without the user's consent, and "No" leaves "proyecto.xml" and its
// ".bak" byte for byte as they were.
TEST_F(CargaIncompletaTest, ABrokenInstallationFileNeverLeadsToASilentSave) {
    const struct {
        const char* file;
        QByteArray broken;
        // Without a call the duration list keeps its own items, and "3" is found there.
        QStringList years;
    } cases[] = {
        {"config.xml", "<configuracion><bienvenida></configuracion>", {"Año 1", "Año 2", "Año 3"}},
        {"convoc/rova-i-a-2026.xml",
         "<convocatoria><properties></convocatoria>",
         {"Año 1", "Año 2", "Año 3"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        ASSERT_TRUE(CopySampleInstallation(PathOf(QString())));
        QFile::remove(PathOf(kProyecto));
        QFile::remove(PathOf(kBackup));
        MakeProject();
        const QByteArray stored = ReadFile(kProyecto);
        const QByteArray backup = ReadFile(kBackup);
        WriteFile(c.file, c.broken);

        Restart();
        ASSERT_EQ(Dialogs().Texts(TClase::Error).size(), 1);
        EXPECT_TRUE(IncompleteShown());
        EXPECT_TRUE(Form().CargaIncompleta());
        // What does not depend on the broken file is in the pages.
        EXPECT_EQ(Find<QLineEdit>("tituloEdit")->text(), "Suelos del NOA");
        EXPECT_GT(Find<QComboBox>("areaTematicaComboBox")->count(), 1);
        EXPECT_TRUE(Find<QTabWidget>("PageControl")->tabBar()->isHidden());
        EXPECT_EQ(Rows("1").first(), "Insumos|Reactivos|100|0|100");
        EXPECT_EQ(Rows("3").first(), "Viajes y viáticos|Campaña|300|0|300");
        EXPECT_EQ(VisibleYears(), c.years);

        // "No" to each store: "Guardar", "Verificar", and "&Si" on closing.
        NewDialogs();
        Dialogs().Answer(TBotonDialogo::No);
        ClickToolButton("GuardarToolButton");
        Dialogs().Answer(TBotonDialogo::No);
        ClickToolButton("VerificarToolButton");
        Dialogs().Answer(TBotonDialogo::Si);
        Dialogs().Answer(TBotonDialogo::No);
        EXPECT_FALSE(Form().close());
        const QStringList asked = Dialogs().Texts(TClase::Mensaje);
        ASSERT_EQ(asked.size(), 4);
        for (const TDialogoMostrado& dialog : Dialogs().Shown()) {
            if (dialog.text != asked.first())
                continue;
            EXPECT_EQ(dialog.buttons, TBotonDialogo::Si | TBotonDialogo::No);
            EXPECT_EQ(dialog.defaultButton, TBotonDialogo::No);
        }
        EXPECT_EQ(asked.at(1), asked.first());
        EXPECT_EQ(asked.at(3), asked.first());
        EXPECT_TRUE(Dialogs().Texts(TClase::Informacion).isEmpty());
        EXPECT_EQ(ReadFile(kProyecto), stored);
        EXPECT_EQ(ReadFile(kBackup), backup);
        EXPECT_TRUE(IncompleteShown());

        // "Si": stored as the window shows it, every year's lines included; then no question.
        NewDialogs();
        Dialogs().Answer(TBotonDialogo::Si);
        ClickToolButton("GuardarToolButton");
        EXPECT_EQ(Dialogs().Texts(TClase::Informacion),
                  QStringList{"El estado del formulario ha sido guardado."});
        EXPECT_FALSE(IncompleteShown());
        EXPECT_TRUE(StoredBudget().contains("Campaña"));
        EXPECT_EQ(ReadFile(kBackup), stored);
        NewDialogs();
        Save();
    }
}

// With no duration chosen (a call chosen afterwards), a restart shows every year that holds
// lines and the next store keeps them.
TEST_F(CargaIncompletaTest, BudgetLinesSurviveACallChangeAndARestart) {
    MakeProject();
    ChooseCall("ROVA-I-B-2026");
    Save();
    const QString budget = StoredBudget();
    ASSERT_TRUE(budget.contains("Campaña"));

    Restart();
    EXPECT_TRUE(Dialogs().Shown().empty());
    EXPECT_EQ(Find<QComboBox>("duracionComboBox")->currentIndex(), -1);
    EXPECT_EQ(VisibleYears(), (QStringList{"Año 1", "Año 2", "Año 3"}));
    Save();
    EXPECT_EQ(StoredBudget(), budget);
}

// Picking the call already chosen keeps the duration; a broken descriptor picked later changes
// nothing at all.
TEST_F(CargaIncompletaTest, PickingACallIsAllOrNothing) {
    MakeProject();
    Dialogs().Answer(TBotonDialogo::Si); // year 3 holds a line
    ChooseDuration("2");
    ChooseCall("ROVA-I-A-2026");
    EXPECT_EQ(Find<QComboBox>("duracionComboBox")->currentText(), "2");

    WriteFile("convoc/rova-ii-a-2026.xml", "<convocatoria><properties></convocatoria>");
    ChooseCall("ROVA-II-A-2026");
    EXPECT_EQ(Dialogs().Texts(TClase::Error).size(), 1);
    EXPECT_EQ(Find<QLineEdit>("convocatoriaTipoEdit")->text(), "ROVA I - Investigación");
    EXPECT_EQ(Find<QComboBox>("convocatoriaNameComboBox")->currentText(), "ROVA-I-A-2026");
    EXPECT_EQ(Find<QComboBox>("duracionComboBox")->currentText(), "2");
    EXPECT_FALSE(Form().CargaIncompleta());
    NewDialogs();
    Save();
    EXPECT_EQ(StoredAttribute("project/document/properties/convocatoria/", "doc-name"),
              "ROVA-I-A-2026");
    EXPECT_EQ(StoredText("project/document/properties/duracion/"), "2");
}

// A budget line still open when the project is stored: "&Si" applies it with its checks,
// "&No" drops it. Negative amounts and exponents are not amounts.
TEST_F(CargaIncompletaTest, StoringWithABudgetLineOpenAsksToApplyIt) {
    OpenWith(QLatin1Char(','));
    for (const char* amount : {"-5", "1e300", "1,005"}) {
        SCOPED_TRACE(amount);
        Click("presupuestoNuevoButton");
        Enter({"Insumos", "Importe raro", amount, "0"});
        Click("presupuestoGuardarButton");
        EXPECT_TRUE(EditorShown());
        Click("presupuestoCancelarButton");
    }
    EXPECT_EQ(Rows("1"), QStringList{"||||"});

    Click("presupuestoNuevoButton");
    Enter({"Insumos", "Reactivos", "100", "0"});
    Dialogs().Answer(TBotonDialogo::Si);
    ClickToolButton("VerificarToolButton");
    EXPECT_FALSE(EditorShown());
    EXPECT_TRUE(StoredBudget().contains("Reactivos"));

    NewDialogs();
    ClickWidget(Find<QWidget>("Button2"));
    ShowBudget();
    Click("presupuestoNuevoButton");
    Enter({"Insumos", "Pipetas", "50", "0"});
    Dialogs().Answer(TBotonDialogo::No);
    ClickToolButton("GuardarToolButton");
    EXPECT_EQ(Dialogs().Texts(TClase::Informacion),
              QStringList{"El estado del formulario ha sido guardado."});
    EXPECT_FALSE(EditorShown());
    EXPECT_FALSE(StoredBudget().contains("Pipetas"));
}

// Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgUp and Ctrl+PgDn never move between pages whose headers are
// hidden; the budget's year pages, which show theirs, still move with them.
TEST_F(CargaIncompletaTest, PageKeysOnlyMoveBetweenVisibleTabs) {
    OpenWith(QLatin1Char(','));
    auto* main = Find<QTabWidget>("MainPageControl");
    auto* pages = Find<QTabWidget>("PageControl");
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Tab, Qt::ControlModifier},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier},
        {Qt::Key_PageUp, Qt::ControlModifier},
        {Qt::Key_PageDown, Qt::ControlModifier},
    };
    ClickSection(1);
    auto* titulo = Find<QLineEdit>("tituloEdit");
    ClickWidget(titulo);
    ASSERT_TRUE(titulo->hasFocus());
    for (const auto& [key, modifiers] : keys) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        EXPECT_EQ(main->currentWidget(), Find<QWidget>("editarTab"));
        EXPECT_EQ(pages->currentWidget(), Find<QWidget>("datosGeneralesTab"));
    }

    // On a group list, the person sheet is never reached.
    ClickSection(12);
    auto* grid = Find<QWidget>("grupoResponsableStringGrid");
    ClickWidget(grid);
    for (const auto& [key, modifiers] : keys) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        EXPECT_EQ(Find<QTabWidget>("grupoPageControl")->currentWidget(),
                  Find<QWidget>("grupoResponsableTabSheet"));
        EXPECT_EQ(pages->currentWidget(), Find<QWidget>("conformacionDelGrupoTab"));
    }

    ChooseDuration("3");
    auto* years = Find<QTabWidget>("presupuestoAnioPageControl");
    // The tables take Ctrl+Tab to move between their cells; the year pages themselves move.
    QTest::keyClick(years, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(years->currentIndex(), 1);
    EXPECT_EQ(pages->currentWidget(), Find<QWidget>("detalleDelPresupuestoDelProyectoTab"));
}

} // namespace
