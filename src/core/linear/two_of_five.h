#pragma once

#include "core/linear/encode_linear.h"
#include "core/linear/pattern_tables.h"

#include <string>

namespace vornik::linear {

// Interleaved 2 of 5: PatternTable[10 a + b] draws the digit pair a, b with a
// in the bars and b in the spaces, between a narrow start and a wide stop.
void fillInterleaved2of5Tables(PatternTables& tables);

// Discrete 2 of 5: PatternTable[digit code] draws the digit in the five bars,
// each followed by a narrow space.
void fillDiscrete2of5Tables(PatternTables& tables);

// Digits only, padded with a leading 0 to an even count; with `checkDigit`
// the modulo 10 check digit (weights 3, 1 from the right) is appended.
[[nodiscard]] EncodeResult encodeInterleaved2of5(const PatternTables& tables,
                                                 const std::string& message, bool checkDigit);

// Digits only, no check digit.
[[nodiscard]] EncodeResult encodeDiscrete2of5(const PatternTables& tables,
                                              const std::string& message);

} // namespace vornik::linear
