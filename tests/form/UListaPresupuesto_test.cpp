// The budget as the core reads and writes it: the year's totals, and the rows written beside
// the reader the rules use.
#include "form/UListaPresupuesto.h"

#include "config/URegional.h"
#include "document/UXMLProject.h"
#include "form/UTotalesAnio.h"
#include "support/UProyectoPrueba.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class ListaPresupuestoTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(carpeta_.IsValid());
        SetRegional(std::make_unique<TConfiguracionRegionalFija>(QLatin1Char(','),
                                                                 QStringLiteral("dd/MM/yyyy")));
    }
    void TearDown() override { SetRegional(nullptr); }

    TCarpetaPrueba carpeta_;
};

TRenglonPresupuesto Linea(const char* subsidio, const char* contraparte) {
    return {QStringLiteral("Insumos"), QStringLiteral("d"), QString::fromLatin1(subsidio),
            QString::fromLatin1(contraparte), QString()};
}

QString Texto(const TTotalesAnio& t) {
    return QStringList{t.subGasto, t.conGasto, t.totGasto, t.subTotal, t.conTotal, t.totTotal}.join(
        QLatin1Char(' '));
}

} // namespace

// Administration is 4 % of the subsidy, rounded to cents; the counterpart has none; each
// column is added on its own, the lines' totals are never used.
TEST_F(ListaPresupuestoTest, TotalsOfAYear) {
    const struct {
        TRenglones lineas;
        const char* totales;
    } cases[] = {
        {{}, "0 0 0 0 0 0"},
        {{Linea("1000,5", "250")}, "40,02 0 40,02 1040,52 250 1290,52"},
        {{Linea("1000,5", "250"), Linea("99,99", "0")}, "44,02 0 44,02 1144,51 250 1394,51"},
        // 4 % of 0,13 is 0,0052: the administration rounds to 0,01.
        {{Linea("0,13", "0,01")}, "0,01 0 0,01 0,14 0,01 0,15"},
        {{Linea("", "")}, "0 0 0 0 0 0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Texto(TotalesDeAnio(c.lineas)), QString::fromLatin1(c.totales));
}

// Written rows read back as entered, per year; the computed rows follow each included year and
// are skipped on reading; a year left out keeps nothing.
TEST_F(ListaPresupuestoTest, WrittenLinesReadBackPerYear) {
    TXMLProject document(carpeta_.ProyectoPath());
    const TRenglones uno = {Linea("1000,5", "250"), Linea("10", "0,01")};
    const TRenglones dos = {Linea("7", "3")};
    WritePresupuesto(document, {uno, dos, {Linea("1", "1")}}, {true, true, false});

    const TPresupuestoItems items = ReadPresupuestoItems(document);
    ASSERT_EQ(items.size(), 7u);
    EXPECT_EQ(items[2].rubro, TPresupuestoItem::GetRubroGastosAdministracion());
    EXPECT_EQ(items[3].rubro, TPresupuestoItem::GetRubroTotalAnual());
    EXPECT_EQ(items[3].subsidio, QStringLiteral("1050,92"));
    EXPECT_EQ(items[6].year, QStringLiteral("2"));

    const TPresupuestoPorAnio leido = ReadRenglonesPresupuesto(document);
    ASSERT_EQ(leido[0].size(), 2u);
    EXPECT_EQ(leido[0][1].contraparte, QStringLiteral("0,01"));
    ASSERT_EQ(leido[1].size(), 1u);
    EXPECT_TRUE(leido[2].empty());
}

// Amounts stored with the other separator, or rows of a year the page has no table for.
TEST_F(ListaPresupuestoTest, ReadingTakesEitherSeparatorAndOnlyYearsOneToThree) {
    TXMLProject document(carpeta_.ProyectoPath());
    AddBudgetRow(document, QStringLiteral("2"), QStringLiteral("Insumos"), QStringLiteral("1000.5"),
                 QStringLiteral("0.25"));
    AddBudgetRow(document, QStringLiteral("0"), QStringLiteral("Insumos"), QStringLiteral("1"),
                 QStringLiteral("1"));
    AddBudgetRow(document, QStringLiteral("4"), QStringLiteral("Insumos"), QStringLiteral("1"),
                 QStringLiteral("1"));
    const TPresupuestoPorAnio leido = ReadRenglonesPresupuesto(document);
    EXPECT_TRUE(leido[0].empty());
    ASSERT_EQ(leido[1].size(), 1u);
    EXPECT_EQ(leido[1][0].subsidio, QStringLiteral("1000,5"));
    EXPECT_EQ(leido[1][0].contraparte, QStringLiteral("0,25"));
    EXPECT_TRUE(leido[2].empty());
}
