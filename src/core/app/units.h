#pragma once

#include "core/app/job.h"

#include <string_view>

namespace vornik {

// Conversions of a dimension box's text into the internal units. The text's
// leading number is taken; an empty or non-numeric text gives 0, which the
// Build command later reports as a missing dimension.

// Narrow bar width and module sizes, to thousandths of a centimetre.
[[nodiscard]] float ToInternalWidth(std::string_view text, Units units, int dotsAcross);

// Bar height of linear symbols, to centimetres.
[[nodiscard]] float ToInternalHeight(std::string_view text, Units units, int dotsAlong);

// Module height of PDF417 and Aztec Code, to thousandths of a centimetre.
[[nodiscard]] float ToInternalModuleHeight(std::string_view text, Units units, int dotsAlong);

} // namespace vornik
