#include "core/app/rounding.h"

#include <cfenv>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <utility>

namespace vornik {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// clang-format off
constexpr std::pair<double, std::int32_t> kNearestRows[] = {
    {3.9, 4}, {-3.9, -4}, {1.4, 1}, {-1.4, -1},
    // Exact halves to the even neighbour; just below and above a half.
    {0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {1000001.5, 1000002},
    {2.4999999999999996, 2}, {2.5000000000000004, 3}, {-2.5000000000000004, -3},
    // At and beyond the int32 range: saturation.
    {2147483646.5, 2147483646}, {2147483647.4, kMax}, {2147483648.0, kMax},
    {-2147483647.5, kMin}, {-2147483649.0, kMin}, {1e300, kMax}, {-kInf, kMin}, {kInf, kMax},
    {kNaN, 0}, {std::numeric_limits<double>::denorm_min(), 0},
};
// clang-format on

// The same results in every floating-point rounding mode.
TEST(Nearest, RoundsHalvesToEvenAndSaturatesInEveryRoundingMode) {
    const int saved = std::fegetround();
    for (const int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        ASSERT_EQ(std::fesetround(mode), 0);
        for (const auto& [value, expected] : kNearestRows) {
            EXPECT_EQ(nearest(value), expected) << "mode " << mode << ", value " << value;
        }
    }
    std::fesetround(saved);
}

// Beyond the float range a plain conversion is undefined: saturate.
TEST(ToSingle, NarrowsAndSaturates) {
    constexpr float kLargest = std::numeric_limits<float>::max();
    const std::pair<double, float> rows[] = {
        {33.02, 33.02f},     {-2.54, -2.54f},  {kLargest, kLargest}, {1e39, kLargest},
        {-1e300, -kLargest}, {kInf, kLargest}, {-kInf, -kLargest},   {kNaN, 0.0f}};
    for (const auto& [value, expected] : rows) {
        EXPECT_EQ(toSingle(value), expected) << "value " << value;
    }
}

} // namespace
} // namespace vornik
