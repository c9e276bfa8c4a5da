#include "form/UPresupuestoItem.h"

#include "config/URegional.h"
#include "document/UXMLProject.h"
#include "form/UImportes.h"
#include "form/UListaPresupuesto.h"
#include "form/UPresupuestoItemValor.h"
#include "support/UProyectoPrueba.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Runs under either regional decimal separator.
class PresupuestoItemTest : public ::testing::TestWithParam<char> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(carpeta_.IsValid());
        SetRegional(std::make_unique<TConfiguracionRegionalFija>(QLatin1Char(GetParam()),
                                                                 QStringLiteral("dd/MM/yyyy")));
    }
    void TearDown() override { SetRegional(nullptr); }

    TCarpetaPrueba carpeta_;
};

QStringList Years(const TPresupuestoItems& items) {
    QStringList result;
    for (const TPresupuestoItem& item : items)
        result.append(item.year + QLatin1Char(':') + item.rubro);
    return result;
}

} // namespace

TEST(PresupuestoItem, ComputedRowsAreRecognisedExactly) {
    EXPECT_EQ(TPresupuestoItem::GetRubroGastosAdministracion(),
              QStringLiteral("GASTOS DE ADMINISTRACION DEL SUBSIDIO"));
    EXPECT_EQ(TPresupuestoItem::GetRubroTotalAnual(), QStringLiteral("TOTAL ANUAL"));

    const struct {
        const char* rubro;
        bool regular;
    } cases[] = {
        {"GASTOS DE ADMINISTRACION DEL SUBSIDIO", false},
        {"TOTAL ANUAL", false},
        {"GASTOS DE ADMINISTRACIÓN DEL SUBSIDIO", true}, // the page's label, with accent
        {"Total anual", true},
        {"TOTAL ANUAL ", true},
        {"Insumos", true},
        {"", true},
    };
    for (const auto& c : cases) {
        TPresupuestoItem item;
        item.rubro = QString::fromUtf8(c.rubro);
        EXPECT_EQ(item.IsRegular(), c.regular) << c.rubro;
    }
}

