#pragma once

#include "core/twod/aztec_high_level.h"

#include <vector>

namespace vornik::twod {

// The fill that a latch shortens: ten bits of ones or more.
inline constexpr int kAztecLongestSafeFill = 9;

// The data words of an encoded message for a codeword size. The ones that
// fill the last word read, in Upper, Lower or Mixed mode, as a byte shift
// and a run length; with ten fill bits or more some readers (ZXing 1.4)
// then read bytes past the end and give up. Such a message ends with a latch
// (to Digit, or to Upper from Mixed) that leaves a fill no reader can take
// for a byte run.
[[nodiscard]] std::vector<int> aztecMessageWords(const AztecEncodedText& text, int wordSize);

} // namespace vornik::twod
