#include "core/linear/two_of_five.h"
#include "core/linear/zint_modules.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <variant>

namespace vornik::linear {
namespace {

using testing::expectedOutcome;
using testing::outcome;

// Interleaved pairs by hand from the digit widths (0 NNWWN, 1 WNNNW,
// 2 NWNNW, 3 WWNNN, 6 NWWNN), bar from the first digit, space from the
// second, 3/4 for bars and 1/2 for spaces; start 3131, stop 413.
constexpr const char* kPair01 = "3231414132"; // NW NN WN WN NW
constexpr const char* kPair23 = "3242313141"; // NW WW NN NN WN
constexpr const char* kPair12 = "4132313142"; // WN NW NN NN WW
constexpr const char* kPair36 = "4142323131"; // WN WW NW NN NN

TEST(Interleaved2of5, EncodesOrRejects) {
    const std::string p0123 = std::string("3131") + kPair01 + kPair23 + "413";
    const std::tuple<const char*, bool, std::string, std::string, std::string, int> rows[] = {
        {"odd count padded", false, "123", p0123, "0123", 0},
        {"even count kept", false, "0123", p0123, "0123", 0},
        // 012: 3 x 0 + 1 + 3 x 2 = 7, check 3
        {"check after padding", true, "12", p0123, "0123", 0},
        // 123: 3 x 1 + 2 + 3 x 3 = 14, check 6
        {"check on odd count", true, "123", std::string("3131") + kPair12 + kPair36 + "413", "1236",
         0},
        {"letter refused", false, "12A4", "", "", 4},
        {"letter refused with check", true, "1 3", "", "", 4},
    };
    PatternTables tables;
    fillInterleaved2of5Tables(tables);
    for (const auto& [name, check, message, pattern, text, error] : rows)
        EXPECT_EQ(outcome(encodeInterleaved2of5(tables, message, check)),
                  expectedOutcome(pattern, text, error))
            << name;
}

// 0 NNWWN, 7 NNNWW: each bar followed by a narrow space. libzint draws
// Discrete (Industrial) 2 of 5 with wide elements of three modules and ends
// on the last bar of the stop character; our stop keeps a trailing narrow
// space, which the renderer drops, so one "0" is added to libzint's modules.
TEST(Discrete2of5, EncodesOrRejectsAsLibzintDoes) {
    PatternTables tables;
    fillDiscrete2of5Tables(tables);
    EXPECT_EQ(outcome(encodeDiscrete2of5(tables, "0")), "414131"
                                                        "3131414131"
                                                        "413141|0");
    EXPECT_EQ(outcome(encodeDiscrete2of5(tables, "70")), "414131"
                                                         "3131314141"
                                                         "3131414131"
                                                         "413141|70");
    EXPECT_EQ(outcome(encodeDiscrete2of5(tables, "7a")), "error 16");
    std::mt19937 random(25);
    for (int i = 0; i < 200; ++i) {
        const std::string message = testing::randomDigits(random, 1 + random() % 30);
        EXPECT_EQ(testing::encodedModules(encodeDiscrete2of5(tables, message), 3),
                  testing::zintModules(BARCODE_C25IND, message, 0) + "0")
            << message;
    }
}

} // namespace
} // namespace vornik::linear
