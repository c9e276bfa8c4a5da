// The frame of the main window as the user finds it: names, captions, shortcuts and order.
#include "ui_support/UPruebaVentana.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace {

class VentanaTest : public TPruebaVentana {};

TEST_F(VentanaTest, WindowCaptionAndSizes) {
    Open();
    EXPECT_EQ(Form().windowTitle(), "Velorn - Formulario Offline");
    EXPECT_EQ(Form().size(), QSize(800, 600));
    EXPECT_EQ(Form().minimumSize(), QSize(630, 360));
}

TEST_F(VentanaTest, MenuItemsWithCaptionsAndShortcuts) {
    const struct {
        const char* menu;
        const char* name;
        QString caption;
        QString shortcut;
    } cases[] = {
        {"Archivo1", "descripcionTecnicaMenuItem", "Descripción Técnica", "Ctrl+Shift+D"},
        {"Archivo1", "GuardarMenuItem", "Guardar", "Ctrl+G"},
        {"Archivo1", "VerificarMenuItem", "Verificar", "Ctrl+Shift+V"},
        {"Archivo1", "CaratulaMenuItem", "Generar carátula", "Ctrl+Shift+C"},
        {"Archivo1", "ExportarMenuItem", "Enviar el proyecto", "Ctrl+Shift+E"},
        {"Archivo1", "ImportarMenuItem", "Importar de otro proyecto...", ""},
        {"Archivo1", "", "", ""}, // separator
        {"Archivo1", "SalirMenuItem", "Salir", "Alt+F4"},
        {"Opciones1", "RevisarOrtografiaMenuItem", "Revisar ortografía", ""},
        {"Ayuda1", "Acercade1", "Acerca de...", ""},
    };
    Open();
    auto* bar = Find<QMenuBar>("MainMenu1");
    ASSERT_NE(bar, nullptr);
    QStringList titles;
    for (QAction* action : bar->actions())
        titles.append(action->text());
    EXPECT_EQ(titles, (QStringList{"&Archivo", "&Opciones", "Ayuda"}));

    QMap<QString, int> positions;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto* menu = Find<QMenu>(c.menu);
        ASSERT_NE(menu, nullptr);
        const int position = positions[c.menu]++;
        ASSERT_LT(position, menu->actions().size());
        QAction* action = menu->actions().at(position);
        EXPECT_EQ(action->objectName(), c.name);
        EXPECT_EQ(action->isSeparator(), QString(c.name).isEmpty());
        EXPECT_EQ(action->text(), c.caption);
        EXPECT_EQ(action->shortcut().toString(), c.shortcut);
    }
    EXPECT_EQ(Find<QMenu>("Archivo1")->actions().size(), positions["Archivo1"]);
    EXPECT_EQ(Find<QMenu>("Opciones1")->actions().size(), positions["Opciones1"]);
    EXPECT_EQ(Find<QMenu>("Ayuda1")->actions().size(), positions["Ayuda1"]);
}

TEST_F(VentanaTest, ToolbarButtonsRunTheMenuItems) {
    const struct {
        const char* button;
        QString caption;
        const char* menuItem;
    } cases[] = {
        {"GuardarToolButton", "Guardar", "GuardarMenuItem"},
        {"VerificarToolButton", "Verificar", "VerificarMenuItem"},
        {"descripcionTecnicaToolButton", "Descripción Técnica", "descripcionTecnicaMenuItem"},
        {"CaratulaToolButton", "Generar carátula", "CaratulaMenuItem"},
        {"ExportarToolButton", "Enviar el proyecto", "ExportarMenuItem"},
    };
    Open();
    auto* toolbar = Find<QToolBar>("ToolBar");
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(toolbar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    ASSERT_EQ(toolbar->actions().size(), int(std::size(cases)));
    for (int i = 0; i < int(std::size(cases)); ++i) {
        const auto& c = cases[i];
        SCOPED_TRACE(c.button);
        auto* button = Find<QToolButton>(c.button);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), c.caption);
        EXPECT_EQ(button->defaultAction(), Find<QAction>(c.menuItem));
        EXPECT_EQ(toolbar->widgetForAction(toolbar->actions().at(i)), button) << "order";
        EXPECT_FALSE(button->icon().isNull());
        EXPECT_GE(button->width(), 105);
        EXPECT_GE(button->height(), 36);
    }
}

