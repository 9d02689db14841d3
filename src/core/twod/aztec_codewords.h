#pragma once

#include "core/twod/aztec_bits.h"

#include <vector>

namespace vornik::twod {

// The data words of `bits` for words of `wordSize` bits. A word whose first
// wordSize - 1 bits are all zeros or all ones takes the opposite bit as its
// last, and the bit it displaced starts the next word, so that no data word
// is all zeros or all ones; the last word is filled up with ones, which the
// same rule keeps from being all ones.
[[nodiscard]] std::vector<int> aztecDataWords(const AztecBits& bits, int wordSize);

// The same words and how many bits at the end of the last one are fill.
struct AztecStuffedWords {
    std::vector<int> words;
    int fill = 0;
};
[[nodiscard]] AztecStuffedWords aztecStuff(const AztecBits& bits, int wordSize);

} // namespace vornik::twod
