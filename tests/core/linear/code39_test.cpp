#include "core/linear/code39.h"
#include "core/linear/zint_modules.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <variant>

namespace vornik::linear {
namespace {

constexpr auto kNormal = Code39Mode::Normal;
constexpr auto kFull = Code39Mode::FullAscii;

// Characters from the standard's narrow (n) / wide (w) elements, bar first,
// written 3/4 for bars and 1/2 for spaces, then the gap 1.
// clang-format off
const std::map<char, std::string> kCharacters = {
    // * nwnnwnwnn, 0 nnnwwnwnn, 1 wnnwnnnnw, 3 wnwwnnnnn
    {'*', "3231414131"}, {'0', "3132414131"}, {'1', "4132313141"}, {'3', "4142313131"},
    // 4 nnnwwnnnw, A wnnnnwnnw, D nnnnwwnnw, Z nwwnwnnnn
    {'4', "3132413141"}, {'A', "4131323141"}, {'D', "3131423141"}, {'Z', "3241413131"},
    // space nwwnnnwnn, $ nwnwnwnnn, / nwnwnnnwn, % nnnwnwnwn
    {' ', "3241314131"}, {'$', "3232323131"}, {'/', "3232313231"}, {'%', "3132323231"},
    {'+', "3231323231"}, // nwnnnwnwn
};
// clang-format on

std::string patternOf(const std::string& characters) {
    std::string pattern;
    for (const char c : characters)
        pattern += kCharacters.at(c);
    return pattern;
}

// Check values: 0 to 9, A = 10 ... Z = 35, - 36, . 37, space 38, $ 39, / 40,
// + 41, % 42; the check character is the sum modulo 43.
TEST(Code39, EncodesOrRejects) {
    struct Row {
        const char* name;
        Code39Mode mode;
        bool check;
        std::string message, characters, text, checkText; // characters: the symbol's, drawn
        std::int32_t error = 0;
    };
    const Row rows[] = {
        {"zero", kNormal, false, "0", "*0*", "*0*", ""},
        {"lower case upper-cased", kNormal, false, "a", "*A*", "*A*", ""},
        {"full ascii a is +A", kFull, false, "a", "*+A*", "*a*", ""},
        // $ = 39, the check character is $ itself
        {"normal dollar", kNormal, true, "$", "*$$*", "*$$*", "39"},
        // /D = 40 + 13 = 53; 53 - 43 = 10 = A
        {"full ascii dollar", kFull, true, "$", "*/DA*", "*$A*", "10"},
        // Z4 = 35 + 4 = 39 = $, written single although the $ slot holds /D
        {"check $ full ascii", kFull, true, "Z4", "*Z4$*", "*Z4$*", "39"},
        // Z3 = 35 + 3 = 38 = space
        {"check space", kNormal, true, "Z3", "*Z3 *", "*Z3 *", "38"},
        // %1 = 42 + 1 = 43 = 0
        {"check wraps to zero", kNormal, true, "%1", "*%10*", "*%10*", "0"},
        // "*" typed round a normal message is the start/stop character already
        // drawn: it adds no bars and nothing to the check, which is A's 10.
        {"star in the message", kNormal, true, "*A*", "*AA*", "**A*A*", "10"},
        {"normal hash", kNormal, true, "AB#", "", "", "", 8},
        {"normal NUL", kNormal, false, std::string(1, '\0'), "", "", "", 8},
        {"full ascii 128", kFull, true, "a\x80", "", "", "", 7},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        PatternTables tables;
        fillCode39Tables(tables, row.mode);
        const auto result = encodeCode39(tables, row.message, row.mode, row.check);
        const std::string pattern = row.error != 0 ? "" : patternOf(row.characters);
        EXPECT_EQ(testing::outcome(result), testing::expectedOutcome(pattern, row.text, row.error));
        EXPECT_EQ(testing::checkTextOf(result), row.error != 0 ? "-" : row.checkText);
    }
}

} // namespace
} // namespace vornik::linear
