// Moving around the main window: sections, the section panel, the main pages and the way back.
#include "ui_support/UPruebaVentana.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

class NavegacionTest : public TPruebaVentana {
  protected:
    QString FormPage() { return Find<QTabWidget>("PageControl")->currentWidget()->objectName(); }
    QString MainPage() {
        return Find<QTabWidget>("MainPageControl")->currentWidget()->objectName();
    }
    QString SectionLabel() { return Find<QLabel>("seccionLabel")->text(); }
    int PanelWidth() {
        QApplication::processEvents();
        return Find<QWidget>("seccionesPanel")->width();
    }
};

TEST_F(NavegacionTest, StartsOnTheWelcomePageWithHiddenHeaders) {
    Open();
    EXPECT_EQ(MainPage(), "editarTab");
    EXPECT_EQ(FormPage(), "bienvenidoTab");
    EXPECT_EQ(SectionLabel(), "Bienvenido");
    EXPECT_TRUE(Find<QTabWidget>("MainPageControl")->tabBar()->isHidden());
    EXPECT_TRUE(Find<QTabWidget>("PageControl")->tabBar()->isHidden());
    EXPECT_EQ(Find<QListWidget>("seccionList")->selectedItems().size(), 0);
}

// Each section shows its page; the label shows the page's caption, except for the two groups,
// which share a page and are told apart by the item's own text.
TEST_F(NavegacionTest, SectionsShowTheirPageAndCaption) {
    const struct {
        int index;
        const char* page;
        QString label;
    } cases[] = {
        {0, "convocatoriaTab", "Convocatoria"},
        {1, "datosGeneralesTab", "Datos Generales"},
        {2, "resumenDelProyectoTab", "Resumen del Proyecto"},
        {3, "impactoDelProyectoTab", "Impacto del Proyecto"},
        {4, "datosComplementariosTab", "Datos Complementarios"},
        // The item has a trailing blank; the page's caption has none.
        {5, "detalleDelPresupuestoDelProyectoTab", "Detalle del Presupuesto del Proyecto"},
        {6, "subsidioSolicitadoTab", "Justificación Subsidio"},
        {7, "contraparteTab", "Contraparte"},
        {8, "otrosRecursosTab", "Otros Recursos"},
        {9, "institucionBeneficiariaTab", "Institución Beneficiaria"},
        {10, "dependenciaTab", "Dependencia"},
        {11, "unidadEjecutoraTab", "Unidad Ejecutora"},
        {12, "conformacionDelGrupoTab", "Conformación del Grupo Responsable"},
        {13, "conformacionDelGrupoTab", "Conformación del Grupo Colaborador"},
        // Back to one seen before, after the label changed.
        {0, "convocatoriaTab", "Convocatoria"},
    };
    Open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        ClickSection(c.index);
        EXPECT_EQ(FormPage(), c.page);
        EXPECT_EQ(SectionLabel(), c.label);
        EXPECT_EQ(MainPage(), "editarTab");
    }
}

TEST_F(NavegacionTest, KeyboardMovesThroughTheSections) {
    Open();
    ClickSection(12);
    auto* list = Find<QListWidget>("seccionList");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(SectionLabel(), "Conformación del Grupo Colaborador");
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(FormPage(), "unidadEjecutoraTab");
}

TEST_F(NavegacionTest, NoSelectedSectionChangesNothing) {
    Open();
    ClickSection(3);
    Find<QListWidget>("seccionList")->clearSelection();
    Form().seccionListClick();
    EXPECT_EQ(FormPage(), "impactoDelProyectoTab");
    EXPECT_EQ(SectionLabel(), "Impacto del Proyecto");
}

