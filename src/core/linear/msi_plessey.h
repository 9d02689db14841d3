#pragma once

#include "core/linear/encode_linear.h"
#include "core/linear/pattern_tables.h"

#include <string>
#include <string_view>

namespace vornik::linear {

// PatternTable[digit code] draws the digit's four bits, most significant
// first: 0 a narrow bar and wide space, 1 a wide bar and narrow space.
void fillMsiPlesseyTables(PatternTables& tables);

// The modulo 10 check digit of a string of digits: the digits in odd places
// from the right, joined into one number and doubled, give their decimal
// digits to the sum; the digits in even places add as they are.
[[nodiscard]] char msiCheckDigit(std::string_view digits);

// Digits only; one check digit always, a second one with `checkDigit`.
[[nodiscard]] EncodeResult encodeMsiPlessey(const PatternTables& tables, const std::string& message,
                                            bool checkDigit);

} // namespace vornik::linear
