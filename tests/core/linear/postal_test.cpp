#include "core/linear/postal.h"
#include "core/linear/zint_modules.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace vornik::linear {
namespace {

using testing::outcome;
using testing::tablesFor;
using testing::zintModules;

TEST(PostalTest, PostnetReadsZipCodesAsTyped) {
    const PatternTables tables = tablesFor(Symbology::Postnet);
    const std::tuple<const char*, const char*, const char*> rows[] = {
        // message, text, check
        // Digits 1 to 9 add up to 45: check (10 - 5) mod 10 = 5.
        {"ZIP: 12345-6789", "12345-6789", "5"},
        {"12345-67", "12345", "5"},             // 15 -> 5
        {"1 2 3 4 5", "12345", "5"},            // blanks are skipped
        {"12345-67890-1", "12345-678901", "4"}, // 46 -> 4; the second dash is ignored
        // Twelve digits: the twelfth is shown but not encoded: 1+2+...+9+0+1 = 46 -> 4.
        {"123456789012", "12345-6789012", "4"},
    };
    for (const auto& [message, text, check] : rows) {
        const auto result = encodePostnet(tables, message);
        const std::string got = outcome(result);
        EXPECT_EQ(got.substr(got.find('|')), std::string("|") + text) << message;
        EXPECT_EQ(testing::checkTextOf(result), check) << message;
    }
    // "1 to 9" as the frame, five bars for each digit and the check digit.
    EXPECT_EQ(outcome(encodePostnet(tables, "123456789")),
              "4333443343433443343343434334433433344334343433343434|12345-6789");
    for (const char* refused : {"1234", "123456", "12345678901234", "", "ABCDE"})
        EXPECT_EQ(outcome(encodePostnet(tables, refused)), "error 1") << refused;
}

TEST(PostalTest, FourStateFiltersAndChecks) {
    const PatternTables tables = tablesFor(Symbology::Bpo4State);
    EXPECT_EQ(tables.PatternTable['0'] + tables.PatternTable['1'] + tables.PatternTable['A'] +
                  tables.PatternTable['Z'],
              "WWZZ"
              "WYXZ"
              "YXYX"
              "ZZWW");
    // S N 3 4 1 R B stand at rows 5 4 1 1 1 5 2 (19 -> 1) and columns
    // 5 6 4 5 2 4 6 (32 -> 2): the check character is row 1, column 2, "1".
    const auto result = encodeFourState(tables, "sn34 1rb");
    const std::string got = outcome(result);
    EXPECT_EQ(got.size(), 1 + 8 * 4 + 1 + std::string("|SN341RB").size()) << got;
    EXPECT_TRUE(got.ends_with("|SN341RB")) << got;
    EXPECT_EQ(testing::checkTextOf(result), "1");
    // Sums that are multiples of 6 pick row or column 6, not 0: 5 is row 1,
    // column 6 and Z row 6, column 6; rows 1 + 24 = 25 -> 1, columns 30 -> 6.
    EXPECT_EQ(testing::checkTextOf(encodeFourState(tables, "5ZZZZ")), "5");
    for (const char* refused : {"ABCD", "ABCDEFGHIJKLM", "-- --"})
        EXPECT_EQ(outcome(encodeFourState(tables, refused)), "error 34") << refused;
}

// libzint draws the same codes one module a bar, one module apart: its rows
// say which bars reach the top and which the bottom.
TEST(PostalTest, MatchesLibzintBarForBar) {
    std::mt19937 random(20261206);
    const PatternTables postnet = tablesFor(Symbology::Postnet);
    const PatternTables fourState = tablesFor(Symbology::Bpo4State);
    const std::string characters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    // Our bars as "1" where a bar is one of `kinds`.
    const auto marks = [](const std::string& bars, std::string_view kinds) {
        std::string row;
        for (const char bar : bars)
            row += kinds.find(bar) != std::string_view::npos ? '1' : '0';
        return row;
    };
    for (int i = 0; i < 200; ++i) {
        const std::string zip = testing::randomDigits(random, i % 3 == 0 ? 5 : i % 3 == 1 ? 9 : 11);
        const auto ours = std::get<LinearSymbol>(encodePostnet(postnet, zip)).pattern;
        EXPECT_EQ(marks(ours, "4"), zintModules(BARCODE_POSTNET, zip, 0, 0, 2)) << zip;

        std::string code;
        for (std::size_t n = 5 + random() % 8; n > 0; --n)
            code += characters[random() % characters.size()];
        const auto bars = std::get<LinearSymbol>(encodeFourState(fourState, code)).pattern;
        EXPECT_EQ(marks(bars, "XZ"), zintModules(BARCODE_RM4SCC, code, 0, 0, 2)) << code;
        EXPECT_EQ(marks(bars, "YZ"), zintModules(BARCODE_RM4SCC, code, 0, 2, 2)) << code;
    }
}

} // namespace
} // namespace vornik::linear
