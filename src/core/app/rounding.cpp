#include "core/app/rounding.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vornik {

std::int32_t nearest(double value) {
    constexpr auto lowest = std::numeric_limits<std::int32_t>::min();
    constexpr auto highest = std::numeric_limits<std::int32_t>::max();
    if (std::isnan(value)) {
        return 0;
    }
    // Saturate first, so that infinities and huge magnitudes never reach the
    // conversion below. The bounds are exact in double.
    if (value >= static_cast<double>(highest)) {
        return highest;
    }
    if (value <= static_cast<double>(lowest)) {
        return lowest;
    }
    // Half to even without relying on the floating-point rounding mode (which
    // std::nearbyint would): within this range both floor() and the
    // subtraction are exact.
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) {
        whole += 1.0;
    }
    // whole is now within [lowest, highest]: value was strictly inside the
    // range, and rounding up from below highest gives at most highest.
    return static_cast<std::int32_t>(whole);
}

float toSingle(double value) {
    constexpr double largest = std::numeric_limits<float>::max();
    if (std::isnan(value)) {
        return 0.0f;
    }
    return static_cast<float>(std::clamp(value, -largest, largest));
}

} // namespace vornik
