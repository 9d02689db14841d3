#include "core/app/rounding.h"

#include <cfenv>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace vornik {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct NearestCase {
    double value;
    std::int32_t expected;
};

constexpr NearestCase kNearestCases[] = {
    // Whole numbers and ordinary fractions.
    {0.0, 0},
    {-0.0, 0},
    {1.0, 1},
    {-7.0, -7},
    {3.9, 4},
    {-3.9, -4},
    {76.923, 77},
    {1.4, 1},
    {-1.4, -1},
    // Exact halves go to the even neighbour, on both sides of zero.
    {0.5, 0},
    {1.5, 2},
    {2.5, 2},
    {3.5, 4},
    {-0.5, 0},
    {-1.5, -2},
    {-2.5, -2},
    {-3.5, -4},
    {1000001.5, 1000002},
    {1000000.5, 1000000},
    // Just below and above a half.
    {0.49999999999999994, 0},
    {2.4999999999999996, 2},
    {2.5000000000000004, 3},
    {-2.5000000000000004, -3},
    // Tiny values.
    {std::numeric_limits<double>::denorm_min(), 0},
    {-std::numeric_limits<double>::denorm_min(), 0},
    // At and beyond the int32 range: saturation.
    {2147483647.0, kMax},
    {2147483647.4, kMax},
    {2147483647.5, kMax},
    {2147483648.0, kMax},
    {2147483646.5, 2147483646},
    {-2147483648.0, kMin},
    {-2147483647.5, kMin},
    {-2147483648.5, kMin},
    {-2147483649.0, kMin},
    {1e300, kMax},
    {-1e300, kMin},
    {std::numeric_limits<double>::max(), kMax},
    {std::numeric_limits<double>::lowest(), kMin},
    {kInf, kMax},
    {-kInf, kMin},
    // Not a number.
    {kNaN, 0},
    {-kNaN, 0},
};

TEST(NearestTest, RoundsHalvesToEvenAndSaturates) {
    for (const NearestCase& row : kNearestCases) {
        SCOPED_TRACE(::testing::Message() << "value " << row.value);
        EXPECT_EQ(nearest(row.value), row.expected);
    }
}

// The result does not depend on the floating-point rounding mode.
TEST(NearestTest, IgnoresTheRoundingMode) {
    const int saved = std::fegetround();
    for (const int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        if (std::fesetround(mode) != 0) {
            continue;
        }
        for (const NearestCase& row : kNearestCases) {
            SCOPED_TRACE(::testing::Message() << "mode " << mode << ", value " << row.value);
            EXPECT_EQ(nearest(row.value), row.expected);
        }
    }
    std::fesetround(saved);
}

struct SingleCase {
    double value;
    float expected;
};

constexpr float kLargestFloat = std::numeric_limits<float>::max();

constexpr SingleCase kSingleCases[] = {
    {33.02, 33.02f},
    {-2.54, -2.54f},
    {0.0, 0.0f},
    // Beyond the float range a plain conversion is undefined: saturate.
    {1e39, kLargestFloat},
    {-1e300, -kLargestFloat},
    {kInf, kLargestFloat},
    {-kInf, -kLargestFloat},
    {kNaN, 0.0f},
};

TEST(ToSingleTest, NarrowsAndSaturates) {
    for (const SingleCase& row : kSingleCases) {
        SCOPED_TRACE(::testing::Message() << "value " << row.value);
        EXPECT_EQ(toSingle(row.value), row.expected);
    }
}

} // namespace
} // namespace vornik
