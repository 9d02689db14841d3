#include "core/linear/msi_plessey.h"
#include "core/linear/zint_modules.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <variant>

namespace vornik::linear {
namespace {

TEST(MsiPlessey, CheckDigit) {
    struct Row {
        const char* name;
        std::string digits;
        char check;
    };
    const Row rows[] = {
        // odd places from the right 4, 2: 24 x 2 = 48, 4 + 8 + 3 + 1 = 16
        {"four digits", "1234", '4'},
        // 1357 x 2 = 2714, 2 + 7 + 1 + 4 + 6 + 4 + 2 = 26
        {"seven digits", "1234567", '4'},
        // 134 x 2 = 268, 2 + 6 + 8 + 4 + 2 = 22
        {"with the first check", "12344", '8'},
        {"zero", "0", '0'},
        // 13 nines doubled: 1999999999998, 1 + 12 x 9 + 8 = 117; 12 nines 108;
        // 225: check 5, a number longer than any integer type
        {"twenty-five nines", std::string(25, '9'), '5'},
    };
    for (const Row& row : rows)
        EXPECT_EQ(msiCheckDigit(row.digits), row.check) << row.name;
}

// Digits as four bits, most significant first: 0 = 32, 1 = 41.
TEST(MsiPlessey, EncodesOrRejects) {
    struct Row {
        const char* name;
        bool check;
        std::string message;
        std::string digits; // the patterns between start and stop
        std::string text;
        std::string checkText;
        std::int32_t error = 0;
    };
    const Row rows[] = {
        // 1 = 0001, check 8 = 1000 (1 x 2 = 2, 10 - 2)
        {"one check digit", false, "1",
         "32323241"
         "41323232",
         "1", "8"},
        // 1234 then 4 (0100) then 8 (1000)
        {"two check digits", true, "1234",
         "32323241"
         "32324132"
         "32324141"
         "32413232"
         "32413232"
         "41323232",
         "12344", "8"},
        {"letter refused", false, "12a", "", "", "", 35},
    };
    PatternTables tables;
    fillMsiPlesseyTables(tables);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const EncodeResult result = encodeMsiPlessey(tables, row.message, row.check);
        EXPECT_EQ(testing::outcome(result), row.error != 0 ? "error " + std::to_string(row.error)
                                                           : "41" + row.digits + "323|" + row.text);
        if (const auto* symbol = std::get_if<LinearSymbol>(&result)) {
            EXPECT_EQ(symbol->checkText, row.checkText);
        }
    }
}

// libzint's option 1 adds one modulo 10 check digit, option 2 two; both draw
// wide elements two modules wide and end on the stop's last bar, as we do.
TEST(MsiPlessey, MatchesLibzintModuleForModule) {
    PatternTables tables;
    fillMsiPlesseyTables(tables);
    std::mt19937 random(18);
    for (int i = 0; i < 200; ++i) {
        const std::string message = testing::randomDigits(random, 1 + random() % 30);
        const bool check = i % 2 == 1;
        EXPECT_EQ(testing::encodedModules(encodeMsiPlessey(tables, message, check), 2),
                  testing::zintModules(BARCODE_MSI_PLESSEY, message, check ? 2 : 1))
            << message << (check ? " with two check digits" : "");
    }
}

} // namespace
} // namespace vornik::linear
