#include "document/UEnteros.h"

#include <gtest/gtest.h>

TEST(TextToInt, DigitsWithAnOptionalSignOnly) {
    struct Case {
        const char* text;
        bool whole;
        int value;
    };
    const Case cases[] = {
        {"0", true, 0},           {"42", true, 42},         {"-7", true, -7},
        {"+3", true, 3},          {"007", true, 7},         {"2147483647", true, 2147483647},
        {"", false, 0},           {" 3", false, 0},         {"3 ", false, 0},
        {"3.0", false, 0},        {"1e3", false, 0},        {"0x10", false, 0},
        {"-", false, 0},          {"2147483648", false, 0}, {"--1", false, 0},
        {"\xD9\xA3", false, 0},
    };
    for (const Case& c : cases) {
        int value = -999;
        EXPECT_EQ(TextToInt(QString::fromUtf8(c.text), value), c.whole) << c.text;
        EXPECT_EQ(value, c.whole ? c.value : -999) << c.text;
        EXPECT_EQ(TextToIntDef(QString::fromUtf8(c.text), 1), c.whole ? c.value : 1) << c.text;
    }
}