TEST_P(PresupuestoItemTest, StoredAmountsReadWithEitherSeparator) {
    const struct {
        const char* text;
        long double value;
    } cases[] = {
        {"1234.5", 1234.5L}, {"1234,5", 1234.5L}, {"-0,25", -0.25L}, {"36024", 36024},
        {"1.234,5", 0},      {"1,234.5", 0},      {"1 234", 0},      {"", 0},
        {"abc", 0},          {"12.5.0", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StoredAmountValue(QString::fromUtf8(c.text)), c.value) << c.text;

    // What the user types is still read with the regional separator only.
    const QString other = GetParam() == '.' ? QStringLiteral("12,5") : QStringLiteral("12.5");
    EXPECT_EQ(AmountValue(other), 0);
}

TEST_P(PresupuestoItemTest, ValorPicksItsColumn) {
    const TPresupuestoItem item(QStringLiteral("1"), QStringLiteral("Insumos"),
                                QStringLiteral("1000.25"), QStringLiteral("200,5"),
                                QStringLiteral("1200.75"));
    const TPresupuestoItemSubsidio subsidio;
    const TPresupuestoItemContraparte contraparte;
    const TPresupuestoItemValor& asSubsidio = subsidio;
    EXPECT_EQ(asSubsidio.GetValor(item), 1000.25L);
    EXPECT_EQ(contraparte.GetValor(item), 200.5L);
    EXPECT_EQ(subsidio.GetValor(TPresupuestoItem()), 0);
}

TEST(ListaPresupuesto, ReadsEveryStoredRowInOrder) {
    TCarpetaPrueba carpeta;
    ASSERT_TRUE(carpeta.IsValid());
    TXMLProject document(carpeta.ProyectoPath());
    EXPECT_TRUE(ReadPresupuestoItems(document).empty());

    AddBudgetRow(document, QStringLiteral("1"), QStringLiteral("Insumos"), QStringLiteral("1000"),
                 QStringLiteral("200"), QStringLiteral("1200"));
    AddBudgetRow(document, QStringLiteral("1"),
                 QStringLiteral("GASTOS DE ADMINISTRACION DEL SUBSIDIO"), QStringLiteral("40"),
                 QStringLiteral("0"), QStringLiteral("40"));
    AddBudgetRow(document, QStringLiteral("1"), QStringLiteral("TOTAL ANUAL"),
                 QStringLiteral("1040"), QStringLiteral("200"), QStringLiteral("1240"));
    // A row with attributes missing reads them as empty texts.
    TXMLNode bare = document.GetNode(QStringLiteral("project/document/properties/presupuesto/"))
                        .AppendChild(QStringLiteral("otra"));
    bare.SetAttribute(QStringLiteral("rubro"), QStringLiteral("Equipamiento"));

    const TPresupuestoItems items = ReadPresupuestoItems(document);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(Years(items),
              QStringList({QStringLiteral("1:Insumos"),
                           QStringLiteral("1:GASTOS DE ADMINISTRACION DEL SUBSIDIO"),
                           QStringLiteral("1:TOTAL ANUAL"), QStringLiteral(":Equipamiento")}));
    EXPECT_EQ(items[0].subsidio, QStringLiteral("1000"));
    EXPECT_EQ(items[0].contraparte, QStringLiteral("200"));
    EXPECT_EQ(items[0].total, QStringLiteral("1200"));
    EXPECT_TRUE(items[3].year.isEmpty());
    EXPECT_TRUE(items[3].subsidio.isEmpty());
    EXPECT_TRUE(items[3].contraparte.isEmpty());
    EXPECT_TRUE(items[3].total.isEmpty());
}

TEST(ListaPresupuesto, FiltersKeepTheirOrder) {
    const TPresupuestoItems items = {
        {QStringLiteral("1"), QStringLiteral("Insumos"), {}, {}, {}},
        {QStringLiteral("2"), QStringLiteral("Equipamiento"), {}, {}, {}},
        {QStringLiteral("0"), QStringLiteral("Insumos"), {}, {}, {}},
        {QStringLiteral("1"), QStringLiteral("TOTAL ANUAL"), {}, {}, {}},
        {QStringLiteral("1"), QStringLiteral("GASTOS DE ADMINISTRACION DEL SUBSIDIO"), {}, {}, {}},
        {QStringLiteral("3"), QStringLiteral("insumos"), {}, {}, {}},
        {QStringLiteral("01"), QStringLiteral("Insumos"), {}, {}, {}},
    };
    EXPECT_EQ(Years(RegularItems(items)),
              QStringList({QStringLiteral("1:Insumos"), QStringLiteral("2:Equipamiento"),
                           QStringLiteral("0:Insumos"), QStringLiteral("3:insumos"),
                           QStringLiteral("01:Insumos")}));
    // Year "0" rows belong to every year; "01" is not "1".
    EXPECT_EQ(Years(ItemsOfYear(RegularItems(items), QStringLiteral("1"))),
              QStringList({QStringLiteral("1:Insumos"), QStringLiteral("0:Insumos")}));
    EXPECT_EQ(Years(ItemsOfYear(items, QStringLiteral("3"))),
              QStringList({QStringLiteral("0:Insumos"), QStringLiteral("3:insumos")}));
    EXPECT_EQ(Years(ItemsOfRubro(items, QStringLiteral("Insumos"))),
              QStringList({QStringLiteral("1:Insumos"), QStringLiteral("0:Insumos"),
                           QStringLiteral("01:Insumos")}));
    EXPECT_TRUE(ItemsOfRubro(items, QStringLiteral("Beca Doctoral")).empty());
}

// The two budget lines of the budget page's example: subsidies 1000 and 500.5, counterparts 200
// and 0, stored under either separator and read under either.
TEST_P(PresupuestoItemTest, SumValorAddsOneColumn) {
    const TPresupuestoItems items = {
        {QStringLiteral("1"), QStringLiteral("Insumos"), QStringLiteral("1000"),
         QStringLiteral("200"), QStringLiteral("1200")},
        {QStringLiteral("1"), QStringLiteral("Viajes y viáticos"), QStringLiteral("500.5"),
         QStringLiteral("0"), QStringLiteral("500.5")},
        {QStringLiteral("2"), QStringLiteral("Bibliografía"), QStringLiteral("0,25"),
         QStringLiteral("x"), QString()},
    };
    EXPECT_EQ(SumValor(items, TPresupuestoItemSubsidio()), 1500.75L);
    EXPECT_EQ(SumValor(items, TPresupuestoItemContraparte()), 200);
    EXPECT_EQ(FormatAmount(SumValor(items, TPresupuestoItemSubsidio())),
              QStringLiteral("1500") + QLatin1Char(GetParam()) + QStringLiteral("75"));
    EXPECT_EQ(SumValor({}, TPresupuestoItemSubsidio()), 0);
}

INSTANTIATE_TEST_SUITE_P(Separadores, PresupuestoItemTest, ::testing::Values('.', ','),
                         [](const auto& info) {
                             return info.param == '.' ? std::string("Punto") : std::string("Coma");
                         });
