#pragma once

#include "core/twod/pdf417_codewords.h"

#include <optional>
#include <string_view>

namespace vornik::twod {

// The text sub-modes, numbered as the encoder knows them.
enum class SubMode { Alpha = 1, Lower = 2, Mixed = 3, Punctuation = 4 };

// Whether a sub-mode's table holds the character.
[[nodiscard]] bool inSubMode(SubMode mode, char c);

// Text compaction of one segment, starting in Alpha. A character no text
// table holds becomes a byte shift when byte shifts are allowed; otherwise
// the segment cannot be encoded (nullopt).
[[nodiscard]] std::optional<Codewords> PdfTextCompact(std::string_view text,
                                                      bool byteShiftsAllowed);

} // namespace vornik::twod
