#include "rules/UReglasPresupuesto.h"

#include "config/URegional.h"
#include "document/UXMLProject.h"
#include "support/UProyectoPrueba.h"
#include "support/USeparadorPrueba.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

class ReglasPresupuestoTest : public TPruebaConSeparador {
  protected:
    struct Line {
        const char* year;
        const char* rubro;
        const char* subsidio;
        const char* contraparte;
    };
    TPresupuestoItems Items(const std::vector<Line>& lines) const {
        TPresupuestoItems items;
        for (const Line& line : lines) {
            items.emplace_back(QString::fromUtf8(line.year), QString::fromUtf8(line.rubro),
                               Local(line.subsidio), Local(line.contraparte), QString());
        }
        return items;
    }
};

QString Text(const std::optional<QString>& message) {
    return message.value_or(QStringLiteral("<none>"));
}

} // namespace

TEST_P(ReglasPresupuestoTest, EmptyYears) {
    const QString two = QStringLiteral("La tabla de presupuesto para el año 2 se encuentra vacía");
    const QString three =
        QStringLiteral("La tabla de presupuesto para el año 3 se encuentra vacía");
    const QString one = QStringLiteral("La tabla de presupuesto para el año 1 se encuentra vacía");
    const struct {
        std::vector<Line> lines;
        int duracion;
        QString expected;
    } cases[] = {
        {{{"1", "Insumos", "1", "1"}}, 3, two + QChar(13) + three},
        {{{"1", "Insumos", "1", "1"}, {"2", "Insumos", "1", "1"}}, 2, QStringLiteral("<none>")},
        {{{"2", "Insumos", "1", "1"}}, 2, one},
        {{{"3", "Insumos", "1", "1"}}, 3, one + QChar(13) + two},
        {{{"0", "Insumos", "1", "1"}}, 3, QStringLiteral("<none>")},
        {{{"01", "Insumos", "1", "1"}}, 1, one},
        {{{"4", "Insumos", "1", "1"}}, 1, one},
        {{{"2", "Insumos", "1", "1"}}, 0, QStringLiteral("<none>")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Text(TReglasPresupuesto::CheckEmptyYears(Items(c.lines), c.duracion)), c.expected)
            << "duracion " << c.duracion << ", first year " << c.lines[0].year;
    }
}

TEST_P(ReglasPresupuestoTest, SubsidioAgainstContraparte) {
    const struct {
        std::vector<Line> lines;
        bool exceeds;
    } cases[] = {
        {{{"1", "Insumos", "100", "100"}}, false},
        {{{"1", "Insumos", "100.01", "100"}}, true},
        {{{"1", "Insumos", "99.99", "100"}}, false},
        {{{"1", "Insumos", "100", "50"}, {"2", "Equipamiento", "0", "50"}}, false},
        {{{"1", "Insumos", "100", "50"}, {"2", "Equipamiento", "0.01", "50"}}, true},
        // Cents that add up to the counterpart exactly, though their binary sum is above it.
        {{{"1", "Insumos", "1000.09", "3333.64"}, {"1", "Equipamiento", "2333.55", "0"}}, false},
        {{{"1", "Insumos", "0.06", "0.21"}, {"1", "Equipamiento", "0.15", "0"}}, false},
        // Written under the other separator: still read, never 0.
        {{{"1", "Insumos", "100~01", "100"}}, true},
        {{{"1", "Insumos", "100", "100~01"}}, false},
        {{{"1", "Insumos", "abc", "0"}}, false},
        {{{"1", "Personal (Salarios)", "0", "900"}}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TReglasPresupuesto::SubsidioExceedsContraparte(Items(c.lines)), c.exceeds)
            << c.lines[0].subsidio << " / " << c.lines[0].contraparte;
    }
}

