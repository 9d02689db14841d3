#pragma once

#include "core/linear/encode_linear.h"
#include "core/linear/pattern_tables.h"

#include <string>

namespace vornik::linear {

// Fills the data characters at their codes, the shift characters at 131 to
// 134, every other ASCII code as shift plus character, and the start and stop
// patterns.
void fillCode93Tables(PatternTables& tables);

// Start, the message in full ASCII, the check characters C and K, stop. The
// text is the message between blanks; the check text is "C,K".
[[nodiscard]] EncodeResult encodeCode93(const PatternTables& tables, const std::string& message);

} // namespace vornik::linear