TEST_F(NavegacionTest, Label100HidesAndShowsTheSections) {
    Open();
    // Room for the panel beside the pages in every style: Windows' wider controls leave it
    // less than its width in a window of 800 pixels.
    Form().resize(1000, 700);
    auto* label = Find<QLabel>("Label100");
    auto* panel = Find<QWidget>("seccionesPanel");
    EXPECT_EQ(label->text(), "Ocultar/Mostrar Secciones");
    EXPECT_EQ(PanelWidth(), 273);

    ClickWidget(label);
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(label->text(), "Mostrar Secciones");

    ClickWidget(label);
    EXPECT_FALSE(panel->isHidden());
    EXPECT_EQ(label->text(), "Ocultar Secciones");
    EXPECT_EQ(PanelWidth(), 273) << "a panel that had a width keeps it";
    EXPECT_EQ(panel->x(), 0);
}

// After the splitter collapsed the panel, showing it again must show something.
TEST_F(NavegacionTest, ShowingACollapsedPanelGivesIt270) {
    Open();
    // Room for the panel beside the pages in every style.
    Form().resize(1000, 700);
    auto* splitter = Find<QSplitter>("Splitter1");
    const QList<int> sizes = splitter->sizes();
    splitter->setSizes({0, sizes.value(0) + sizes.value(1)});
    ASSERT_EQ(PanelWidth(), 0);

    ClickWidget(Find<QLabel>("Label100"));
    ClickWidget(Find<QLabel>("Label100"));
    EXPECT_EQ(PanelWidth(), 270);
    EXPECT_EQ(splitter->sizes().value(0), 270);
}

TEST_F(NavegacionTest, ResizingTheWindowKeepsThePanelWidth) {
    Open();
    Form().resize(1000, 700);
    EXPECT_EQ(PanelWidth(), 273);
    Form().resize(860, 640);
    EXPECT_EQ(PanelWidth(), 273);
    EXPECT_EQ(Find<QWidget>("seccionesPanel")->x(), 0);
}

// The commands show their page; any of the six "Seguir editando" controls goes back, to the
// form page that was shown before.
TEST_F(NavegacionTest, CommandsShowTheirPageAndTheSixControlsGoBack) {
    const struct {
        const char* command;
        const char* page;
        const char* back;
    } cases[] = {
        {"descripcionTecnicaToolButton", "descripcionTecnicaTab", "Button9"},
        {"descripcionTecnicaToolButton", "descripcionTecnicaTab", "Image5"},
        {"ExportarToolButton", "exportarTab", "Button5"},
        {"ExportarToolButton", "exportarTab", "Image4"},
    };
    Open();
    ClickSection(7);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " " + c.back);
        ClickToolButton(c.command);
        EXPECT_EQ(MainPage(), c.page);
        ClickWidget(Find<QWidget>(c.back));
        EXPECT_EQ(MainPage(), "editarTab");
        EXPECT_EQ(FormPage(), "contraparteTab");
    }
    // The verify page is shown directly here (a verification would store the project first);
    // its two controls go back all the same.
    for (const char* back : {"Button2", "Image2"}) {
        SCOPED_TRACE(back);
        Find<QTabWidget>("MainPageControl")->setCurrentWidget(Find<QWidget>("verificarTab"));
        ClickWidget(Find<QWidget>(back));
        EXPECT_EQ(MainPage(), "editarTab");
    }
}

TEST_F(NavegacionTest, MenuItemsShowTheSamePagesAsTheToolbar) {
    Open();
    TriggerMenuItem("descripcionTecnicaMenuItem");
    EXPECT_EQ(MainPage(), "descripcionTecnicaTab");
    TriggerMenuItem("ExportarMenuItem");
    EXPECT_EQ(MainPage(), "exportarTab");
}

TEST_F(NavegacionTest, WelcomeMemoNeverKeepsTheFocus) {
    Open();
    QApplication::setActiveWindow(&Form());
    auto* memo = Find<QPlainTextEdit>("bienvenidaMemo");
    ClickWidget(memo->viewport());
    QApplication::processEvents();
    EXPECT_NE(QApplication::focusWidget(), memo);
    EXPECT_EQ(QApplication::focusWidget(), Find<QWidget>("bienvenidoTab"));
}

} // namespace
