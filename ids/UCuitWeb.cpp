#include "ids/UCuitWeb.h"

#include <array>

namespace {
constexpr qsizetype kLength = 11;
constexpr std::array<int, 10> kWeights = {5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
} // namespace

bool TCuitWeb::IsValidCuit(const QString& number) const {
    // No trimming: blanks or dashes make the number invalid, the fields ask for it bare.
    if (number.size() != kLength)
        return false;
    std::array<int, kLength> digits{};
    for (qsizetype i = 0; i < kLength; ++i) {
        // Only ASCII 0-9; QChar::isDigit would also let other scripts' digits through.
        const char16_t c = number.at(i).unicode();
        if (c < u'0' || c > u'9')
            return false;
        digits[i] = c - u'0';
    }
    int sum = 0;
    for (std::size_t i = 0; i < kWeights.size(); ++i)
        sum += kWeights[i] * digits[i];
    const int remainder = sum % 11;
    // A remainder of 1 asks for 10, which no digit matches: such numbers are never valid.
    const int expected = remainder == 0 ? 0 : 11 - remainder;
    return expected == digits[kLength - 1];
}
