#pragma once

#include "core/linear/encode_linear.h"
#include "core/linear/pattern_tables.h"

#include <string>

namespace vornik::linear {

// POSTNET: five bars a digit, two of them tall (4) and three short (3),
// between two tall frame bars, with a mod 10 check digit.
void fillPostnetTables(PatternTables& tables);
[[nodiscard]] EncodeResult encodePostnet(const PatternTables& tables, const std::string& message);

// BPO 4 State Code (the Royal Mail customer code): four bars a character,
// each a tracker (W), ascender (X), descender (Y) or full bar (Z), between an
// ascender start bar and a full stop bar, with a row/column check character.
void fillFourStateTables(PatternTables& tables);
[[nodiscard]] EncodeResult encodeFourState(const PatternTables& tables, const std::string& message);

} // namespace vornik::linear
