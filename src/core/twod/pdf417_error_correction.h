#pragma once

#include "core/twod/pdf417_codewords.h"

#include <cstdint>
#include <span>

namespace vornik::twod {

inline constexpr int kAutomaticSecurity = 9;
inline constexpr int kHighestSecurityLevel = 8;

// Number of error correction codewords of a security level: 2^(L+1).
[[nodiscard]] constexpr int errorCodewordCount(int level) {
    return 2 << level;
}

// The security level: the chosen one, or with automatic security the level
// whose codewords reach the overhead percentage of the data (with its
// length descriptor, `dataPlusOne` codewords).
[[nodiscard]] int PdfChooseLevel(int dataPlusOne, std::int32_t securityLevel,
                                 std::int32_t overheadPercent);

// The generator polynomial coefficients of a level, lowest degree first.
[[nodiscard]] std::span<const int> rsCoefficients(int level);

// The level's error correction codewords for the data (length descriptor
// first), in the order they follow the data.
[[nodiscard]] Codewords PdfReedSolomon(std::span<const int> data, int level);

} // namespace vornik::twod
