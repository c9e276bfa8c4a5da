#include "ui_support/UPruebaPresupuesto.h"

#include "ui_support/UEsquemaXML.h"
#include "ui_support/UListaDesplegable.h"
#include "ui_support/UTeclado.h"

#include "config/URegional.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

TForm1& TPruebaPresupuesto::OpenWith(QChar separator) {
    SetRegional(
        std::make_unique<TConfiguracionRegionalFija>(separator, QStringLiteral("dd/MM/yyyy")));
    TForm1& form = Open();
    QApplication::setActiveWindow(&form);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    ShowBudget();
    return form;
}

void TPruebaPresupuesto::ChooseDuration(const QString& years) {
    ClickSection(1);
    PickItem(Find<QComboBox>("duracionComboBox"), years);
    ShowBudget();
}

void TPruebaPresupuesto::ShowYear(const QString& year) {
    auto* years = Find<QTabWidget>("presupuestoAnioPageControl");
    ASSERT_NE(years, nullptr);
    QTabBar* bar = years->tabBar();
    const int index = year.toInt() - 1;
    ASSERT_TRUE(years->isTabVisible(index)) << "year " << year.toStdString() << " is hidden";
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    ASSERT_EQ(years->currentIndex(), index);
}

QStringList TPruebaPresupuesto::VisibleYears() {
    auto* years = Find<QTabWidget>("presupuestoAnioPageControl");
    QStringList visible;
    for (int i = 0; years != nullptr && i < years->count(); ++i) {
        if (years->isTabVisible(i))
            visible.append(years->tabText(i));
    }
    return visible;
}

void TPruebaPresupuesto::Click(const char* button) {
    auto* found = Find<QPushButton>(button);
    ASSERT_NE(found, nullptr);
    ASSERT_TRUE(found->isVisible() && found->isEnabled()) << button << " cannot be clicked";
    ClickWidget(found);
}

void TPruebaPresupuesto::Retype(const char* field, const QString& text) {
    auto* edit = Find<QLineEdit>(field);
    ASSERT_NE(edit, nullptr);
    ClickWidget(edit);
    ASSERT_TRUE(edit->hasFocus()) << field << " did not take the focus";
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    TypeText(edit, text);
}

void TPruebaPresupuesto::Enter(const TLineaPresupuesto& linea) {
    if (!linea.rubro.isEmpty())
        PickItem(Find<QComboBox>("presupuestoRubroComboBox"), linea.rubro);
    Retype("presupuestoDescripcionEdit", linea.descripcion);
    Retype("presupuestoSubsidioEdit", linea.subsidio);
    Retype("presupuestoContraparteEdit", linea.contraparte);
}

void TPruebaPresupuesto::AddLine(const TLineaPresupuesto& linea) {
    const auto shown = Dialogs().Shown().size();
    Click("presupuestoNuevoButton");
    Enter(linea);
    Click("presupuestoGuardarButton");
    EXPECT_EQ(Dialogs().Shown().size(), shown) << "a dialog came up";
    EXPECT_FALSE(EditorShown()) << "the line was not applied";
}

void TPruebaPresupuesto::SelectLine(const QString& year, int row) {
    ShowYear(year);
    auto* grid = Find<QTableWidget>((YearPrefix(year) + "StringGrid").toLatin1().constData());
    ASSERT_NE(grid, nullptr);
    const QRect cell = grid->visualRect(grid->model()->index(row, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_EQ(grid->currentRow(), row);
}

void TPruebaPresupuesto::OpenLine(const QString& year, int row) {
    SelectLine(year, row);
    auto* grid = Find<QTableWidget>((YearPrefix(year) + "StringGrid").toLatin1().constData());
    const QRect cell = grid->visualRect(grid->model()->index(row, 1));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

bool TPruebaPresupuesto::EditorShown() {
    auto* pages = Find<QTabWidget>("prespuestoPageControl");
    return pages != nullptr && pages->currentWidget() == Find<QWidget>("presupuestoEditTab");
}

QStringList TPruebaPresupuesto::Rows(const QString& year) {
    QStringList rows;
    auto* grid = Find<QTableWidget>((YearPrefix(year) + "StringGrid").toLatin1().constData());
    for (int row = 0; grid != nullptr && row < grid->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < grid->columnCount(); ++column) {
            const QTableWidgetItem* item = grid->item(row, column);
            cells.append(item == nullptr ? QString() : item->text());
        }
        rows.append(cells.join(QLatin1Char('|')));
    }
    return rows;
}

QStringList TPruebaPresupuesto::Totals(const QString& year) {
    QStringList totals;
    for (const char* kind : {"SubGastoEdit", "ConGastoEdit", "TotGastoEdit", "SubTotalEdit",
                             "ConTotalEdit", "TotTotalEdit"}) {
        const QByteArray name = (YearPrefix(year) + kind).toLatin1();
        auto* field = Find<QLineEdit>(name.constData());
        totals.append(field == nullptr ? QStringLiteral("<none>") : field->text());
    }
    return totals;
}

QString TPruebaPresupuesto::Text(const char* field) {
    auto* edit = Find<QLineEdit>(field);
    return edit == nullptr ? QStringLiteral("<none>") : edit->text();
}

void TPruebaPresupuesto::Save() {
    const auto shown = Dialogs().Shown().size();
    ClickToolButton("GuardarToolButton");
    ASSERT_EQ(Dialogs().Shown().size(), shown + 1);
    EXPECT_EQ(Dialogs().Shown().back().text, "El estado del formulario ha sido guardado.");
}

QString TPruebaPresupuesto::StoredBudget() {
    return Outline(ReadFile(QStringLiteral("proyecto.xml")),
                   QStringLiteral("project/document/properties/presupuesto/"));
}

void TPruebaPresupuesto::WriteProject(const QByteArray& properties) {
    WriteFile(QStringLiteral("proyecto.xml"),
              "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<import><soft version=\"2\"/>"
              "<project><document><properties>" +
                  properties + "</properties></document></project></import>\r\n");
}

QString TPruebaPresupuesto::YearPrefix(const QString& year) {
    if (year == QLatin1String("1"))
        return QStringLiteral("anioUno");
    if (year == QLatin1String("2"))
        return QStringLiteral("anioDos");
    return QStringLiteral("anioTres");
}
