#pragma once

#include "core/twod/dm_legacy_bits.h"

#include <cstddef>

namespace vornik::twod {

// The longest stream the random bits cover: a 49x49 symbol's 2209 data
// modules less the seven that name the level.
inline constexpr std::size_t kLegacyRandomisedBits = 47 * 47 - 7;

// `bits` (at most kLegacyRandomisedBits) combined bit by bit with the master
// random bit stream, so that long runs of equal bits do not reach the symbol.
[[nodiscard]] LegacyBits randomise(const LegacyBits& bits);

} // namespace vornik::twod
