#pragma once

#include "core/twod/pdf417_codewords.h"

#include <optional>
#include <string_view>

namespace vornik::twod {

// Numeric compaction of a digit string, in groups of 44 digits, each group
// with a leading 1 written in base 900. With `latch` the sequence starts with
// 902. Anything but a digit cannot be encoded (nullopt).
[[nodiscard]] std::optional<Codewords> PdfNumericCompact(std::string_view digits, bool latch);

} // namespace vornik::twod
