#pragma once

#include "core/twod/aztec_bits.h"
#include "core/twod/aztec_symbol_size.h"

namespace vornik::twod {

// The mode message: layers - 1 and data words - 1 (2 and 6 bits compact,
// 5 and 11 full-range) in 4-bit words followed by 5 (compact) or 6
// Reed-Solomon check words over GF(16): 28 or 40 bits. A menu symbol sets
// the top bit of the data word count, which its sizes never use.
[[nodiscard]] AztecBits aztecModeMessage(AztecSymbolSize size, int dataWords, bool menu);

} // namespace vornik::twod
