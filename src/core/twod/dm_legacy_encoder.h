#pragma once

#include "core/twod/dm_legacy_level.h"
#include "core/twod/module_matrix.h"

#include <string_view>

namespace vornik::twod {

struct LegacySymbol {
    int status = 0; // kDmSuccess, or the reason nothing was made
    ModuleMatrix matrix;
};

// The longest message: the length field has nine bits.
inline constexpr std::size_t kLegacyLongestMessage = 511;

// Encodes `message` (bytes as given, no escapes) at an ECC 000 to 140 level in
// data format `dmFormat` (1 to 6). `size` 0 picks the smallest square that
// holds the message; otherwise it is the side asked for (odd, 9 to 49).
[[nodiscard]] LegacySymbol encodeLegacyDataMatrix(LegacyLevel level, int dmFormat,
                                                  std::string_view message, int size);

} // namespace vornik::twod
