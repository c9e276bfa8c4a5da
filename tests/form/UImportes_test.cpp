#include "form/UImportes.h"

#include "config/URegional.h"
#include "support/USeparadorPrueba.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <limits>
#include <memory>
#include <string>

namespace {

class ImportesTest : public TPruebaConSeparador {};

// Exact decimal text of n hundredths, built with integer arithmetic only.
std::string HundredthsText(long long n) {
    std::string text = n < 0 ? "-" : "";
    const long long magnitude = std::llabs(n);
    text += std::to_string(magnitude / 100);
    const long long cents = magnitude % 100;
    if (cents != 0) {
        text += '.';
        text += static_cast<char>('0' + cents / 10);
        if (cents % 10 != 0)
            text += static_cast<char>('0' + cents % 10);
    }
    return text;
}

} // namespace

TEST_P(ImportesTest, FormatAmount) {
    struct Case {
        long double value;
        const char* text;
    };
    const Case cases[] = {
        {0.0L, "0"},
        {-0.0L, "0"},
        {1.0L, "1"},
        {12.5L, "12.5"},
        {12.50L, "12.5"},
        {0.1L, "0.1"},
        {0.05L, "0.05"},
        {1.10L, "1.1"},
        {1234.5L, "1234.5"},
        {1000000.0L, "1000000"},
        // Half away from zero, on the decimal digits of the value.
        {1.005L, "1.01"},
        {0.125L, "0.13"},
        {2.675L, "2.68"},
        {1.115L, "1.12"},
        {-1.005L, "-1.01"},
        {-2.675L, "-2.68"},
        {0.005L, "0.01"},
        {-0.005L, "-0.01"},
        {0.0049L, "0"},
        {0.00499999L, "0"},
        {1.0049999L, "1"},
        {1.004L, "1"},
        {0.994L, "0.99"},
        {0.995L, "1"},
        {9.995L, "10"},
        {99.999L, "100"},
        {999999.995L, "1000000"},
        {0.012L, "0.01"},
        {60.02L, "60.02"},
        // Small magnitudes round to zero, without a sign.
        {-0.004L, "0"},
        {-0.0001L, "0"},
        {1e-20L, "0"},
        {-1e-300L, "0"},
        {0.0005L, "0"},
        // Big values keep every digit and get no thousands separator.
        {123456789.99L, "123456789.99"},
        {-123456789.99L, "-123456789.99"},
        {9999999999999999.99L, "9999999999999999.99"},
        {1e20L, "100000000000000000000"},
        {-5e18L, "-5000000000000000000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatAmount(c.value), Local(c.text)) << c.text;
}

TEST_P(ImportesTest, FormatAmountOfEveryHundredth) {
    for (long long n = -100000; n <= 100000; ++n)
        ASSERT_EQ(FormatAmount(static_cast<long double>(n) / 100).toStdString(),
                  Local(HundredthsText(n).c_str()).toStdString())
            << n;
}

TEST_P(ImportesTest, FormatAmountRoundsThousandthsHalfAwayFromZero) {
    for (long long n = -100000; n <= 100000; ++n) {
        const long long hundredths = (n < 0 ? -1 : 1) * ((std::llabs(n) + 5) / 10);
        ASSERT_EQ(FormatAmount(static_cast<long double>(n) / 1000).toStdString(),
                  Local(HundredthsText(hundredths).c_str()).toStdString())
            << n;
    }
}

TEST_P(ImportesTest, FormatAmountOfNonFiniteValues) {
    EXPECT_EQ(FormatAmount(std::numeric_limits<long double>::infinity()), QStringLiteral("0"));
    EXPECT_EQ(FormatAmount(-std::numeric_limits<long double>::infinity()), QStringLiteral("0"));
    EXPECT_EQ(FormatAmount(std::numeric_limits<long double>::quiet_NaN()), QStringLiteral("0"));
}

TEST_P(ImportesTest, ParseAmountAccepts) {
    struct Case {
        const char* text;
        long double value;
    };
    const Case cases[] = {
        {"0", 0.0L},
        {"12.50", 12.5L},
        {"12.5", 12.5L},
        {"1234", 1234.0L},
        {"007", 7.0L},
        {"-3", -3.0L},
        {"+3", 3.0L},
        {"-0.5", -0.5L},
        {".5", 0.5L},
        {"5.", 5.0L},
        {"-.25", -0.25L},
        {"  12.5", 12.5L},
        {"12.5  ", 12.5L},
        {" -1.005 ", -1.005L},
        {"1e3", 1000.0L},
        {"2.5E-2", 0.025L},
        {"1E+2", 100.0L},
        {"0.1", 0.1L},
        {"123456789.99", 123456789.99L},
        {"9999999999999999.99", 9999999999999999.99L},
        {"0.000000001", 0.000000001L},
    };
    for (const Case& c : cases) {
        long double value = 42;
        EXPECT_TRUE(ParseAmount(Local(c.text), value)) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
        EXPECT_EQ(AmountValue(Local(c.text)), c.value) << c.text;
    }
}

// What a user may type into a budget line: plain non-negative amounts with at most two
// decimals.
TEST_P(ImportesTest, ParseTypedAmount) {
    const struct {
        const char* text;
        bool accepted;
        long double value;
    } cases[] = {
        {"12.50", true, 12.5L}, {" 7 ", true, 7.0L},   {"5.", true, 5.0L},  {".25", true, 0.25L},
        {"0", true, 0.0L},      {"-5", false, 0},      {"-0", false, 0},    {"+5", false, 0},
        {"1e300", false, 0},    {"2.5E-2", false, 0},  {"1.005", false, 0}, {"", false, 0},
        {"abc", false, 0},      {"1.000.5", false, 0},
    };
    for (const auto& c : cases) {
        long double value = 42;
        EXPECT_EQ(ParseTypedAmount(Local(c.text), value), c.accepted) << c.text;
        EXPECT_EQ(value, c.accepted ? c.value : 42) << c.text;
    }
}

TEST_P(ImportesTest, ParseAmountRejects) {
    struct Case {
        const char* text;
        const char* why;
    };
    const Case cases[] = {
        {"", "empty"},
        {" ", "blank"},
        {"-", "sign alone"},
        {"+", "sign alone"},
        {".", "separator alone"},
        {"-.", "no digits"},
        {"abc", "letters"},
        {"12abc", "trailing letters"},
        {"abc12", "leading letters"},
        {"1~5", "the other separator"},
        {"1~000.5", "thousands separator"},
        {"1.000~5", "thousands separator"},
        {"1 000", "blank as thousands separator"},
        {"1.2.3", "two separators"},
        {"--1", "two signs"},
        {"+-1", "two signs"},
        {"- 1", "blank after the sign"},
        {"1-", "trailing sign"},
        {"1e", "exponent without digits"},
        {"1e+", "exponent without digits"},
        {"e5", "exponent without mantissa"},
        {"1e5.5", "fractional exponent"},
        {"1e99999", "beyond long double"},
        {"0x10", "hexadecimal"},
        {"inf", "infinity"},
        {"-INF", "infinity"},
        {"nan", "not a number"},
        {"\t12", "tab: only blanks are trimmed"},
        {"12\n", "line break"},
        {"12\u00a0", "no-break space"},
        {"١٢", "Arabic-Indic digits"},
        {"１２", "full-width digits"},
        {"$12", "currency sign"},
        {"12%", "percent sign"},
    };
    for (const Case& c : cases) {
        long double value = 42;
        EXPECT_FALSE(ParseAmount(Local(c.text), value)) << c.text << " (" << c.why << ")";
        EXPECT_EQ(value, 42.0L) << c.why;
        EXPECT_EQ(AmountValue(Local(c.text)), 0.0L) << c.why;
    }
}

TEST_P(ImportesTest, SumAmounts) {
    struct Case {
        const char* a;
        const char* b;
        const char* sum;
    };
    const Case cases[] = {
        {"0.1", "0.2", "0.3"},
        {"0.3", "0.6", "0.9"},
        {"1000", "500.5", "1500.5"},
        {"1500.5", "60.02", "1560.52"},
        {"12.50", "0", "12.5"},
        {"1.005", "0", "1.01"},
        {"-1.005", "0", "-1.01"},
        {"0.01", "-0.01", "0"},
        {"-5", "2.5", "-2.5"},
        {"123456789.99", "0.01", "123456790"},
        {"123456789.99", "123456789.99", "246913579.98"},
        {"", "", "0"},
        {"", "7", "7"},
        {"abc", "7.25", "7.25"},
        {"1~5", "2", "2"}, // written under the other separator: counts as 0
        {"1000", "1~5", "1000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SumAmounts(Local(c.a), Local(c.b)), Local(c.sum)) << c.a << " + " << c.b;
}

TEST_P(ImportesTest, RunningSumOfTenthsStaysExact) {
    // Without rounding each partial sum, 0.1 added a thousand times drifts off 100.
    QString total = QStringLiteral("0");
    for (int i = 1; i <= 1000; ++i) {
        total = SumAmounts(total, Local("0.1"));
        ASSERT_EQ(total.toStdString(), Local(HundredthsText(i * 10LL).c_str()).toStdString());
    }
}

TEST_P(ImportesTest, YearTotalsOfTheBudget) {
    // Two lines (1000 + 200 and 500.5 + 0), then 4 % of the subsidy for administration.
    QString subsidio = QStringLiteral("0");
    QString contraparte = QStringLiteral("0");
    QString total = QStringLiteral("0");
    const char* const lines[][2] = {{"1000", "200"}, {"500.5", "0"}};
    for (const auto& line : lines) {
        subsidio = SumAmounts(subsidio, Local(line[0]));
        contraparte = SumAmounts(contraparte, Local(line[1]));
        total = SumAmounts(contraparte, subsidio);
    }
    const QString gastos = FormatAmount(AmountValue(subsidio) * 4 / 100);
    EXPECT_EQ(gastos, Local("60.02"));
    EXPECT_EQ(SumAmounts(subsidio, gastos), Local("1560.52"));
    EXPECT_EQ(contraparte, Local("200"));
    EXPECT_EQ(SumAmounts(total, gastos), Local("1760.52"));

    // A subtotal of 0.3 gives 0.012, shown as 0.01.
    EXPECT_EQ(FormatAmount(AmountValue(Local("0.3")) * 4 / 100), Local("0.01"));
}

INSTANTIATE_TEST_SUITE_P(Separators, ImportesTest, ::testing::Values('.', ','),
                         [](const ::testing::TestParamInfo<char>& info) {
                             return std::string(info.param == '.' ? "Point" : "Comma");
                         });

TEST(Importes, IgnoresTheCLibraryNumericLocale) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    const char* found = nullptr;
    // Unix names, then Windows ones.
    for (const char* name : {"es_AR.UTF-8", "es_AR.utf8", "es_ES.UTF-8", "de_DE.UTF-8",
                             "Spanish_Argentina.1252", "es-AR", "German_Germany.1252"}) {
        if (std::setlocale(LC_NUMERIC, name) && std::string(localeconv()->decimal_point) == ",") {
            found = name;
            break;
        }
    }
    if (!found) {
        std::setlocale(LC_NUMERIC, previous.c_str());
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    SetRegional(std::make_unique<TConfiguracionRegionalFija>(QLatin1Char('.'),
                                                             QStringLiteral("dd/MM/yyyy")));
    long double value = 0;
    EXPECT_TRUE(ParseAmount(QStringLiteral("1234.56"), value)) << found;
    EXPECT_EQ(value, 1234.56L) << found;
    EXPECT_FALSE(ParseAmount(QStringLiteral("1234,56"), value)) << found;
    EXPECT_EQ(FormatAmount(2.675L), QStringLiteral("2.68")) << found;
    EXPECT_EQ(SumAmounts(QStringLiteral("0.1"), QStringLiteral("0.2")), QStringLiteral("0.3"))
        << found;
    SetRegional(nullptr);
    std::setlocale(LC_NUMERIC, previous.c_str());
}
