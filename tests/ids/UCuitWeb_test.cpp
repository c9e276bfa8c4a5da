#include "ids/UCuitWeb.h"

#include <gtest/gtest.h>

namespace {

struct CuitCase {
    const char* number; // UTF-8
    bool valid;
    const char* why;
};

bool Check(const char* utf8) {
    return TCuitWeb().IsValidCuit(QString::fromUtf8(utf8));
}

} // namespace

TEST(TCuitWeb, IsValidCuit) {
    const CuitCase cases[] = {
        // Sum 41, remainder 8, check digit 3; the type prefix is not checked.
        {"11111111113", true, "worked example"},
        {"11111111112", false, "worked example, wrong check digit"},
        {"00000000000", true, "all zeros: sum 0, check digit 0"},
        {"20123456786", true, "usual person prefix"},
        {"20123456785", false, "check digit off by one"},
        {"20123456787", false, "check digit off by one"},
        {"23000000000", true, "remainder 0 with a non-zero sum"},
        {"23000000001", false, "remainder 0 asks for 0, not 11 or 1"},
        {"30712345671", true, "remainder 10, check digit 1"},
        // One non-zero digit per position: each weight on its own.
        {"10000000006", true, "weight 5 on digit 1"},
        {"01000000007", true, "weight 4 on digit 2"},
        {"00100000008", true, "weight 3 on digit 3"},
        {"00010000009", true, "weight 2 on digit 4"},
        {"00001000004", true, "weight 7 on digit 5"},
        {"00000100005", true, "weight 6 on digit 6"},
        {"00000010006", true, "weight 5 on digit 7"},
        {"00000001007", true, "weight 4 on digit 8"},
        {"00000000108", true, "weight 3 on digit 9"},
        {"00000000019", true, "weight 2 on digit 10"},
        {"00000000010", false, "digit 10 is weighted, not ignored"},
        // Length is checked before anything else, nothing is trimmed.
        {"", false, "empty"},
        {"0000000000", false, "ten characters"},
        {"000000000000", false, "twelve digits"},
        {" 11111111113", false, "leading blank"},
        {"11111111113 ", false, "trailing blank"},
        {"20-12345678-6", false, "dashes"},
        {"20.123456.6", false, "dots, eleven characters"},
        // Eleven characters, but not all ASCII digits.
        {"1111111111a", false, "letter last"},
        {"a1111111113", false, "letter first"},
        {"+1111111113", false, "sign"},
        {"-0000000000", false, "minus"},
        {"0000 000000", false, "inner blank"},
        {"٠٠٠٠٠٠٠٠٠٠٠", false, "Arabic-Indic zeros"},
        {"١١١١١١١١١١٣", false, "Arabic-Indic form of a valid number"},
        {"1111111111٣", false, "Arabic-Indic check digit"},
        {"０００００００００００", false, "full-width zeros"},
    };
    for (const CuitCase& c : cases)
        EXPECT_EQ(Check(c.number), c.valid) << c.number << " (" << c.why << ")";
}

TEST(TCuitWeb, RemainderOneIsNeverValid) {
    // The first ten digits of each give remainder 1, so they would need check digit 10.
    for (const char* prefix : {"1111111113", "2099999999", "2000000001", "2028506749"}) {
        for (char last = '0'; last <= '9'; ++last) {
            const QString number = QString::fromLatin1(prefix) + QLatin1Char(last);
            EXPECT_FALSE(TCuitWeb().IsValidCuit(number)) << number.toStdString();
        }
    }
}

TEST(TCuitWeb, ExactlyOneCheckDigitFitsOtherwise) {
    for (const char* prefix : {"2012345678", "3071234567", "2300000000", "0000000001"}) {
        int valid = 0;
        for (char last = '0'; last <= '9'; ++last)
            valid += TCuitWeb().IsValidCuit(QString::fromLatin1(prefix) + QLatin1Char(last));
        EXPECT_EQ(valid, 1) << prefix;
    }
}
