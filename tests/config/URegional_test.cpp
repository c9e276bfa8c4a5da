#include "config/URegional.h"

#include <gtest/gtest.h>

TEST(WithFourDigitYear, WidensShortYearsOnly) {
    struct Case {
        const char* format;
        const char* expected;
    };
    const Case cases[] = {
        {"dd/MM/yy", "dd/MM/yyyy"},   {"d/M/yy", "d/M/yyyy"},     {"dd/MM/yyyy", "dd/MM/yyyy"},
        {"M/d/yy", "M/d/yyyy"},       {"yy-MM-dd", "yyyy-MM-dd"}, {"dd.MM.yy 'yy'", "dd.MM.yyyy 'yy'"},
        {"d 'de' MMMM", "d 'de' MMMM"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithFourDigitYear(QString::fromUtf8(c.format)), QString::fromUtf8(c.expected))
            << c.format;
}

TEST(Regional, ReplacedSettingsAreInForceUntilReset) {
    SetRegional(std::make_unique<TConfiguracionRegionalFija>(QLatin1Char(','), "dd/MM/yy"));
    EXPECT_EQ(Regional().DecimalSeparator(), QLatin1Char(','));
    EXPECT_EQ(Regional().ShortDateFormat(), QStringLiteral("dd/MM/yyyy"));
    SetRegional(nullptr);
    EXPECT_FALSE(Regional().ShortDateFormat().contains(QStringLiteral("yy/")));
}
