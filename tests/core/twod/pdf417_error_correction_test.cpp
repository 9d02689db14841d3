#include "core/twod/pdf417_error_correction.h"

#include <gtest/gtest.h>

namespace vornik::twod {
namespace {

TEST(Pdf417ErrorCorrection, CoefficientsOfTheStandard) {
    EXPECT_EQ(Codewords(rsCoefficients(0).begin(), rsCoefficients(0).end()), (Codewords{27, 917}));
    EXPECT_EQ(Codewords(rsCoefficients(1).begin(), rsCoefficients(1).end()),
              (Codewords{522, 568, 723, 809}));
    EXPECT_EQ(Codewords(rsCoefficients(8).begin(), rsCoefficients(8).begin() + 6),
              (Codewords{352, 77, 373, 504, 35, 599}));
    EXPECT_EQ(rsCoefficients(8).size(), 512U);
}

// Data followed by its error correction is a multiple of the generator
// polynomial: it vanishes at 3, 3^2, ... 3^k modulo 929.
TEST(Pdf417ErrorCorrection, CodewordsVanishAtTheGeneratorRoots) {
    for (int level = 0; level <= 8; ++level) {
        SCOPED_TRACE(level);
        Codewords symbol{12, 1, 89, 900, 900, 0, 928, 17, 450};
        const Codewords ecc = PdfReedSolomon(symbol, level);
        ASSERT_EQ(static_cast<int>(ecc.size()), errorCodewordCount(level));
        symbol.insert(symbol.end(), ecc.begin(), ecc.end());
        long long root = 1;
        for (int i = 1; i <= errorCodewordCount(level); ++i) {
            root = root * 3 % 929;
            long long value = 0;
            for (const int c : symbol)
                value = (value * root + c) % 929;
            EXPECT_EQ(value, 0) << "root 3^" << i;
        }
    }
}

TEST(Pdf417ErrorCorrection, AutomaticLevelFollowsTheOverhead) {
    const struct {
        const char* name;
        int dataPlusOne;
        int security;
        int overhead;
        int level;
    } rows[] = {
        {"Chosen", 500, 3, 11, 3},
        {"Below2", 18, 9, 11, 1}, // 1.98
        {"Above2", 20, 9, 11, 2}, // 2.2
        {"ZeroOverhead", 500, 9, 0, 0},
        {"Exactly8", 100, 9, 8, 2},
        {"Above256", 929, 9, 28, 8},
        {"Exactly256", 800, 9, 32, 7},
        {"OutOfRangeIsAutomatic", 18, -1, 11, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(PdfChooseLevel(row.dataPlusOne, row.security, row.overhead), row.level);
    }
}

} // namespace
} // namespace vornik::twod
