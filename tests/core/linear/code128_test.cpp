#include "core/linear/bar_pattern.h"
#include "core/linear/code128.h"
#include "core/linear/zint_modules.h"

#include <gtest/gtest.h>
#include <numeric>
#include <string>
#include <variant>
#include <vector>

namespace vornik::linear {
namespace {

std::string widths(const std::string& pattern) {
    std::string out;
    for (const char c : pattern)
        out += static_cast<char>('0' + countedModules(c));
    return out;
}

// The table rows the standard gives: value, element widths.
TEST(Code128, TablesHoldTheStandardsCharacters) {
    // 0, comma or digit pair 12, A, FNC3, SHIFT, CODE C, FNC1, Start A, B and C
    const std::pair<int, std::string> rows[] = {
        {0, "212222"},  {12, "112232"},  {33, "111323"},  {96, "114311"},  {98, "411311"},
        {99, "113141"}, {102, "411131"}, {103, "211412"}, {104, "211214"}, {105, "211232"}};
    PatternTables tables;
    fillCode128Tables(tables);
    EXPECT_EQ(tables.PatternTable[0], "515858"); // 2 1 2 2 2 2
    EXPECT_EQ(tables.StopPattern, "5961315");    // 2 3 3 1 1 1 2
    for (const auto& [value, expected] : rows)
        EXPECT_EQ(widths(tables.PatternTable[value]), expected) << value;
    for (int value = 0; value <= 105; ++value) {
        const std::string w = widths(tables.PatternTable[value]);
        ASSERT_EQ(w.size(), 6u) << value;
        EXPECT_EQ(std::accumulate(w.begin(), w.end(), 0) - 6 * '0', 11) << value;
    }
    EXPECT_TRUE(tables.PatternTable[106].empty());
}

// Check: start value + each later value times its position, modulo 103.
TEST(Code128, ChoosesCodeSetsAndChecksOrRejects) {
    struct Row {
        const char* name;
        std::string message;
        Code128Variant variant = Code128Variant::Plain;
        bool checkDigit = false;
        std::vector<int> values; // start first, without check and stop
        int check = 0;
        std::string text;
        std::int32_t error = 0;
    };
    const auto ean = Code128Variant::EanUcc;
    // clang-format off
    const Row rows[] = {
        // 105 + 12 + 34*2 = 185 = 103 + 82
        {"even digits", "1234", {}, false, {105, 12, 34}, 82, "1234"},
        // 105 + 12 + 100*2 + 19*3 = 374 = 3*103 + 65
        {"odd digits", "123", {}, false, {105, 12, 100, 19}, 65, "123"},
        // 105 + 12 + 34*2 + 100*3 + 21*4 + 33*5 + 34*6 = 938 = 9*103 + 11
        {"digits then letters", "12345AB", {}, false, {105, 12, 34, 100, 21, 33, 34}, 11, "12345AB"},
        // 104 + 65 + 66*2 + 98*3 + 73*4 + 67*5 + 68*6 = 1630 = 15*103 + 85
        {"shift to A", "ab\tcd", {}, false, {104, 65, 66, 98, 73, 67, 68}, 85, "ab\tcd"},
        // 104 + 65 + 66*2 + 101*3 + 73*4 + 77*5 = 1281 = 12*103 + 45
        {"change to A", "ab\t\r", {}, false, {104, 65, 66, 101, 73, 77}, 45, "ab\t\r"},
        // 104 + 33 + 34*2 + 17*3 + 99*4 + 23*5 + 45*6 = 1037 = 10*103 + 7
        {"odd run after letters", "AB12345", {}, false, {104, 33, 34, 17, 99, 23, 45}, 7, "AB12345"},
        // 103 + 73 + 98*2 + 88*3 + 73*4 = 928 = 9*103 + 1
        {"shift to B", "\tx\t", {}, false, {103, 73, 98, 88, 73}, 1, "\tx\t"},
        // 104 + 102 + 33*2 + 99*3 + 12*4 + 34*5 + 100*6 + 21*7 = 1534 = 14*103 + 92;
        // the run 12345 is measured from 2345 past the leading FNC1
        {"leading FNC1 shifts the run", "\x80" "A12345", {}, false,
         {104, 102, 33, 99, 12, 34, 100, 21}, 92, "\xB9" "A12345"},
        // 105 + 102 + 12*2 + 34*3 + 56*4 = 557 = 5*103 + 42
        {"FNC1 in set C", "\x80" "123456", {}, false, {105, 102, 12, 34, 56}, 42, "\xB9" "123456"},
        // 104 + 33 + 97*2 + 96*3 + 100*4 = 1019 = 9*103 + 92
        {"FNC2 to FNC4 in B", "A\x81\x82\x83", {}, false, {104, 33, 97, 96, 100}, 92, "A\xB2\xB3\x80"},
        // 103 + 73 + 101*2 = 378 = 3*103 + 69
        {"FNC4 in A", "\t\x83", {}, false, {103, 73, 101}, 69, "\t\x80"},
        // digit 3*(0+0+2+4+6+0+0+0) + (0+1+3+5+0+0+0+0) = 45, check 5;
        // 105 + 102 + 0*2 + 1*3 + 23*4 + 45*5 + 60*6 + 100*10 + 21*11 = 2118 = 20*103 + 58
        {"EAN/UCC check digit", "0001234560000000", ean, true,
         {105, 102, 0, 1, 23, 45, 60, 0, 0, 0, 100, 21}, 58, "00012345600000005"},
        // 105 + 102 + 1*3 + 23*4 + 45*5 + 60*6 = 887 = 8*103 + 63
        {"EAN/UCC no check digit", "0001234560000000", ean, false,
         {105, 102, 0, 1, 23, 45, 60, 0, 0, 0}, 63, "0001234560000000"},
        // not all digits: no check digit; 104 + 102 + 33*2 + 17*3 + 18*4 = 395 = 3*103 + 86
        {"EAN/UCC letters", "A12", ean, true, {104, 102, 33, 17, 18}, 86, "A12"},
        {"code 132", "\x84", {}, false, {}, 0, "", 12},
        {"code 255 after ASCII", "abc\xFF", ean, false, {}, 0, "", 12},
    };
    // clang-format on
    PatternTables tables;
    fillCode128Tables(tables);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const EncodeResult result = encodeCode128(tables, row.message, row.variant, row.checkDigit);
        std::string pattern;
        for (const int value : row.values)
            pattern += tables.PatternTable[value];
        pattern += tables.PatternTable[row.check] + tables.StopPattern;
        EXPECT_EQ(testing::outcome(result), testing::expectedOutcome(pattern, row.text, row.error));
        EXPECT_EQ(testing::checkTextOf(result), row.error != 0 ? "-" : std::to_string(row.check));
    }
}

} // namespace
} // namespace vornik::linear
