#pragma once

#include "core/twod/dm_legacy_bits.h"

#include <optional>
#include <string_view>

namespace vornik::twod {

// The data formats of ECC 000 to 140, in the order of their format numbers
// (the number written in every symbol is the enumerator's value).
enum class LegacyFormat { Base11, Base27, Base41, Base37, Ascii, Binary };

// The format of a `DmFormat` setting: 1 numeric, 2 A-Z and space, 3 A-Z, 0-9
// and space, 4 the same with . , - /, 5 ASCII, 6 binary.
[[nodiscard]] std::optional<LegacyFormat> legacyFormatOf(int dmFormat);

// The number each symbol carries for its format.
[[nodiscard]] constexpr int formatNumber(LegacyFormat format) {
    return static_cast<int>(format);
}

// True when every byte of `message` is a character of `format`.
[[nodiscard]] bool formatAccepts(LegacyFormat format, std::string_view message);

// The characters of `message` (all accepted by `format`) packed into bits.
[[nodiscard]] LegacyBits packCharacters(LegacyFormat format, std::string_view message);

} // namespace vornik::twod
