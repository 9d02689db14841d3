#pragma once

#include <optional>

namespace vornik::twod {

// The error correction levels below ECC 200.
enum class LegacyLevel { Ecc000, Ecc050, Ecc080, Ecc100, Ecc140 };

// The level of a `DmEccLevel` setting (0, 3, 6, 8, 12); none for ECC 200 or a
// value that names no level.
[[nodiscard]] constexpr std::optional<LegacyLevel> legacyLevelOf(int eccLevel) {
    switch (eccLevel) {
    case 0:
        return LegacyLevel::Ecc000;
    case 3:
        return LegacyLevel::Ecc050;
    case 6:
        return LegacyLevel::Ecc080;
    case 8:
        return LegacyLevel::Ecc100;
    case 12:
        return LegacyLevel::Ecc140;
    default:
        return std::nullopt;
    }
}

} // namespace vornik::twod
