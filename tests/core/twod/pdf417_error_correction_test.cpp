#include "core/twod/pdf417_error_correction.h"

#include <gtest/gtest.h>
#include <tuple>

namespace vornik::twod {
namespace {

// Data followed by its error correction is a multiple of the generator
// polynomial: it vanishes at 3, 3^2, ... 3^k modulo 929.
TEST(Pdf417ErrorCorrection, CodewordsVanishAtTheGeneratorRoots) {
    for (int level = 0; level <= 8; ++level) {
        Codewords symbol{12, 1, 89, 900, 900, 0, 928, 17, 450};
        const Codewords ecc = PdfReedSolomon(symbol, level);
        ASSERT_EQ(static_cast<int>(ecc.size()), errorCodewordCount(level)) << level;
        symbol.insert(symbol.end(), ecc.begin(), ecc.end());
        long long root = 1;
        for (int i = 1; i <= errorCodewordCount(level); ++i) {
            root = root * 3 % 929;
            long long value = 0;
            for (const int c : symbol)
                value = (value * root + c) % 929;
            EXPECT_EQ(value, 0) << "level " << level << ", root 3^" << i;
        }
    }
    EXPECT_EQ(errorCodewordCount(0) * 1000 + errorCodewordCount(8), 2512);
}

TEST(Pdf417ErrorCorrection, AutomaticLevelFollowsTheOverhead) {
    // name, data codewords + 1, security, overhead percent, level
    const std::tuple<const char*, int, int, int, int> rows[] = {
        {"Chosen", 500, 3, 11, 3},
        {"Below2", 18, 9, 11, 1}, // 1.98
        {"Above2", 20, 9, 11, 2}, // 2.2
        {"ZeroOverhead", 500, 9, 0, 0},
        {"Exactly8", 100, 9, 8, 2},
        {"Above256", 929, 9, 28, 8},
        {"Exactly256", 800, 9, 32, 7},
        {"OutOfRangeIsAutomatic", 18, -1, 11, 1},
    };
    for (const auto& [name, dataPlusOne, security, overhead, level] : rows)
        EXPECT_EQ(PdfChooseLevel(dataPlusOne, security, overhead), level) << name;
}

} // namespace
} // namespace vornik::twod
