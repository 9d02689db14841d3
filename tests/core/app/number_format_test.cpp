#include "core/app/number_format.h"
#include "support/locale_guard.h"

#include <clocale>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace vornik {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct FormatCase {
    double value;
    const char* picture;
    const char* expected;
};

// clang-format off
const FormatCase kFormatCases[] = {
    // The program's pictures.
    {76.923, "##0", "77"},
    {3.9, "##0", "4"},
    {0.0, "##0", "0"},
    {0.4, "##0", "0"},
    {1234.0, "##0", "1234"},        // digits beyond the slots are all written
    {19.5, "#0.0#", "19.5"},
    {49.53, "#0.0#", "49.53"},
    {49.535, "#0.0#", "49.53"},     // 49.535 is 49.534999999999996589...: below the half
    {0.0, "#0.0#", "0.0"},
    {13.0, "#0.00#", "13.00"},
    {13.0001, "#0.00#", "13.00"},
    {13.0005, "#0.00#", "13.001"},  // 13.0005 is 13.000500000000000611...
    {13.125, "#0.00#", "13.125"},
    {2.0, "0.0", "2.0"},
    {0.25, "0.0", "0.3"},           // an exact half, away from zero
    {-0.25, "0.0", "-0.3"},
    {9.96, "0.0", "10.0"},          // the carry runs into the integer part
    {1.2345, "#0.000", "1.234"},    // 1.2345 is 1.23449999999999993072...
    {0.0005, "#0.000", "0.001"},    // 0.0005 is 0.00050000000000000001...
    {5.0, "00", "05"},
    {123.0, "00", "123"},
    {42.0, "00000", "00042"},
    {-42.0, "00000", "-00042"},
    {0.0, "###", ""},
    {7.0, "###", "7"},
    {0.49, "###", ""},
    {0.5, "###", "1"},
    {0.51, "###", "1"},
    {0.5, "#0.0##", "0.5"},
    {0.1234, "#0.0##", "0.123"},
    {0.1235, "#0.0##", "0.123"},    // 0.1235 is 0.12349999999999999866...
    {0.1255, "#0.0##", "0.126"},    // 0.1255 is 0.12550000000000000044...
    {12.0, "#0.0##", "12.0"},
    {1.3, "##0.00", "1.30"},
    {-1.3, "##0.00", "-1.30"},
    {3.0, "#0", "3"},
    {0.0, "#0", "0"},
    {1.0, "0.000", "1.000"},
    {-0.0004, "0.000", "0.000"},    // rounds to zero: no sign
    // Exact halves go away from zero, both signs.
    {2.5, "##0", "3"},
    {-2.5, "##0", "-3"},
    {0.5, "##0", "1"},
    {-0.5, "##0", "-1"},
    {1.125, "0.00", "1.13"},
    {-1.125, "0.00", "-1.13"},
    {1.005, "0.00", "1.00"},        // 1.005 is 1.00499999999999989...: not a half
    // Negative values rounding to zero lose their sign.
    {-0.4, "##0", "0"},
    {-0.004, "#0.00", "0.00"},
    {-0.0, "0.0", "0.0"},
    {-0.4, "###", ""},
    // No "0" before the point: no integer digit below 1.
    {0.5, "#.0", ".5"},
    {-0.5, "#.00", "-.50"},
    {0.257, ".00", ".26"},
    {3.257, ".00", "3.26"},         // with no integer slot, the digits go before the point
    {0.96, "#.0", "1.0"},
    // The point is dropped when no decimal follows it.
    {3.0, "#0.##", "3"},
    {3.5, "#0.##", "3.5"},
    {3.7, "0.", "4"},
    {3.7, ".", "4"},
    // Visual Basic's placement of minimum digits.
    {5.0, "0#", "05"},
    {5.0, "#0#", "05"},
    {1.5, "0.#0", "1.50"},
    // Literal text: escaped, quoted, bare.
    {1.0, "#0.00 \\\"", "1.00 \""},
    {2.54, "#0.00\" cm\"", "2.54 cm"},
    {-2.54, "#0.00\" cm\"", "-2.54 cm"},
    {5.0, "\"W: \"0", "W: 5"},
    {-5.0, "\"W: \"0", "W: -5"},     // the sign goes with the number, after the prefix
    {5.0, "0 mm", "5 mm"},
    {5.0, "0\\0", "50"},
    {5.0, "0\\#\\.\\\\", "5#.\\"},
    {5.0, "0\\", "5\\"},             // a trailing backslash stands for itself
    {5.0, "0\"unclosed", "5unclosed"},
    {5.0, "0\"\"", "5"},
    {1.25, "0.0.0", "1.2.5"},        // only the first "." is the point
    {5.0, "abc", "abc"},             // no placeholder: the literal text alone
    {-5.0, "\"x\"", "x"},
    // Empty picture: the shortest text that reads back.
    {2.5, "", "2.5"},
    {-2.5, "", "-2.5"},
    {0.0, "", "0"},
    {-0.0, "", "0"},
    {1e21, "", "1e+21"},
    {0.1, "", "0.1"},
    // Not a number and infinities.
    {kNaN, "#0.00", "NaN"},
    {kNaN, "#0.00\" cm\"", "NaN cm"},
    {kInf, "##0", "Infinity"},
    {-kInf, "##0", "-Infinity"},
    {-kInf, "\"W: \"0.0", "W: -Infinity"},
    {kNaN, "", "NaN"},
    {kInf, "", "Infinity"},
    {kNaN, "abc", "abc"},
    // Tiny values.
    {std::numeric_limits<double>::denorm_min(), "0.00", "0.00"},
    {-std::numeric_limits<double>::denorm_min(), "0.00", "0.00"},
    {1e-300, "###", ""},
    // Large values that still fit 64-bit integers, and beyond.
    {123456789012.345, "#0.00", "123456789012.35"}, // ...012.345001220703125
    {9007199254740993.0, "0", "9007199254740992"},  // the double nearest 2^53 + 1
    {1e20, "#0.0#", "100000000000000000000.0"},
    {18446744073709551616.0, "0", "18446744073709551616"},
    {-1e22, "##0", "-10000000000000000000000"},
};
// clang-format on

