#pragma once

#include "core/twod/pdf417_codewords.h"

#include <string_view>

namespace vornik::twod {

// Automatic mode: the message is cut into text, byte and numeric segments
// (numeric only when `numericAllowed`), each in its own compaction.
[[nodiscard]] Codewords PdfAutoCompact(std::string_view message, bool numericAllowed);

} // namespace vornik::twod
