#include "core/linear/msi_plessey.h"
#include "core/linear/zint_modules.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <variant>

namespace vornik::linear {
namespace {

TEST(MsiPlessey, CheckDigit) {
    const std::pair<std::string, char> rows[] = {
        {"1234", '4'},    // odd places from the right 4, 2: 24 x 2 = 48, 4 + 8 + 3 + 1 = 16
        {"1234567", '4'}, // 1357 x 2 = 2714, 2 + 7 + 1 + 4 + 6 + 4 + 2 = 26
        {"12344", '8'},   // with the first check: 134 x 2 = 268, 2 + 6 + 8 + 4 + 2 = 22
        {"0", '0'},
        // 13 nines doubled: 1999999999998, 1 + 12 x 9 + 8 = 117; 12 nines 108;
        // 225: check 5, a number longer than any integer type
        {std::string(25, '9'), '5'},
    };
    for (const auto& [digits, check] : rows)
        EXPECT_EQ(msiCheckDigit(digits), check) << digits;
}

// Digits as four bits, most significant first: 0 = 32, 1 = 41; start 41,
// stop 323. libzint's option 1 adds one modulo 10 check digit, option 2 two;
// both draw wide elements two modules wide and end on the stop's last bar,
// as we do.
TEST(MsiPlessey, EncodesOrRejectsAsLibzintDoes) {
    PatternTables tables;
    fillMsiPlesseyTables(tables);
    // 1 = 0001, check 8 = 1000 (1 x 2 = 2, 10 - 2)
    const EncodeResult one = encodeMsiPlessey(tables, "1", false);
    EXPECT_EQ(testing::outcome(one), "41"
                                     "32323241"
                                     "41323232"
                                     "323|1");
    EXPECT_EQ(testing::checkTextOf(one), "8");
    // 1234 then 4 (0100) then 8 (1000)
    const EncodeResult two = encodeMsiPlessey(tables, "1234", true);
    EXPECT_EQ(testing::outcome(two), "41"
                                     "32323241"
                                     "32324132"
                                     "32324141"
                                     "32413232"
                                     "32413232"
                                     "41323232"
                                     "323|12344");
    EXPECT_EQ(testing::checkTextOf(two), "8");
    EXPECT_EQ(testing::outcome(encodeMsiPlessey(tables, "12a", false)), "error 35");
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
