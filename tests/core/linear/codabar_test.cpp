#include "core/linear/codabar.h"
#include "core/linear/zint_modules.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <variant>

namespace vornik::linear {
namespace {

// Characters from the standard's seven elements (0 narrow, 1 wide, bar
// first), written 3/4 for bars and 1/2 for spaces, then the gap 1.
// 0 0000011, 1 0000110, 2 0001001, 3 1100000, 5 1000010, 9 1001000, - 0001100,
// : 1000101, + 0010101, A 0011010, B 0101001, C 0001011, D 0001110
// clang-format off
const std::map<char, std::string> kCharacters = {
    {'0', "31313241"}, {'1', "31314231"}, {'2', "31323141"}, {'3', "42313131"}, {'5', "41313231"},
    {'9', "41323131"}, {'-', "31324131"}, {':', "41314141"}, {'+', "31414141"}, {'A', "31423231"},
    {'B', "32323141"}, {'C', "31323241"}, {'D', "31324231"},
};
// clang-format on

std::string patternOf(const std::string& characters) {
    std::string pattern;
    for (const char c : characters)
        pattern += kCharacters.at(c);
    return pattern;
}

// Check values: 0 to 9, - 10, $ 11, : 12, / 13, . 14, + 15, A to D 16 to 19;
// the check character has the value that brings the sum to a multiple of 16.
TEST(Codabar, EncodesOrRejects) {
    // the text is also the characters drawn
    const std::tuple<const char*, bool, std::string, std::string, int> rows[] = {
        {"plain", false, "A0B", "A0B", 0},
        {"lower case upper-cased", false, "c:+d", "C:+D", 0},
        // 16 + 1 + 2 + 3 + 17 = 39, 39 mod 16 = 7, 16 - 7 = 9
        {"check digit", true, "A123B", "A1239B", 0},
        // 16 + 5 + 17 = 38, 38 mod 16 = 6, 16 - 6 = 10 = "-"
        {"check dash", true, "a5b", "A5-B", 0},
        // 16 + 0 + 16 = 32, a multiple of 16: check 0
        {"check zero", true, "A0A", "A00A", 0},
        {"invalid character", false, "A1EB", "", 5},
        {"invalid character with check", true, "A1*B", "", 5},
        {"letter in the body", false, "A1A2B", "", 6},
        {"no start", false, "123B", "", 6},
        {"no stop", false, "A123", "", 6},
        {"start only", true, "A", "", 6},
    };
    PatternTables tables;
    fillCodabarTables(tables);
    for (const auto& [name, check, message, text, error] : rows)
        EXPECT_EQ(testing::outcome(encodeCodabar(tables, message, check)),
                  testing::expectedOutcome(error != 0 ? "" : patternOf(text), text, error))
            << name;
}

} // namespace
} // namespace vornik::linear
