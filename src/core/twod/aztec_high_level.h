#pragma once

#include "core/twod/aztec_bits.h"
#include "core/twod/aztec_modes.h"

#include <string_view>

namespace vornik::twod {

// The longest run one byte shift carries: 31 with the short length field,
// 31 + 2047 with the long one.
inline constexpr int kAztecLongestByteRun = 2078;

// An encoded message and the mode it ends in.
struct AztecEncodedText {
    AztecBits bits;
    AztecMode endMode = AztecMode::Upper;
};

// The shortest bit sequence that encodes `message` (bytes) in Aztec Code's
// five character modes, their latches and shifts, the Punct pairs and byte
// shift. The encoding starts in Upper mode, as every reader does.
[[nodiscard]] AztecEncodedText aztecHighLevel(std::string_view message);

} // namespace vornik::twod
