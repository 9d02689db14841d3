#pragma once

#include "core/twod/dm_legacy_bits.h"
#include "core/twod/dm_legacy_level.h"

namespace vornik::twod {

// The bits of `input` coded with the level's convolutional code (ECC 050 rate
// 3/4, ECC 080 2/3, ECC 100 1/2, ECC 140 1/4). The input is filled with zeros
// to whole steps, and zeros follow it until the coder's memory is empty. ECC
// 000 has no code: the input comes back unchanged.
[[nodiscard]] LegacyBits convolve(LegacyLevel level, const LegacyBits& input);

} // namespace vornik::twod
