#pragma once

#include "core/twod/pdf417_codewords.h"

#include <string_view>

namespace vornik::twod {

// Byte compaction of one segment with its latch: 924 before a multiple of 6
// bytes, else 901. Six bytes make five codewords; the rest one each.
[[nodiscard]] Codewords PdfByteCompact(std::string_view bytes);

} // namespace vornik::twod
