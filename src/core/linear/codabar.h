#pragma once

#include "core/linear/encode_linear.h"
#include "core/linear/pattern_tables.h"

#include <string>

namespace vornik::linear {

// PatternTable[character code] for the 20 Codabar characters, each with its
// narrow gap. There is no separate start or stop pattern: the message's own
// first and last characters (A to D) are the start and stop characters.
void fillCodabarTables(PatternTables& tables);

// Upper-cases the message; with `checkDigit` the modulo 16 check character is
// inserted before the stop character.
[[nodiscard]] EncodeResult encodeCodabar(const PatternTables& tables, const std::string& message,
                                         bool checkDigit);

} // namespace vornik::linear