TEST_F(VentanaTest, PagesByNameAndCaptionInOrder) {
    const struct {
        const char* control;
        QList<std::pair<QString, QString>> pages;
    } cases[] = {
        {"MainPageControl",
         {{"editarTab", "Editar"},
          {"verificarTab", "Verificar"},
          {"descripcionTecnicaTab", "Descripción Técnica"},
          {"exportarTab", "Enviar el proyecto"}}},
        {"PageControl",
         {{"bienvenidoTab", "Bienvenido"},
          {"convocatoriaTab", "Convocatoria"},
          {"datosGeneralesTab", "Datos Generales"},
          {"resumenDelProyectoTab", "Resumen del Proyecto"},
          {"impactoDelProyectoTab", "Impacto del Proyecto"},
          {"datosComplementariosTab", "Datos Complementarios"},
          {"subsidioSolicitadoTab", "Justificación Subsidio"},
          {"contraparteTab", "Contraparte"},
          {"otrosRecursosTab", "Otros Recursos"},
          {"detalleDelPresupuestoDelProyectoTab", "Detalle del Presupuesto del Proyecto"},
          {"institucionBeneficiariaTab", "Institución Beneficiaria"},
          {"dependenciaTab", "Dependencia"},
          {"unidadEjecutoraTab", "Unidad Ejecutora"},
          {"conformacionDelGrupoTab", "Conformación del Grupo"},
          {"textosTab", "#Textos"}}},
    };
    Open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control);
        auto* tabs = Find<QTabWidget>(c.control);
        ASSERT_NE(tabs, nullptr);
        QList<std::pair<QString, QString>> pages;
        for (int i = 0; i < tabs->count(); ++i)
            pages.append({tabs->widget(i)->objectName(), tabs->tabText(i)});
        EXPECT_EQ(pages, c.pages);
    }
}

TEST_F(VentanaTest, SectionListItemsExactly) {
    Open();
    auto* list = Find<QListWidget>("seccionList");
    ASSERT_NE(list, nullptr);
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->item(i)->text());
    EXPECT_EQ(items,
              (QStringList{"Convocatoria", "Datos Generales", "Resumen del Proyecto",
                           "Impacto del Proyecto", "Datos Complementarios",
                           "Detalle del Presupuesto del Proyecto ", "Justificación Subsidio",
                           "Contraparte", "Otros Recursos", "Institución Beneficiaria",
                           "Dependencia", "Unidad Ejecutora", "Conformación del Grupo Responsable",
                           "Conformación del Grupo Colaborador"}));
    EXPECT_EQ(Find<QGroupBox>("seccionesGroupBox")->title(), "Secciones");
}

TEST_F(VentanaTest, SectionPanelAndHeaderStrip) {
    Open();
    auto* ayuda = Find<QLabel>("AyudaLabel");
    EXPECT_EQ(ayuda->text(), "Ayuda con ...");
    EXPECT_FALSE(ayuda->isEnabled());
    EXPECT_EQ(Find<QLabel>("Image1")->height(), 70);
    EXPECT_NE(Find<QLabel>("Image3"), nullptr);
    EXPECT_NE(Find<QWidget>("Panel12"), nullptr);
    auto* seccion = Find<QLabel>("seccionLabel");
    EXPECT_TRUE(seccion->font().bold());
    auto* label100 = Find<QLabel>("Label100");
    EXPECT_EQ(label100->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_GT(label100->x(), seccion->x()) << "right-aligned in the strip";
}

TEST_F(VentanaTest, WelcomePage) {
    Open();
    auto* memo = Find<QPlainTextEdit>("bienvenidaMemo");
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->frameShape(), QFrame::NoFrame);
    EXPECT_FALSE(memo->focusPolicy() & Qt::TabFocus) << "no tab stop";
    EXPECT_EQ(memo->palette().color(QPalette::Base), Form().palette().color(QPalette::Window));
    EXPECT_EQ(Find<QLabel>("versionLabel")->text(), "Versión 2");
    EXPECT_NE(Form().findChild<QLabel*>("nombreLabel"), nullptr);
    EXPECT_EQ(Form().findChild<QLabel*>("nombreLabel")->text(), "Velorn - Formulario Offline");
}

TEST_F(VentanaTest, SendPageStartsNotVerified) {
    Open();
    auto* warning = Find<QLabel>("exportarErrorLabel");
    EXPECT_EQ(warning->text(), "Debe verificar el proyecto para poder enviar el proyecto");
    EXPECT_FALSE(warning->isHidden());
    auto* group = Find<QGroupBox>("exportarGroupBox");
    EXPECT_EQ(group->title(), "Enviar el proyecto");
    EXPECT_FALSE(group->isEnabled());
    auto* folder = Find<QLineEdit>("exportarFolderEdit");
    EXPECT_TRUE(folder->isReadOnly());
    EXPECT_EQ(folder->parentWidget(), group);
    EXPECT_EQ(Find<QLabel>("Label101")->text(),
              "Debe especificar donde guardar el archivo exportado, que luego deberá enviar al "
              "Velorn");

    Form().SetVerified(true);
    EXPECT_TRUE(group->isEnabled());
    EXPECT_TRUE(warning->isHidden());
    EXPECT_TRUE(Form().IsVerified());
}

TEST_F(VentanaTest, SeguirEditandoControls) {
    const struct {
        const char* page;
        const char* button;
        const char* image;
    } cases[] = {
        {"verificarTab", "Button2", "Image2"},
        {"descripcionTecnicaTab", "Button9", "Image5"},
        {"exportarTab", "Button5", "Image4"},
    };
    Open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page);
        auto* page = Find<QWidget>(c.page);
        auto* button = Find<QPushButton>(c.button);
        auto* image = Find<QLabel>(c.image);
        ASSERT_TRUE(page && button && image);
        EXPECT_EQ(button->text(), "Seguir editando el proyecto");
        EXPECT_TRUE(page->isAncestorOf(button));
        EXPECT_TRUE(page->isAncestorOf(image));
        EXPECT_EQ(image->cursor().shape(), Qt::PointingHandCursor);
    }
}

} // namespace
