#include "core/app/number_format.h"
#include "core/app/numeric_text.h"
#include "support/locale_guard.h"

#include <clocale>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>
#include <tuple>

namespace vornik {
namespace {

constexpr auto kNo = std::nullopt;
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kTiny = std::numeric_limits<double>::denorm_min();
const std::string::size_type kMegabyte = 1 << 20;

// The text, then what leadingNumber() and wholeNumber() read from it.
using Row = std::tuple<std::string, double, std::optional<double>>;

// clang-format off
const Row kRows[] = {
    // No number at the start; only blanks and tabs are skipped.
    {"", 0, kNo}, {"   ", 0, kNo}, {"abc", 0, kNo}, {"-", 0, kNo}, {".", 0, kNo}, {"-.e5", 0, kNo},
    {"- 5", 0, kNo}, {"0x10", 0, kNo}, {"inf", 0, kNo}, {"\n12", 0, kNo}, {"\xC2\xA0" "5", 0, kNo},
    // Numbers, alone or followed by something else.
    {"12abc", 12, kNo}, {"\t 42\t", 42, 42}, {"5\n", 5, kNo}, {std::string("5\0", 2), 5, kNo},
    {"+2.54", 2.54, 2.54}, {"-.5", -0.5, -0.5}, {"5.", 5, 5}, {"007", 7, 7}, {"1,5", 1, kNo},
    {"1.2.3", 1.2, kNo},
    // Exponents; an "e" without digits ends the number before it.
    {" -3.5e2x", -350, kNo}, {"\t-3.5e2\t", -350, -350}, {"1E3", 1000, 1000}, {"25e-1", 2.5, 2.5},
    {".5e1", 5, 5}, {"2e", 2, kNo}, {"2e+", 2, kNo}, {"2e3.5", 2000, kNo},
    // The range of double: beyond it no value, below it zero.
    {"1.7976931348623157e308", kMax, kMax}, {"1e309", 0, kNo}, {"-1e999", 0, kNo},
    {"1e99999999999999999999999999", 0, kNo}, {"4.9406564584124654e-324", kTiny, kTiny},
    {"1e-999", 0, 0}, {"1e-99999999999999999999999999", 0, 0}, {"0e99999999", 0, 0},
    // Megabyte-long texts.
    {std::string(kMegabyte, '9'), 0, kNo}, {std::string(kMegabyte, '0') + "7", 7, 7},
    {"0." + std::string(kMegabyte, '0') + "1", 0, 0},
    {"1" + std::string(kMegabyte, '0') + "e-1048576", 1, 1}, {"1e" + std::string(kMegabyte, '9'), 0, kNo},
    {std::string(kMegabyte, ' ') + "3" + std::string(kMegabyte, ' '), 3, 3},
};
// clang-format on

void checkAllRows() {
    for (const auto& [text, leading, whole] : kRows) {
        SCOPED_TRACE("[" + text.substr(0, 40) + "] of " + std::to_string(text.size()) + " bytes");
        EXPECT_EQ(leadingNumber(text), leading);
        EXPECT_EQ(wholeNumber(text), whole);
    }
}

TEST(NumericText, ReadsNumbersOfTheGrammar) {
    checkAllRows();
}

// "." stays the decimal point in reading and writing, whatever the C locale.
TEST(NumericText, IgnoresTheLocale) {
    const testing::GermanLocale german;
    if (!german.active()) {
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    }
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    checkAllRows();
    EXPECT_EQ(formatNumber(-1.125, "#0.00\" cm\""), "-1.13 cm");
    EXPECT_EQ(formatNumber(2.5, ""), "2.5");
}

} // namespace
} // namespace vornik
