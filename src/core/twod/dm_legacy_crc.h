#pragma once

#include "core/twod/dm_legacy_formats.h"

#include <cstdint>
#include <string_view>

namespace vornik::twod {

// The 16-bit check of an ECC 000 to 140 symbol: CRC-CCITT (x^16 + x^12 + x^5
// + 1) from zero over the format number plus one, a zero byte and the
// message's bytes, each byte taken least significant bit first.
[[nodiscard]] std::uint16_t legacyCrc(LegacyFormat format, std::string_view message);

} // namespace vornik::twod