TEST_P(ReglasPresupuestoTest, RubroRanges) {
    const struct {
        std::vector<Line> lines;
        const char* rubro;
        const char* year;
        const char* minimo;
        const char* maximo;
        const char* expected; // after Local
    } cases[] = {
        {{{"1", "Beca Doctoral", "23664", "0"}}, "Beca Doctoral", "1", "23664", "36024", nullptr},
        {{{"1", "Beca Doctoral", "36024", "0"}}, "Beca Doctoral", "1", "23664", "36024", nullptr},
        {{{"1", "Beca Doctoral", "36024.01", "0"}},
         "Beca Doctoral",
         "1",
         "23664",
         "36024",
         "El total del rubro Beca Doctoral para el año 1 es de $36024.01 y debe encontrarse "
         "entre $23664 y $36024"},
        {{{"1", "Beca Doctoral", "20000", "0"}},
         "Beca Doctoral",
         "1",
         "23664",
         "36024",
         "El total del rubro Beca Doctoral para el año 1 es de $20000 y debe encontrarse entre "
         "$23664 y $36024"},
        {{{"1", "Beca Doctoral", "23663.99", "0"}},
         "Beca Doctoral",
         "1",
         "23664",
         "36024",
         "El total del rubro Beca Doctoral para el año 1 es de $23663.99 y debe encontrarse "
         "entre $23664 y $36024"},
        // Several lines of a year add up; lines of another year and other rubros do not count.
        {{{"1", "Beca Doctoral", "20000", "0"},
          {"1", "Beca Doctoral", "16024", "0"},
          {"2", "Beca Doctoral", "1", "0"},
          {"1", "Beca PostDoctoral", "1", "0"}},
         "Beca Doctoral",
         "1",
         "23664",
         "36024",
         nullptr},
        {{{"1", "Beca Doctoral", "29512.13", "0"},
          {"1", "Beca Doctoral", "3255.93", "0"},
          {"1", "Beca Doctoral", "3255.94", "0"}},
         "Beca Doctoral",
         "1",
         "23664",
         "36024",
         nullptr},
        {{{"1", "Beca Doctoral", "20000", "0"}}, "Beca Doctoral", "2", "23664", "36024", nullptr},
        {{{"1", "beca doctoral", "1", "0"}}, "Beca Doctoral", "1", "23664", "36024", nullptr},
        // A year "0" line belongs to every year.
        {{{"0", "Beca PostDoctoral", "28000", "0"}},
         "Beca PostDoctoral",
         "3",
         "28716",
         "45336",
         "El total del rubro Beca PostDoctoral para el año 3 es de $28000 y debe encontrarse "
         "entre $28716 y $45336"},
        {{{"2", "Beca PostDoctoral", "45336~01", "0"}},
         "Beca PostDoctoral",
         "2",
         "28716",
         "45336",
         "El total del rubro Beca PostDoctoral para el año 2 es de $45336.01 y debe encontrarse "
         "entre $28716 y $45336"},
        {{{"1", "Personal (Salarios)", "0", "5000"}},
         "Personal (Salarios)",
         "1",
         "0",
         "0",
         nullptr},
        {{{"1", "Personal (Salarios)", "0.01", "5000"}},
         "Personal (Salarios)",
         "1",
         "0",
         "0",
         "El total del rubro Personal (Salarios) para el año 1 es de $0.01 y debe encontrarse "
         "entre $0 y $0"},
        {{{"3", "Personal (Salarios)", "-5", "0"}},
         "Personal (Salarios)",
         "3",
         "0",
         "0",
         "El total del rubro Personal (Salarios) para el año 3 es de $-5 y debe encontrarse "
         "entre $0 y $0"},
        {{{"1", "Personal (Salarios)", "100", "0"}, {"1", "Personal (Salarios)", "-100", "0"}},
         "Personal (Salarios)",
         "1",
         "0",
         "0",
         nullptr},
        {{{"1", "Personal (Salarios)", "x", "0"}}, "Personal (Salarios)", "1", "0", "0", nullptr},
    };
    for (const auto& c : cases) {
        const QString expected = c.expected ? Local(c.expected) : QStringLiteral("<none>");
        EXPECT_EQ(Text(TReglasPresupuesto::CheckRubroRange(
                      Items(c.lines), QString::fromUtf8(c.rubro), QString::fromUtf8(c.year),
                      QString::fromUtf8(c.minimo), QString::fromUtf8(c.maximo))),
                  expected)
            << c.rubro << " " << c.year << " " << c.lines[0].subsidio;
    }
}

