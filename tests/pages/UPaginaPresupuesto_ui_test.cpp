// The budget page through the main window: lines typed in under either decimal separator,
// the year's totals, "Nuevo", "Editar", double click, "Eliminar", "Aplicar" and "Cancelar",
// what a store writes for each year, what a load shows, and the section list leaving an edit.
#include "ui_support/UInstalacionMuestra.h"
#include "ui_support/UListaDesplegable.h"
#include "ui_support/UPruebaPresupuesto.h"

#include "form/UListasCodigo.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

namespace {

using TClase = TDialogoMostrado::TClase;

// The amount text of a value written with a "." in the regional separator.
QString Local(const char* amount, QChar separator) {
    return QString::fromLatin1(amount).replace(QLatin1Char('.'), separator);
}

QString Line(const QStringList& cells) {
    return cells.join(QLatin1Char('|'));
}

QString Row(const QString& rubro, const QString& descr, const QString& contraparte,
            const QString& subsidio, const QString& total, const QString& year) {
    return QStringLiteral("\n  row rubro=\"%1\" descr=\"%2\" contraparte=\"%3\" subsidio=\"%4\" "
                          "total=\"%5\" year=\"%6\"")
        .arg(rubro, descr, contraparte, subsidio, total, year);
}

QString Administracion(const QString& subsidio, const QString& year) {
    return Row("GASTOS DE ADMINISTRACION DEL SUBSIDIO", "", "0", subsidio, subsidio, year);
}

QString TotalAnual(const QString& subsidio, const QString& contraparte, const QString& total,
                   const QString& year) {
    return Row("TOTAL ANUAL", "", contraparte, subsidio, total, year);
}

const QString kEmptyRow = QStringLiteral("||||");
const QStringList kZeros = {"0", "0", "0", "0", "0", "0"};

class PresupuestoTest : public TPruebaPresupuesto, public ::testing::WithParamInterface<char> {
  protected:
    QChar Separator() const { return QLatin1Char(GetParam()); }
    QString L(const char* amount) const { return Local(amount, Separator()); }
};

// The worked example typed in by a user: two lines of year 1, the totals after each step, the
// 12.50 that becomes 12.5 on leaving the field, an opened line changed to a subsidy of 0.3 and
// the other one deleted, which leaves an administration expense of 0.01; then what is stored.
TEST_P(PresupuestoTest, TypedLinesGiveTheYearsTotalsAndTheStoredRows) {
    OpenWith(Separator());
    ChooseDuration("1");
    EXPECT_EQ(Rows("1"), QStringList{kEmptyRow});
    EXPECT_EQ(Totals("1"), kZeros);

    AddLine({"Insumos", "Reactivos", "1000", "200"});
    EXPECT_EQ(Rows("1"), QStringList{"Insumos|Reactivos|1000|200|1200"});
    EXPECT_EQ(Totals("1"), (QStringList{L("40"), "0", L("40"), L("1040"), "200", L("1240")}));

    // Decimals typed with trailing zeros are normalised on leaving the field.
    Click("presupuestoNuevoButton");
    EXPECT_EQ(Text("presupuestoAnioEdit"), "1");
    Enter({"Bibliografía", "Libros", L("12.50"), "0"});
    EXPECT_EQ(Text("presupuestoSubsidioEdit"), L("12.5"));
    Retype("presupuestoSubsidioEdit", L("500.5"));
    Retype("presupuestoContraparteEdit", "0");
    Retype("presupuestoDescripcionEdit", "Libros");
    EXPECT_EQ(Text("presupuestoTotalEdit"), L("500.5"));
    Click("presupuestoGuardarButton");
    EXPECT_EQ(Rows("1"),
              (QStringList{"Insumos|Reactivos|1000|200|1200",
                           Line({"Bibliografía", "Libros", L("500.5"), "0", L("500.5")})}));
    EXPECT_EQ(Totals("1"),
              (QStringList{L("60.02"), "0", L("60.02"), L("1560.52"), "200", L("1760.52")}));

    // Double click on the second line, a subsidy of 0.3; then the first line goes.
    OpenLine("1", 1);
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(Find<QComboBox>("presupuestoRubroComboBox")->currentText(), "Bibliografía");
    EXPECT_EQ(Text("presupuestoDescripcionEdit"), "Libros");
    EXPECT_EQ(Text("presupuestoSubsidioEdit"), L("500.5"));
    EXPECT_EQ(Text("presupuestoAnioEdit"), "1");
    Retype("presupuestoSubsidioEdit", L("0.30"));
    Retype("presupuestoDescripcionEdit", "Libros usados");
    Click("presupuestoGuardarButton");
    SelectLine("1", 0);
    Click("presupuestoEliminarButton");
    EXPECT_EQ(Rows("1"),
              QStringList{Line({"Bibliografía", "Libros usados", L("0.3"), "0", L("0.3")})});
    EXPECT_EQ(Totals("1"), (QStringList{L("0.01"), "0", L("0.01"), L("0.31"), "0", L("0.31")}));
    EXPECT_EQ(Dialogs().Shown().size(), 0u);

    Save();
    EXPECT_EQ(StoredBudget(),
              "presupuesto" + Row("Bibliografía", "Libros usados", "0", L("0.3"), L("0.3"), "1") +
                  Administracion(L("0.01"), "1") + TotalAnual(L("0.31"), "0", L("0.31"), "1"));
}

// Lines added, opened with "Editar", changed and deleted in every year of a three-year
// project; each year stores its own lines in table order followed by its computed rows, and
// the years go in order whatever order they were edited in.
TEST_P(PresupuestoTest, EveryYearKeepsAndStoresItsOwnLines) {
    OpenWith(Separator());
    ChooseDuration("3");
    ASSERT_EQ(VisibleYears(), (QStringList{"Año 1", "Año 2", "Año 3"}));

    for (const QString year : {"3", "1", "2"}) {
        ShowYear(year);
        AddLine({"Equipamiento", "Microscopio " + year, year + "000", "5000"});
        AddLine({"Viajes y viáticos", "Campaña " + year, "300", "0"});
        AddLine({"Beca Doctoral", "Beca " + year, "24000", "26000"});
        // The second line gets another description and counterpart through "Editar".
        SelectLine(year, 1);
        Click("presupuestoEditarButton");
        ASSERT_TRUE(EditorShown());
        EXPECT_EQ(Text("presupuestoAnioEdit"), year);
        Retype("presupuestoDescripcionEdit", "Congreso " + year);
        Retype("presupuestoContraparteEdit", L("99.99"));
        Click("presupuestoGuardarButton");
        // The first line goes; the others move up.
        SelectLine(year, 0);
        Click("presupuestoEliminarButton");
    }
    for (const QString year : {"1", "2", "3"}) {
        EXPECT_EQ(Rows(year), (QStringList{Line({"Viajes y viáticos", "Congreso " + year, "300",
                                                 L("99.99"), L("399.99")}),
                                           "Beca Doctoral|Beca " + year + "|24000|26000|50000"}))
            << "year " << year.toStdString();
        // 24300 of subsidy: 972 of administration.
        EXPECT_EQ(Totals(year),
                  (QStringList{"972", "0", "972", "25272", L("26099.99"), L("51371.99")}));
    }
    EXPECT_EQ(Dialogs().Shown().size(), 0u);

    Save();
    QString expected = "presupuesto";
    for (const QString year : {"1", "2", "3"}) {
        expected +=
            Row("Viajes y viáticos", "Congreso " + year, L("99.99"), "300", L("399.99"), year) +
            Row("Beca Doctoral", "Beca " + year, "26000", "24000", "50000", year) +
            Administracion("972", year) + TotalAnual("25272", L("26099.99"), L("51371.99"), year);
    }
    EXPECT_EQ(StoredBudget(), expected);
}

INSTANTIATE_TEST_SUITE_P(Separadores, PresupuestoTest, ::testing::Values('.', ','),
                         [](const ::testing::TestParamInfo<char>& info) {
                             return info.param == '.' ? std::string("Punto") : std::string("Coma");
                         });

class PresupuestoVentanaTest : public TPruebaPresupuesto {};

// The page as the window starts it: three tables with their headers, widths, row height and
// one empty row (the first with its hint), the totals at "0" and out of reach, the view
// without page tabs, and the editor closed to input with its nine categories.
TEST_F(PresupuestoVentanaTest, ThePageAtStart) {
    OpenWith(QLatin1Char(','));
    EXPECT_FALSE(Find<QTabWidget>("prespuestoPageControl")->tabBar()->isVisible());
    EXPECT_TRUE(Find<QTabWidget>("presupuestoAnioPageControl")->tabBar()->isVisible());
    EXPECT_EQ(Find<QTabWidget>("prespuestoPageControl")->currentWidget(),
              Find<QWidget>("presupuestoVistaTab"));
    for (const QString year : {"1", "2", "3"}) {
        SCOPED_TRACE(year.toStdString());
        const char* const grids[] = {"anioUnoStringGrid", "anioDosStringGrid",
                                     "anioTresStringGrid"};
        auto* grid = Find<QTableWidget>(grids[year.toInt() - 1]);
        ASSERT_NE(grid, nullptr);
        QStringList headers;
        QList<int> widths;
        for (int column = 0; column < grid->columnCount(); ++column) {
            headers.append(grid->horizontalHeaderItem(column)->text());
            widths.append(grid->columnWidth(column));
        }
        EXPECT_EQ(headers,
                  (QStringList{"Rubro", "Descripción", "Subsidio", "Contraparte", "Total"}));
        EXPECT_EQ(widths, (QList<int>{230, 64, 64, 64, 64}));
        EXPECT_EQ(grid->verticalHeader()->defaultSectionSize(), 21);
        EXPECT_EQ(grid->selectionBehavior(), QAbstractItemView::SelectRows);
        EXPECT_EQ(Rows(year), QStringList{kEmptyRow});
        EXPECT_EQ(Totals(year), kZeros);
        EXPECT_EQ(grid->toolTip(),
                  year == "1" ? "Haga doble click para editar este renglón del presupuesto" : "");
    }
    EXPECT_FALSE(Find<QLineEdit>("anioDosSubTotalEdit")->isEnabled());

    auto* rubros = Find<QComboBox>("presupuestoRubroComboBox");
    EXPECT_EQ(Items(rubros), RubrosPresupuesto());
    EXPECT_FALSE(rubros->isEditable());
    EXPECT_EQ(rubros->currentIndex(), -1);
    for (const char* name :
         {"presupuestoDescripcionEdit", "presupuestoSubsidioEdit", "presupuestoContraparteEdit"})
        EXPECT_FALSE(Find<QLineEdit>(name)->isEnabled()) << name;
    EXPECT_FALSE(rubros->isEnabled());
    EXPECT_FALSE(Find<QPushButton>("presupuestoGuardarButton")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>("presupuestoCancelarButton")->isEnabled());
    EXPECT_TRUE(Find<QLineEdit>("presupuestoTotalEdit")->isReadOnly());
    EXPECT_TRUE(Find<QLineEdit>("presupuestoAnioEdit")->isReadOnly());
    EXPECT_EQ(Find<QPushButton>("presupuestoGuardarButton")->text(), "Aplicar");
}

// The first line of an empty table takes its empty row; deleting the only line clears it and
// the totals; "Eliminar" on an empty table leaves its empty row; "Editar" and a double click
// on an empty table open nothing.
TEST_F(PresupuestoVentanaTest, AnEmptyTableKeepsOneEmptyRow) {
    OpenWith(QLatin1Char(','));
    ChooseDuration("2");
    ShowYear("2");

    Click("presupuestoEditarButton");
    EXPECT_FALSE(EditorShown());
    OpenLine("2", 0);
    EXPECT_FALSE(EditorShown());

    AddLine({"Insumos", "Guantes", "100", "100"});
    EXPECT_EQ(Rows("2"), QStringList{"Insumos|Guantes|100|100|200"});
    EXPECT_EQ(Totals("2"), (QStringList{"4", "0", "4", "104", "100", "204"}));

    Click("presupuestoEliminarButton");
    EXPECT_EQ(Rows("2"), QStringList{kEmptyRow});
    EXPECT_EQ(Totals("2"), kZeros);
    Click("presupuestoEliminarButton");
    EXPECT_EQ(Rows("2"), QStringList{kEmptyRow});
    Click("presupuestoEditarButton");
    EXPECT_FALSE(EditorShown());

    // The cleared line is not a line: the store writes only the computed rows.
    Save();
    EXPECT_EQ(StoredBudget(), "presupuesto" + Administracion("0", "1") +
                                  TotalAnual("0", "0", "0", "1") + Administracion("0", "2") +
                                  TotalAnual("0", "0", "0", "2"));
}

// "Aplicar" refuses a line without category, then one without description, each with its
// message and the editor left as it was; "Cancelar" drops the line.
TEST_F(PresupuestoVentanaTest, ApplyAsksForCategoryAndDescription) {
    OpenWith(QLatin1Char(','));
    ChooseDuration("1");
    Click("presupuestoNuevoButton");
    Enter({"", "Tubos", "10", "20"});
    Click("presupuestoGuardarButton");
    EXPECT_EQ(Dialogs().Texts(TClase::Error), QStringList{"Debe elegir un rubro."});
    EXPECT_TRUE(EditorShown());
    EXPECT_EQ(Text("presupuestoDescripcionEdit"), "Tubos");

    NewDialogs();
    PickItem(Find<QComboBox>("presupuestoRubroComboBox"), "Insumos");
    Retype("presupuestoDescripcionEdit", "");
    Click("presupuestoGuardarButton");
    EXPECT_EQ(Dialogs().Texts(TClase::Error), QStringList{"La descripción no puede estar vacía."});
    EXPECT_TRUE(EditorShown());
    EXPECT_EQ(Find<QComboBox>("presupuestoRubroComboBox")->currentText(), "Insumos");
    EXPECT_EQ(Text("presupuestoTotalEdit"), "30");

    Click("presupuestoCancelarButton");
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(Rows("1"), QStringList{kEmptyRow});
    // The editor is cleared and closed to input.
    EXPECT_EQ(Text("presupuestoSubsidioEdit"), "0");
    EXPECT_EQ(Text("presupuestoAnioEdit"), "");
    EXPECT_FALSE(Find<QPushButton>("presupuestoGuardarButton")->isEnabled());
    EXPECT_FALSE(Find<QComboBox>("presupuestoRubroComboBox")->isEnabled());
}

// An amount that is not a number under the regional settings takes the focus back when it is
// left, counts as 0 in the line's total, and never reaches the table: "Aplicar" leaves the
// focus in it, without a message, until it holds a number.
TEST_F(PresupuestoVentanaTest, AnAmountThatIsNotANumberNeverReachesTheTable) {
    struct TCaso {
        QChar separator;
        const char* field;
        QString typed;
        QString total; // of the line, the other amount being 7
    };
    const TCaso casos[] = {
        {QLatin1Char(','), "presupuestoSubsidioEdit", "500.5", "7"},
        {QLatin1Char('.'), "presupuestoContraparteEdit", "500,5", "7"},
        {QLatin1Char(','), "presupuestoSubsidioEdit", "", "7"},
        {QLatin1Char('.'), "presupuestoContraparteEdit", "1.000.000", "7"},
        {QLatin1Char(','), "presupuestoContraparteEdit", "diez", "7"},
    };
    for (const TCaso& caso : casos) {
        SCOPED_TRACE(caso.typed.toStdString());
        OpenWith(caso.separator);
        ChooseDuration("1");
        Click("presupuestoNuevoButton");
        Enter({"Insumos", "Tubos", "7", "7"});
        Retype(caso.field, caso.typed);
        // Leaving the field: the focus comes back to it.
        ClickWidget(Find<QLineEdit>("presupuestoDescripcionEdit"));
        QTest::qWait(20);
        auto* field = Find<QLineEdit>(caso.field);
        EXPECT_TRUE(field->hasFocus());
        EXPECT_EQ(field->text(), caso.typed);
        EXPECT_EQ(Text("presupuestoTotalEdit"), caso.total);

        Click("presupuestoGuardarButton");
        QTest::qWait(20);
        EXPECT_TRUE(EditorShown());
        EXPECT_TRUE(field->hasFocus());
        EXPECT_EQ(Rows("1"), QStringList{kEmptyRow});
        EXPECT_EQ(Dialogs().Shown().size(), 0u);

        // A number is taken.
        Retype(caso.field, "3");
        Click("presupuestoGuardarButton");
        EXPECT_EQ(Rows("1"),
                  QStringList{
                      "Insumos|Tubos|" +
                      QString(caso.field == QByteArray("presupuestoSubsidioEdit") ? "3|7" : "7|3") +
                      "|10"});
        NewDialogs();
    }
}

// Choosing the budget section while a line is being edited drops the line and shows the
// tables, both from another section and from the budget page itself.
TEST_F(PresupuestoVentanaTest, ChoosingTheBudgetSectionLeavesTheEditor) {
    OpenWith(QLatin1Char(','));
    ChooseDuration("2");
    ShowYear("2");
    AddLine({"Insumos", "Guantes", "100", "100"});

    for (const bool throughAnotherSection : {true, false}) {
        OpenLine("2", 0);
        ASSERT_TRUE(EditorShown());
        EXPECT_FALSE(Find<QTabWidget>("presupuestoAnioPageControl")->isEnabled());
        Retype("presupuestoDescripcionEdit", "Cambiado");
        Retype("presupuestoSubsidioEdit", "999");
        if (throughAnotherSection)
            ClickSection(1);
        ShowBudget();
        EXPECT_EQ(Find<QTabWidget>("PageControl")->currentWidget(),
                  Find<QWidget>("detalleDelPresupuestoDelProyectoTab"));
        EXPECT_FALSE(EditorShown());
        EXPECT_TRUE(Find<QTabWidget>("presupuestoAnioPageControl")->isEnabled());
        EXPECT_EQ(Text("presupuestoDescripcionEdit"), "");
        EXPECT_FALSE(Find<QLineEdit>("presupuestoSubsidioEdit")->isEnabled());
        EXPECT_EQ(Rows("2"), QStringList{"Insumos|Guantes|100|100|200"});
    }
    EXPECT_EQ(Dialogs().Shown().size(), 0u);
}

// A stored budget shown under each decimal separator, written under the same or the other
// one: every amount keeps its value and is shown (and stored again) in the regional form.
// Computed rows are recomputed, not read; a row of another year is left out; a category that
// is not in the list loads as it stands and must be chosen again to apply the line.
TEST_F(PresupuestoVentanaTest, StoredAmountsLoadUnderEitherSeparator) {
    struct TCaso {
        char stored;
        char regional;
    };
    for (const TCaso caso : {TCaso{',', '.'}, TCaso{'.', ','}, TCaso{'.', '.'}, TCaso{',', ','}}) {
        SCOPED_TRACE(std::string("stored ") + caso.stored + ", shown " + caso.regional);
        const QChar stored = QLatin1Char(caso.stored);
        const QChar regional = QLatin1Char(caso.regional);
        const auto s = [stored](const char* amount) { return Local(amount, stored); };
        const auto r = [regional](const char* amount) { return Local(amount, regional); };
        const auto row = [](const QString& rubro, const QString& sub, const QString& con,
                            const QString& total, const char* year) {
            return "<row rubro=\"" + rubro.toLatin1() + "\" descr=\"D\" contraparte=\"" +
                   con.toLatin1() + "\" subsidio=\"" + sub.toLatin1() + "\" total=\"" +
                   total.toLatin1() + "\" year=\"" + year + "\"/>";
        };
        WriteProject("<duracion><![CDATA[2]]></duracion><presupuesto>" +
                     row("Insumos", s("1000.5"), s("200.25"), s("1200.75"), "1") +
                     row("Otra cosa", s("0.3"), "0", s("0.30"), "1") +
                     row("GASTOS DE ADMINISTRACION DEL SUBSIDIO", "999", "0", "999", "1") +
                     row("TOTAL ANUAL", "999", "999", "999", "1") +
                     row("Equipamiento", s("12.5"), "-3", s("9.5"), "2") +
                     row("Insumos", "77", "77", "154", "4") +
                     row("Insumos", s("1.5"), "1", s("2.5"), "3") + "</presupuesto>");
        OpenWith(regional);
        EXPECT_EQ(Dialogs().Shown().size(), 0u);

        EXPECT_EQ(Rows("1"),
                  (QStringList{"Insumos|D|" + r("1000.5") + "|" + r("200.25") + "|" + r("1200.75"),
                               "Otra cosa|D|" + r("0.3") + "|0|" + r("0.3")}));
        EXPECT_EQ(Totals("1"), (QStringList{r("40.03"), "0", r("40.03"), r("1040.83"), r("200.25"),
                                            r("1241.08")}));
        EXPECT_EQ(Rows("2"), QStringList{"Equipamiento|D|" + r("12.5") + "|-3|" + r("9.5")});
        EXPECT_EQ(Totals("2"), (QStringList{r("0.5"), "0", r("0.5"), "13", "-3", "10"}));
        // Year 3 is hidden but holds its line.
        EXPECT_EQ(VisibleYears(), (QStringList{"Año 1", "Año 2"}));
        EXPECT_EQ(Rows("3"), QStringList{"Insumos|D|" + r("1.5") + "|1|" + r("2.5")});

        // The category not in the list: none is chosen, "Aplicar" asks for one.
        OpenLine("1", 1);
        ASSERT_TRUE(EditorShown());
        EXPECT_EQ(Find<QComboBox>("presupuestoRubroComboBox")->currentIndex(), -1);
        Click("presupuestoGuardarButton");
        EXPECT_EQ(Dialogs().Texts(TClase::Error), QStringList{"Debe elegir un rubro."});
        Click("presupuestoCancelarButton");
        NewDialogs();

        Save();
        EXPECT_EQ(StoredBudget(),
                  "presupuesto" + Row("Insumos", "D", r("200.25"), r("1000.5"), r("1200.75"), "1") +
                      Row("Otra cosa", "D", "0", r("0.3"), r("0.3"), "1") +
                      Administracion(r("40.03"), "1") +
                      TotalAnual(r("1040.83"), r("200.25"), r("1241.08"), "1") +
                      Row("Equipamiento", "D", "-3", r("12.5"), r("9.5"), "2") +
                      Administracion(r("0.5"), "2") + TotalAnual("13", "-3", "10", "2"));
        NewDialogs();
    }
}

// The store writes the years the page shows: lowering the duration keeps the hidden lines in
// their tables and out of the file until the duration is raised again, and a duration that is
// no longer chosen (a call chosen afterwards, or none ever) drops no line the page shows.
TEST_F(PresupuestoVentanaTest, StoreWritesTheYearsThePageShows) {
    ASSERT_TRUE(CopySampleInstallation(PathOf(QString())));
    OpenWith(QLatin1Char(','));
    // No project: no duration chosen yet, and the page shows its three years.
    ASSERT_EQ(VisibleYears(), (QStringList{"Año 1", "Año 2", "Año 3"}));
    AddLine({"Insumos", "Uno", "100", "0"});
    Save();
    const QString year1 = Row("Insumos", "Uno", "0", "100", "100", "1") + Administracion("4", "1") +
                          TotalAnual("104", "0", "104", "1");
    const QString empty2 = Administracion("0", "2") + TotalAnual("0", "0", "0", "2");
    const QString empty3 = Administracion("0", "3") + TotalAnual("0", "0", "0", "3");
    EXPECT_EQ(StoredBudget(), "presupuesto" + year1 + empty2 + empty3);

    ChooseDuration("3");
    ShowYear("3");
    AddLine({"Insumos", "Tres", "300", "0"});
    const QString year3 = Row("Insumos", "Tres", "0", "300", "300", "3") +
                          Administracion("12", "3") + TotalAnual("312", "0", "312", "3");
    // Year 3 holds a line: the user is asked first, and "No" keeps the duration.
    Dialogs().Answer(TBotonDialogo::No);
    ChooseDuration("1");
    EXPECT_EQ(Find<QComboBox>("duracionComboBox")->currentText(), "3");
    EXPECT_EQ(VisibleYears(), (QStringList{"Año 1", "Año 2", "Año 3"}));
    Dialogs().Answer(TBotonDialogo::Si);
    ChooseDuration("1");
    ASSERT_EQ(Dialogs().Texts(TClase::Mensaje).size(), 2);
    EXPECT_EQ(Dialogs().Shown().back().defaultButton, TBotonDialogo::No);
    EXPECT_EQ(VisibleYears(), QStringList{"Año 1"});
    // The hidden year was the one shown: the first year is shown instead.
    EXPECT_EQ(Find<QTabWidget>("presupuestoAnioPageControl")->currentIndex(), 0);
    Save();
    EXPECT_EQ(StoredBudget(), "presupuesto" + year1);
    ChooseDuration("3");
    Save();
    EXPECT_EQ(StoredBudget(), "presupuesto" + year1 + empty2 + year3);

    // A call refills the durations and leaves none chosen; the page still shows three years.
    ClickSection(0);
    PickItem(Find<QComboBox>("convocatoriaNameComboBox"), "ROVA-I-A-2026");
    ShowBudget();
    ASSERT_EQ(Find<QComboBox>("duracionComboBox")->currentIndex(), -1);
    Save();
    EXPECT_EQ(StoredText("project/document/properties/duracion/"), "");
    EXPECT_EQ(StoredBudget(), "presupuesto" + year1 + empty2 + year3);
    EXPECT_EQ(Dialogs().Texts(TClase::Error), QStringList());
}

} // namespace
