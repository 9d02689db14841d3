#include "core/linear/code93.h"
#include "core/linear/zint_modules.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <variant>

namespace vornik::linear {
namespace {

using namespace std::string_literals;

// The shift characters ($), (%), (/), (+) as the codes that stand for them.
const std::string kShiftDollar = "\x83", kShiftPercent = "\x84";
const std::string kShiftSlash = "\x85", kShiftPlus = "\x86";

// Characters from the standard's module widths, bar first, written with bars
// 3 5 6 7 and spaces 1 8 9 A for 1 to 4 modules.
// clang-format off
const std::map<char, std::string> kCharacters = {
    // 0 131112, 1 111213, 2 111312, 3 111411, 6 121311
    {'0', "393138"}, {'1', "313839"}, {'2', "313938"}, {'3', "313A31"}, {'6', "383931"},
    // 8 131211, 9 141111, A 211113, B 211212, C 211311
    {'8', "393831"}, {'9', "3A3131"}, {'A', "513139"}, {'B', "513838"}, {'C', "513931"},
    // E 221211, O 121122, S 211122, T 211221, U 221121
    {'E', "583831"}, {'O', "383158"}, {'S', "513158"}, {'T', "513851"}, {'U', "583151"},
    // Y 122121, - 121131, $ 321111, / 112131, + 113121
    {'Y', "385151"}, {'-', "383161"}, {'$', "683131"}, {'/', "315161"}, {'+', "316151"},
    // ($) 121221, (%) 312111, (/) 311121, (+) 122211
    {'\x83', "383851"}, {'\x84', "615131"}, {'\x85', "613151"}, {'\x86', "385831"},
};
// clang-format on

std::string expectedPattern(const std::string& symbolCharacters) {
    std::string pattern = "313171"; // start 1 1 1 1 4 1
    for (const char c : symbolCharacters)
        pattern += kCharacters.at(c);
    return pattern + "3131713"; // stop: the start and the termination bar
}

// Values: 0 to 9, A = 10 ... Z = 35, - 36, . 37, space 38, $ 39, / 40, + 41,
// % 42, ($) 43, (%) 44, (/) 45, (+) 46. C weighs 1 to 20 and K 1 to 15 from
// the right, both modulo 47.
TEST(Code93, EncodesShiftsAndBothCheckCharactersOrRejects) {
    struct Row {
        const char* name;
        std::string message, symbolCharacters, checkText; // characters: in full ASCII, C, K
        std::int32_t error = 0;
    };
    const std::string twentyZeros(20, '0');
    const Row rows[] = {
        // stream 46 10 46 11 46 12: C = 12 + 46*2 + 11*3 + 46*4 + 10*5 + 46*6
        // = 647 = 13*47 + 36 (-); K = 36 + 12*2 + 46*3 + 11*4 + 46*5 + 10*6
        // + 46*7 = 854 = 18*47 + 8
        {"lower case", "abc", kShiftPlus + "A" + kShiftPlus + "B" + kShiftPlus + "C-8", "36,8"},
        // C = 3 + 9*2 + 29*3 + 28*4 + 14*5 + 29*6 = 464 = 9*47 + 41 (+);
        // K = 41 + 3*2 + 9*3 + 29*4 + 28*5 + 14*6 + 29*7 = 617 = 13*47 + 6
        {"TEST93", "TEST93", "TEST93+6", "41,6"},
        // C = 41 + 1*2 = 43; K = 43 + 41*2 + 1*3 = 128 = 2*47 + 34 (Y)
        {"C is ($)", "1+", "1+" + kShiftDollar + "Y", "43,34"},
        // C = 40 + 2*2 = 44; K = 44 + 40*2 + 2*3 = 130 = 2*47 + 36 (-)
        {"C is (%)", "2/", "2/" + kShiftPercent + "-", "44,36"},
        // C = 41 + 2*2 = 45; K = 45 + 41*2 + 2*3 = 133 = 2*47 + 39 ($)
        {"C is (/)", "2+", "2+" + kShiftSlash + "$", "45,39"},
        // C = 40 + 3*2 = 46; K = 46 + 40*2 + 3*3 = 135 = 2*47 + 41 (+)
        {"C is (+)", "3/", "3/" + kShiftPlus + "+", "46,41"},
        // the 1 is 21st from the right: weight 1 again for C, so C = 1; for K
        // it is 22nd, weight 7: K = 1 + 7 = 8
        {"weights cycle", "1" + twentyZeros, "1" + twentyZeros + "18", "1,8"},
        // NUL is (%)U: C = 30 + 44*2 = 118 = 2*47 + 24 (O);
        // K = 24 + 30*2 + 44*3 = 216 = 4*47 + 28 (S)
        {"NUL", "\0"s, kShiftPercent + "UOS", "24,28"},
        {"code 128", "\x80", "", "", 9},
        {"code 255 after ASCII", "abc\xFF", "", "", 9},
    };
    PatternTables tables;
    fillCode93Tables(tables);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto result = encodeCode93(tables, row.message);
        const std::string pattern = row.error != 0 ? "" : expectedPattern(row.symbolCharacters);
        EXPECT_EQ(testing::outcome(result),
                  testing::expectedOutcome(pattern, " " + row.message + " ", row.error));
        EXPECT_EQ(testing::checkTextOf(result), row.error != 0 ? "-" : row.checkText);
    }
}

} // namespace
} // namespace vornik::linear
