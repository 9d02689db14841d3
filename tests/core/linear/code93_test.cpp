#include "core/linear/code93.h"
#include "core/linear/zint_reference.h"

#include <gtest/gtest.h>
#include <map>
#include <random>
#include <string>
#include <variant>

namespace vornik::linear {
namespace {

using namespace std::string_literals;

PatternTables built() {
    PatternTables tables;
    fillCode93Tables(tables);
    return tables;
}

// The shift characters ($), (%), (/), (+) as the codes that stand for them.
const std::string kShiftDollar = "\x83", kShiftPercent = "\x84";
const std::string kShiftSlash = "\x85", kShiftPlus = "\x86";

// Characters from the standard's module widths, bar first, written with bars
// 3 5 6 7 and spaces 1 8 9 A for 1 to 4 modules.
const std::map<char, std::string> kCharacters = {
    {'0', "393138"},    {'1', "313839"},
    {'2', "313938"},    {'3', "313A31"}, // 131112 111213 111312 111411
    {'6', "383931"},    {'8', "393831"},
    {'9', "3A3131"},    {'A', "513139"}, // 121311 131211 141111 211113
    {'B', "513838"},    {'C', "513931"},
    {'E', "583831"},    {'O', "383158"}, // 211212 211311 221211 121122
    {'S', "513158"},    {'T', "513851"},
    {'U', "583151"},    {'Y', "385151"}, // 211122 211221 221121 122121
    {'-', "383161"},    {'$', "683131"},
    {'/', "315161"},    {'+', "316151"}, // 121131 321111 112131 113121
    {'\x83', "383851"}, {'\x84', "615131"},
    {'\x85', "613151"}, {'\x86', "385831"}, // 121221 312111 311121 122211
};

std::string expectedPattern(const std::string& symbolCharacters) {
    std::string pattern = "313171"; // start 1 1 1 1 4 1
    for (const char c : symbolCharacters)
        pattern += kCharacters.at(c);
    return pattern + "3131713"; // stop: the start and the termination bar
}

// Values: 0 to 9, A = 10 ... Z = 35, - 36, . 37, space 38, $ 39, / 40, + 41,
// % 42, ($) 43, (%) 44, (/) 45, (+) 46. C weighs 1 to 20 and K 1 to 15 from
// the right, both modulo 47.
TEST(Code93, EncodesShiftsAndBothCheckCharacters) {
    struct Row {
        const char* name;
        std::string message;
        std::string symbolCharacters; // the message in full ASCII, then C and K
        std::string checkText;
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
    };
    const auto tables = built();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto result = encodeCode93(tables, row.message);
        const auto* symbol = std::get_if<LinearSymbol>(&result);
        ASSERT_NE(symbol, nullptr);
        EXPECT_EQ(symbol->pattern, expectedPattern(row.symbolCharacters));
        EXPECT_EQ(symbol->text, " " + row.message + " ");
        EXPECT_EQ(symbol->checkText, row.checkText);
    }
}

TEST(Code93, RejectsCodesAbove127) {
    for (const std::string message : {"\x80", "abc\xFF"}) {
        const auto result = encodeCode93(built(), message);
        ASSERT_TRUE(std::holds_alternative<MessageError>(result)) << message;
        EXPECT_EQ(std::get<MessageError>(result).code, 9);
    }
}

TEST(Code93, MatchesLibzintModuleForModule) {
    std::mt19937 random(93); // fixed seed: the same messages every run
    std::uniform_int_distribution<int> length(1, 20);
    std::uniform_int_distribution<int> ascii(0, 127);
    const auto tables = built();
    for (int i = 0; i < 200; ++i) {
        std::string message(static_cast<std::size_t>(length(random)), ' ');
        for (char& c : message)
            c = static_cast<char>(ascii(random));
        const auto result = encodeCode93(tables, message);
        ASSERT_TRUE(std::holds_alternative<LinearSymbol>(result));
        const auto expected = reference::zintModules(BARCODE_CODE93, message);
        ASSERT_TRUE(expected.has_value()) << ::testing::PrintToString(message);
        EXPECT_EQ(reference::patternModules(std::get<LinearSymbol>(result).pattern, 0), *expected)
            << ::testing::PrintToString(message);
    }
}

} // namespace
} // namespace vornik::linear