TEST(ReglasPresupuesto, MaxSubsidioAnual) {
    const struct {
        int year;
        int area;
        const char* tipo;
        long double maximo;
    } cases[] = {
        {1, 1, "ROVA-I-B", 15000},  {3, 4, "ROVA-II-B", 15000},  {2, 16, "ROVA-I-B", 15000},
        {1, 4, "ROVA-II-A", 80000}, {2, 4, "ROVA-I-A", 80000},   {3, 4, "", 70000},
        {1, 2, "", 80000},          {1, 16, "", 80000},          {2, 2, "", 80000},
        {3, 16, "", 70000},         {1, 1, "", 130000},          {2, 1, "", 90000},
        {3, 1, "", 80000},          {1, 17, "rova-i-b", 130000}, {0, 3, "", 80000},
        {4, 3, "ROVA-II-A", 80000}, {1, 0, "", 130000},          {2, 5, "ROVA-I-BB", 90000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TReglasPresupuesto::MaxSubsidioAnual(c.year, c.area, QString::fromUtf8(c.tipo)),
                  c.maximo)
            << c.year << " " << c.area << " " << c.tipo;
    }
}

TEST_P(ReglasPresupuestoTest, YearlyCeiling) {
    const auto line = [](int year, const char* subsidio, const char* tope) {
        return QStringLiteral("El subsidio total para el año %1 es de %2 pero en el área "
                              "seleccionada no puede superar el total de $%3")
            .arg(year)
            .arg(QString::fromUtf8(subsidio), QString::fromUtf8(tope));
    };
    const struct {
        std::vector<Line> lines;
        const char* area;
        const char* tipo;
        QString expected; // "." and "~" replaced by Local
    } cases[] = {
        {{{"1", "TOTAL ANUAL", "15000", "0"}}, "01", "ROVA-II-B", QStringLiteral("<none>")},
        {{{"1", "TOTAL ANUAL", "15000.01", "0"}}, "01", "ROVA-II-B", line(1, "15000.01", "15000")},
        {{{"3", "TOTAL ANUAL", "15000.01", "0"}}, "04", "ROVA-I-B", line(3, "15000.01", "15000")},
        {{{"1", "TOTAL ANUAL", "80000", "0"}}, "04", "ROVA-I-A", QStringLiteral("<none>")},
        {{{"1", "TOTAL ANUAL", "80000.01", "0"}}, "04", "ROVA-I-A", line(1, "80000.01", "80000")},
        {{{"3", "TOTAL ANUAL", "70000", "0"}}, "04", "", QStringLiteral("<none>")},
        {{{"3", "TOTAL ANUAL", "70000.01", "0"}}, "04", "", line(3, "70000.01", "70000")},
        {{{"1", "TOTAL ANUAL", "130000", "0"}}, "01", "", QStringLiteral("<none>")},
        {{{"1", "TOTAL ANUAL", "130000.01", "0"}}, "01", "", line(1, "130000.01", "130000")},
        {{{"2", "TOTAL ANUAL", "90000.01", "0"}}, "1", "", line(2, "90000.01", "90000")},
        // Only the annual totals count, never the lines nor the administration rows.
        {{{"1", "Equipamiento", "900000", "0"},
          {"1", "GASTOS DE ADMINISTRACION DEL SUBSIDIO", "900000", "0"},
          {"1", "TOTAL ANUAL", "10", "0"}},
         "04",
         "",
         QStringLiteral("<none>")},
        // Two years over: one entry, in document order; the stored text is shown as stored.
        {{{"2", "TOTAL ANUAL", "95000~5", "0"},
          {"1", "TOTAL ANUAL", "100", "0"},
          {"1", "TOTAL ANUAL", "130000.01", "0"}},
         "01",
         "",
         line(2, "95000~5", "90000") + QChar(13) + line(1, "130000.01", "130000")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Text(TReglasPresupuesto::CheckMaxSubsidioAnual(
                      Items(c.lines), QString::fromUtf8(c.area), QString::fromUtf8(c.tipo))),
                  Local(c.expected.toUtf8().constData()))
            << c.lines[0].subsidio << " " << c.area << " " << c.tipo;
    }
}

