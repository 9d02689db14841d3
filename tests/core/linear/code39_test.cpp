#include "core/linear/code39.h"
#include "core/linear/zint_reference.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <variant>

namespace vornik::linear {
namespace {

PatternTables built(Code39Mode mode) {
    PatternTables tables;
    fillCode39Tables(tables, mode);
    return tables;
}

// Characters from the standard's narrow (n) / wide (w) elements, bar first,
// written 3/4 for bars and 1/2 for spaces, then the gap 1.
const std::string kStar = "3231414131";    // n w n n w n w n n
const std::string k0 = "3132414131";       // n n n w w n w n n
const std::string k1 = "4132313141";       // w n n w n n n n w
const std::string k3 = "4142313131";       // w n w w n n n n n
const std::string k4 = "3132413141";       // n n n w w n n n w
const std::string k9 = "3142314131";       // n n w w n n w n n
const std::string kA = "4131323141";       // w n n n n w n n w
const std::string kC = "4141323131";       // w n w n n w n n n
const std::string kD = "3131423141";       // n n n n w w n n w
const std::string kE = "4131423131";       // w n n n w w n n n
const std::string kO = "4131413231";       // w n n n w n n w n
const std::string kQ = "3131314241";       // n n n n n n w w w
const std::string kW = "4241313131";       // w w w n n n n n n
const std::string kZ = "3241413131";       // n w w n w n n n n
const std::string kSpace = "3241314131";   // n w w n n n w n n
const std::string kDollar = "3232323131";  // n w n w n w n n n
const std::string kSlash = "3232313231";   // n w n w n n n w n
const std::string kPercent = "3132323231"; // n n n w n w n w n
const std::string kPlus = "3231323231";    // n w n n n w n w n

constexpr auto kNormal = Code39Mode::Normal;
constexpr auto kFull = Code39Mode::FullAscii;

// Check values: 0 to 9, A = 10 ... Z = 35, - 36, . 37, space 38, $ 39, / 40,
// + 41, % 42; the check character is the sum modulo 43.
TEST(Code39, EncodesPatternTextAndCheck) {
    struct Row {
        const char* name;
        Code39Mode mode;
        bool check;
        std::string message;
        std::string pattern;
        std::string text;
        std::string checkText;
    };
    const Row rows[] = {
        {"zero", kNormal, false, "0", kStar + k0 + kStar, "*0*", ""},
        {"lower case upper-cased", kNormal, false, "a", kStar + kA + kStar, "*A*", ""},
        {"full ascii a is +A", kFull, false, "a", kStar + kPlus + kA + kStar, "*a*", ""},
        // $ = 39, the check character is $ itself
        {"normal dollar", kNormal, true, "$", kStar + kDollar + kDollar + kStar, "*$$*", "39"},
        // /D = 40 + 13 = 53; 53 - 43 = 10 = A
        {"full ascii dollar", kFull, true, "$", kStar + kSlash + kD + kA + kStar, "*$A*", "10"},
        // Z4 = 35 + 4 = 39 = $, written single although the $ slot holds /D
        {"check $ full ascii", kFull, true, "Z4", kStar + kZ + k4 + kDollar + kStar, "*Z4$*", "39"},
        {"check $ normal", kNormal, true, "Z4", kStar + kZ + k4 + kDollar + kStar, "*Z4$*", "39"},
        // Z3 = 35 + 3 = 38 = space
        {"check space", kNormal, true, "Z3", kStar + kZ + k3 + kSpace + kStar, "*Z3 *", "38"},
        // %1 = 42 + 1 = 43 = 0
        {"check zero", kNormal, true, "%1", kStar + kPercent + k1 + k0 + kStar, "*%10*", "0"},
        // C 12 + O 24 + D 13 + E 14 + 3 + 9 = 75; 75 - 43 = 32 = W
        {"CODE39", kNormal, true, "CODE39", kStar + kC + kO + kD + kE + k3 + k9 + kW + kStar,
         "*CODE39W*", "32"},
        // "*" typed round a normal message is the start/stop character already
        // drawn: it adds no bars and nothing to the check, which is A's 10.
        {"star in the message", kNormal, true, "*A*", kStar + kA + kA + kStar, "**A*A*", "10"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto result = encodeCode39(built(row.mode), row.message, row.mode, row.check);
        const auto* symbol = std::get_if<LinearSymbol>(&result);
        ASSERT_NE(symbol, nullptr);
        EXPECT_EQ(symbol->pattern, row.pattern);
        EXPECT_EQ(symbol->text, row.text);
        EXPECT_EQ(symbol->checkText, row.checkText);
    }
}

TEST(Code39, RejectsCharactersOutsideTheMode) {
    struct Row {
        const char* name;
        Code39Mode mode;
        std::string message;
        std::int32_t code;
    };
    const Row rows[] = {
        {"normal hash", kNormal, "AB#", 8},     {"normal NUL", kNormal, std::string(1, '\0'), 8},
        {"normal e acute", kNormal, "\xE9", 8}, {"full ascii 128", kFull, "a\x80", 7},
        {"full ascii 255", kFull, "\xFF", 7},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto result = encodeCode39(built(row.mode), row.message, row.mode, true);
        ASSERT_TRUE(std::holds_alternative<MessageError>(result));
        EXPECT_EQ(std::get<MessageError>(result).code, row.code);
    }
}

std::string randomMessage(std::mt19937& random, Code39Mode mode) {
    const std::string normal =
        "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%abcdefghijklmnopqrstuvwxyz";
    std::uniform_int_distribution<int> length(1, 20);
    std::uniform_int_distribution<int> ascii(0, 127);
    std::uniform_int_distribution<std::size_t> pick(0, normal.size() - 1);
    std::string message(static_cast<std::size_t>(length(random)), ' ');
    for (char& c : message)
        c = mode == kNormal ? normal[pick(random)] : static_cast<char>(ascii(random));
    return message;
}

// libzint writes wide elements two modules wide; the renderer drops our last gap.
TEST(Code39, MatchesLibzintModuleForModule) {
    std::mt19937 random(39); // fixed seed: the same messages every run
    for (const auto mode : {kNormal, kFull}) {
        const auto tables = built(mode);
        const int zintSymbology = mode == kNormal ? BARCODE_CODE39 : BARCODE_EXCODE39;
        for (int i = 0; i < 200; ++i) {
            const bool check = i % 2 == 1;
            const std::string message = randomMessage(random, mode);
            const auto result = encodeCode39(tables, message, mode, check);
            ASSERT_TRUE(std::holds_alternative<LinearSymbol>(result));
            std::string pattern = std::get<LinearSymbol>(result).pattern;
            ASSERT_EQ(pattern.back(), '1');
            pattern.pop_back();
            const auto expected = reference::zintModules(zintSymbology, message, check ? 1 : 0);
            ASSERT_TRUE(expected.has_value()) << ::testing::PrintToString(message);
            EXPECT_EQ(reference::patternModules(pattern, 2), *expected)
                << ::testing::PrintToString(message) << (check ? " with check" : "");
        }
    }
}

} // namespace
} // namespace vornik::linear