TEST(FormatNumberTest, FollowsThePicture) {
    for (const FormatCase& row : kFormatCases) {
        SCOPED_TRACE(::testing::Message()
                     << "value " << row.value << ", picture [" << row.picture << "]");
        EXPECT_EQ(formatNumber(row.value, row.picture), row.expected);
    }
}

// Huge magnitudes are written in full: the exact digits of the double.
TEST(FormatNumberTest, WritesHugeValuesInFull) {
    const std::string max = formatNumber(std::numeric_limits<double>::max(), "#0.00");
    EXPECT_EQ(max.size(), 309u + 3u);
    EXPECT_EQ(max.substr(0, 17), "17976931348623157");
    EXPECT_EQ(max.substr(max.size() - 3), ".00");

    const std::string huge = formatNumber(-1e300, "##0");
    ASSERT_EQ(huge.size(), 302u);
    EXPECT_EQ(huge.substr(0, 17), "-1000000000000000");
    EXPECT_EQ(huge.find_first_not_of("-0123456789"), std::string::npos);

    EXPECT_EQ(formatNumber(1e300, "\"L=\"#0\" cm\"").substr(0, 3), "L=1");
    EXPECT_EQ(formatNumber(1e300, "#0\" cm\"").substr(301), " cm");
}

// A picture with very many slots takes no special path and does not blow up.
TEST(FormatNumberTest, ToleratesLongPictures) {
    const std::string manyHashes = "0." + std::string(100000, '#');
    EXPECT_EQ(formatNumber(0.5, manyHashes), "0.5");
    EXPECT_EQ(formatNumber(0.1, manyHashes).size(), 2u + 55u); // 0.1 is exact in 55 places

    const std::string manyZeros = std::string(1000, '0');
    EXPECT_EQ(formatNumber(7.0, manyZeros), std::string(999, '0') + "7");

    const std::string smallest =
        formatNumber(std::numeric_limits<double>::denorm_min(), "0." + std::string(1100, '#'));
    EXPECT_EQ(smallest.size(), 2u + 1074u);
    EXPECT_EQ(smallest.substr(0, 2 + 323 + 5), "0." + std::string(323, '0') + "49406");
}

using vornik::testing::GermanLocale;

// The decimal point is "." whatever the C locale says.
TEST(FormatNumberTest, IgnoresTheLocale) {
    const GermanLocale german;
    if (!german.active()) {
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    }
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    for (const FormatCase& row : kFormatCases) {
        SCOPED_TRACE(::testing::Message()
                     << "value " << row.value << ", picture [" << row.picture << "]");
        EXPECT_EQ(formatNumber(row.value, row.picture), row.expected);
    }
}

} // namespace
} // namespace vornik
