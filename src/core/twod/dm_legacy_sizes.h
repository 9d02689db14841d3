#pragma once

#include <cstddef>

namespace vornik::twod {

// ECC 000 to 140 symbols are square with an odd side of 9 to 49 modules; a
// one-module border surrounds the data modules.
inline constexpr int kLegacySmallestSize = 9;
inline constexpr int kLegacyLargestSize = 49;

[[nodiscard]] constexpr bool isLegacySize(int size) {
    return size >= kLegacySmallestSize && size <= kLegacyLargestSize && size % 2 == 1;
}

// The data modules of a symbol `size` modules wide.
[[nodiscard]] constexpr std::size_t legacyDataModules(int size) {
    return static_cast<std::size_t>((size - 2) * (size - 2));
}

} // namespace vornik::twod