TEST_P(ReglasPresupuestoTest, Shares) {
    const struct {
        std::vector<Line> lines;
        const char* rubro;
        int limite;
        const char* expected;
    } cases[] = {
        {{{"1", "Equipamiento", "400", "0"}, {"2", "Insumos", "600", "0"}},
         "Equipamiento",
         40,
         nullptr},
        // 40.004 % breaks the rule though it shows as 40.
        {{{"1", "Equipamiento", "400.04", "0"}, {"2", "Insumos", "599.96", "0"}},
         "Equipamiento",
         40,
         "El porcentaje del subsidio para el rubro \"Equipamiento\" es de 40% ($400.04) pero no "
         "debe ser mayor al 40%"},
        // Exactly 40 % in cents whose binary quotient lands a hair above.
        {{{"1", "Equipamiento", "1000.22", "0"}, {"1", "Insumos", "1500.33", "0"}},
         "Equipamiento",
         40,
         nullptr},
        {{{"1", "Equipamiento", "0.02", "0"}, {"1", "Insumos", "0.03", "0"}},
         "Equipamiento",
         40,
         nullptr},
        // All years together.
        {{{"1", "Viajes y viáticos", "1500", "0"},
          {"3", "Viajes y viáticos", "1501", "0"},
          {"2", "Insumos", "6999", "0"}},
         "Viajes y viáticos",
         30,
         "El porcentaje del subsidio para el rubro \"Viajes y viáticos\" es de 30.01% ($3001) "
         "pero no debe ser mayor al 30%"},
        {{{"1", "Gastos de servicios técnicos especializados", "2000", "0"},
          {"1", "Insumos", "8000", "0"}},
         "Gastos de servicios técnicos especializados",
         20,
         nullptr},
        {{{"1", "Gastos de servicios técnicos especializados", "100.5", "0"},
          {"1", "Insumos", "100~5", "0"}},
         "Gastos de servicios técnicos especializados",
         20,
         "El porcentaje del subsidio para el rubro \"Gastos de servicios técnicos "
         "especializados\" es de 50% ($100.5) pero no debe ser mayor al 20%"},
        {{{"1", "Equipamiento", "1", "0"}},
         "Equipamiento",
         40,
         "El porcentaje del subsidio para el rubro \"Equipamiento\" es de 100% ($1) pero no "
         "debe ser mayor al 40%"},
        {{{"1", "Insumos", "1", "0"}}, "Equipamiento", 40, nullptr},
        // No subsidy at all: there is no share to exceed.
        {{{"1", "Equipamiento", "0", "5000"}, {"1", "Insumos", "0", "100"}},
         "Equipamiento",
         40,
         nullptr},
        {{{"1", "Equipamiento", "x", "5000"}}, "Equipamiento", 40, nullptr},
        {{{"1", "Equipamiento", "100", "0"}, {"1", "Insumos", "-100", "0"}},
         "Equipamiento",
         40,
         nullptr},
    };
    for (const auto& c : cases) {
        const QString expected = c.expected ? Local(c.expected) : QStringLiteral("<none>");
        EXPECT_EQ(Text(TReglasPresupuesto::CheckRubroPercentage(
                      Items(c.lines), QString::fromUtf8(c.rubro), c.limite)),
                  expected)
            << c.rubro << " " << c.lines[0].subsidio;
    }
}

TEST(ReglasPresupuesto, DuracionAndAreaFromTheDocument) {
    TCarpetaPrueba carpeta;
    ASSERT_TRUE(carpeta.IsValid());
    TXMLProject document(carpeta.ProyectoPath());
    EXPECT_EQ(TReglasPresupuesto::Duracion(document), 1);
    EXPECT_TRUE(TReglasPresupuesto::AreaCode(document).isEmpty());

    const QString duracion = QStringLiteral("project/document/properties/duracion/");
    const struct {
        const char* text;
        int expected;
    } cases[] = {{"3", 3},   {"2", 2},          {"", 1},  {"dos", 1},
                 {"2.5", 1}, {"2000000000", 1}, {"4", 1}, {"0", 1}};
    for (const auto& c : cases) {
        document.SetCData(duracion, QString::fromUtf8(c.text));
        EXPECT_EQ(TReglasPresupuesto::Duracion(document), c.expected) << c.text;
    }
    document.ForceAttribute(QStringLiteral("project/document/properties/areatematica/principal/"),
                            QStringLiteral("code"), QStringLiteral("04"));
    EXPECT_EQ(TReglasPresupuesto::AreaCode(document), QStringLiteral("04"));
}

INSTANTIATE_TEST_SUITE_P(Separadores, ReglasPresupuestoTest, ::testing::Values('.', ','),
                         [](const auto& info) {
                             return info.param == '.' ? std::string("Punto") : std::string("Coma");
                         });
