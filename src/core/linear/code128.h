#pragma once

#include "core/linear/encode_linear.h"
#include "core/linear/pattern_tables.h"

#include <string>

namespace vornik::linear {

// The function characters as they stand in a message.
inline constexpr unsigned char kFnc1 = 128;
inline constexpr unsigned char kFnc2 = 129;
inline constexpr unsigned char kFnc3 = 130;
inline constexpr unsigned char kFnc4 = 131;

// Whether the symbol carries the EAN/UCC FNC1 after its start character.
enum class Code128Variant { Plain, EanUcc };

// Fills PatternTable 0 to 105 with the symbol characters by value and the
// stop pattern.
void fillCode128Tables(PatternTables& tables);

// Start, the message with the code set changes chosen by look-ahead, the
// modulo 103 check character, stop. EAN/UCC-128 puts FNC1 after the start and,
// with `checkDigit`, appends a modulo 10 digit to an all-digit message. The
// text is the message with the function characters shown as their display
// substitutes; the check text is the check value.
[[nodiscard]] EncodeResult encodeCode128(const PatternTables& tables, const std::string& message,
                                         Code128Variant variant, bool checkDigit);

} // namespace vornik::linear
