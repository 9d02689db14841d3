#include "core/linear/postal.h"
#include "core/linear/zint_modules.h"

#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>
#include <zint.h>

namespace vornik::linear {
namespace {

PatternTables tablesFor(Symbology symbology) {
    Job job;
    job.Symbology = symbology;
    PatternTables tables;
    BuildPatternTables(job, tables);
    return tables;
}

TEST(PostalTest, PostnetReadsZipCodesAsTyped) {
    const PatternTables tables = tablesFor(Symbology::Postnet);
    const struct {
        const char* message;
        const char* text;
        const char* check;
    } rows[] = {
        // Digits 1 to 9 add up to 45: check (10 - 5) mod 10 = 5.
        {"ZIP: 12345-6789", "12345-6789", "5"},
        {"12345-67", "12345", "5"},             // 15 -> 5
        {"1 2 3 4 5", "12345", "5"},            // blanks are skipped
        {"12345-67890-1", "12345-678901", "4"}, // 46 -> 4; the second dash is ignored
        // Twelve digits: the twelfth is shown but not encoded: 1+2+...+9+0+1 = 46 -> 4.
        {"123456789012", "12345-6789012", "4"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.message);
        const auto result = encodePostnet(tables, row.message);
        const auto* symbol = std::get_if<LinearSymbol>(&result);
        ASSERT_NE(symbol, nullptr);
        EXPECT_EQ(symbol->text, row.text);
        EXPECT_EQ(symbol->checkText, row.check);
        EXPECT_EQ(symbol->pattern.front(), '4');
        EXPECT_EQ(symbol->pattern.back(), '4');
    }
    // "1 to 9" as the frame, five bars for each digit and the check digit.
    const auto nine = std::get<LinearSymbol>(encodePostnet(tables, "123456789"));
    EXPECT_EQ(nine.pattern, "4333443343433443343343434334433433344334343433343434");
    for (const char* refused : {"1234", "123456", "12345678901234", "", "ABCDE"}) {
        EXPECT_EQ(testing::outcome(encodePostnet(tables, refused)), "error 1") << refused;
    }
}

TEST(PostalTest, FourStateFiltersAndChecks) {
    const PatternTables tables = tablesFor(Symbology::Bpo4State);
    EXPECT_EQ(tables.PatternTable['0'], "WWZZ");
    EXPECT_EQ(tables.PatternTable['1'], "WYXZ");
    EXPECT_EQ(tables.PatternTable['A'], "YXYX");
    EXPECT_EQ(tables.PatternTable['Z'], "ZZWW");
    // S N 3 4 1 R B stand at rows 5 4 1 1 1 5 2 (19 -> 1) and columns
    // 5 6 4 5 2 4 6 (32 -> 2): the check character is row 1, column 2, "1".
    const auto result = encodeFourState(tables, "sn34 1rb");
    const auto* symbol = std::get_if<LinearSymbol>(&result);
    ASSERT_NE(symbol, nullptr);
    EXPECT_EQ(symbol->text, "SN341RB");
    EXPECT_EQ(symbol->checkText, "1");
    EXPECT_EQ(symbol->pattern.size(), 1 + 8 * 4 + 1u);
    // Sums that are multiples of 6 pick row or column 6, not 0: 5 is row 1,
    // column 6 and Z row 6, column 6; rows 1 + 24 = 25 -> 1, columns 30 -> 6.
    EXPECT_EQ(std::get<LinearSymbol>(encodeFourState(tables, "5ZZZZ")).checkText, "5");
    for (const char* refused : {"ABCD", "ABCDEFGHIJKLM", "-- --"}) {
        EXPECT_EQ(testing::outcome(encodeFourState(tables, refused)), "error 34") << refused;
    }
}

// libzint draws the same codes one module a bar, one module apart: its rows
// say which bars reach the top and which the bottom.
std::vector<std::string> zintRows(int symbology, const std::string& data) {
    const std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)> symbol(ZBarcode_Create(),
                                                                          &ZBarcode_Delete);
    symbol->symbology = symbology;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
    if (ZBarcode_Encode(symbol.get(), bytes, static_cast<int>(data.size())) >= ZINT_ERROR)
        return {};
    std::vector<std::string> rows;
    for (int y = 0; y < symbol->rows; ++y) {
        std::string row;
        for (int x = 0; x < symbol->width; x += 2)
            row += (symbol->encoded_data[y][x >> 3] >> (x & 7)) & 1 ? '1' : '0';
        rows.push_back(row);
    }
    return rows;
}

TEST(PostalTest, MatchesLibzintBarForBar) {
    std::mt19937 random(20261206);
    const PatternTables postnet = tablesFor(Symbology::Postnet);
    const PatternTables fourState = tablesFor(Symbology::Bpo4State);
    const std::string characters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (int i = 0; i < 200; ++i) {
        const std::string zip = testing::randomDigits(random, i % 3 == 0 ? 5 : i % 3 == 1 ? 9 : 11);
        const auto ours = std::get<LinearSymbol>(encodePostnet(postnet, zip)).pattern;
        std::string tall;
        for (const char bar : ours)
            tall += bar == '4' ? '1' : '0';
        const auto zint = zintRows(BARCODE_POSTNET, zip);
        ASSERT_EQ(zint.size(), 2u) << zip;
        EXPECT_EQ(tall, zint[0]) << zip;

        std::string code;
        for (std::size_t n = 5 + random() % 8; n > 0; --n)
            code += characters[random() % characters.size()];
        const auto bars = std::get<LinearSymbol>(encodeFourState(fourState, code)).pattern;
        std::string up, down;
        for (const char bar : bars) {
            up += bar == 'X' || bar == 'Z' ? '1' : '0';
            down += bar == 'Y' || bar == 'Z' ? '1' : '0';
        }
        const auto rm = zintRows(BARCODE_RM4SCC, code);
        ASSERT_EQ(rm.size(), 3u) << code;
        EXPECT_EQ(up, rm[0]) << code;
        EXPECT_EQ(down, rm[2]) << code;
    }
}

} // namespace
} // namespace vornik::linear
