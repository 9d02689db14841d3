#include "core/app/number_format.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <tuple>

namespace vornik {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kTiny = std::numeric_limits<double>::denorm_min();

// The value, the picture, then the text.
using FormatRow = std::tuple<double, const char*, const char*>;

// clang-format off
const FormatRow kRows[] = {
    // The program's pictures; digits beyond the slots are all written.
    {76.923, "##0", "77"}, {1234.0, "##0", "1234"}, {19.5, "#0.0#", "19.5"}, {0.0, "#0.0#", "0.0"},
    {13.0, "#0.00#", "13.00"}, {13.0005, "#0.00#", "13.001"},  // 13.0005 is 13.000500000000000611...
    {1.2345, "#0.000", "1.234"},                               // 1.2345 is 1.23449999999999993072...
    {12.0, "#0.0##", "12.0"}, {0.1255, "#0.0##", "0.126"},     // 0.1255 is 0.12550000000000000044...
    {9.96, "0.0", "10.0"}, {5.0, "00", "05"}, {123.0, "00", "123"}, {-42.0, "00000", "-00042"},
    {0.0, "###", ""}, {0.49, "###", ""}, {-1.3, "##0.00", "-1.30"}, {3.0, "#0", "3"},
    // Exact halves away from zero; a rounded zero has no sign.
    {2.5, "##0", "3"}, {-2.5, "##0", "-3"}, {0.5, "###", "1"}, {-0.25, "0.0", "-0.3"},
    {1.125, "0.00", "1.13"}, {1.005, "0.00", "1.00"},           // 1.005 is 1.00499999999999989...
    {-0.4, "##0", "0"}, {-0.0004, "0.000", "0.000"}, {-0.0, "0.0", "0.0"},
    // No integer slot, no point without decimals, minimum digits.
    {0.5, "#.0", ".5"}, {3.257, ".00", "3.26"}, {3.0, "#0.##", "3"}, {5.0, "0#", "05"},
    {1.5, "0.#0", "1.50"},
    // Literal text: escaped, quoted, unclosed, bare.
    {1.0, "#0.00 \\\"", "1.00 \""}, {-2.54, "#0.00\" cm\"", "-2.54 cm"}, {-5.0, "\"W: \"0", "W: -5"},
    {5.0, "0 mm", "5 mm"}, {5.0, "0\\", "5\\"}, {5.0, "0\"unclosed", "5unclosed"},
    {1.25, "0.0.0", "1.2.5"}, {5.0, "abc", "abc"},
    // Empty picture: the shortest text that reads back. Not a number, infinities.
    {-2.5, "", "-2.5"}, {-0.0, "", "0"}, {1e21, "", "1e+21"}, {kInf, "", "Infinity"},
    {kNaN, "#0.00\" cm\"", "NaN cm"}, {-kInf, "\"W: \"0.0", "W: -Infinity"}, {kNaN, "abc", "abc"},
    // Tiny and large values.
    {-kTiny, "0.00", "0.00"}, {123456789012.345, "#0.00", "123456789012.35"},  // ...012.345001220703125: above the half
    {9007199254740993.0, "0", "9007199254740992"},  // the double nearest 2^53 + 1
    {-1e22, "##0", "-10000000000000000000000"},
};
// clang-format on

TEST(FormatNumber, FollowsThePicture) {
    for (const auto& [value, picture, expected] : kRows)
        EXPECT_EQ(formatNumber(value, picture), expected) << value << " with [" << picture << "]";
}

// The exact digits of the double, however many the value or picture needs.
TEST(FormatNumber, WritesHugeValuesAndLongPicturesInFull) {
    const std::string max = formatNumber(-std::numeric_limits<double>::max(), "#0.00\" cm\"");
    EXPECT_EQ(max.size(), 1u + 309u + 6u);
    EXPECT_EQ(max.substr(0, 18), "-17976931348623157");
    EXPECT_EQ(max.substr(max.size() - 6), ".00 cm");

    const std::string tiny = formatNumber(kTiny, "0." + std::string(1100, '#'));
    EXPECT_EQ(tiny.size(), 2u + 1074u);
    EXPECT_EQ(tiny.substr(0, 2 + 323 + 5), "0." + std::string(323, '0') + "49406");
}

} // namespace
} // namespace vornik
