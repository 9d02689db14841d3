#include "core/twod/aztec_message_words.h"

#include "core/twod/aztec_codewords.h"

namespace vornik::twod {

std::vector<int> aztecMessageWords(const AztecEncodedText& text, int wordSize) {
    AztecStuffedWords stuffed = aztecStuff(text.bits, wordSize);
    if (stuffed.fill <= kAztecLongestSafeFill || !byteShiftCode(text.endMode))
        return std::move(stuffed.words);
    const AztecMode target = text.endMode == AztecMode::Mixed ? AztecMode::Upper : AztecMode::Digit;
    AztecBits closed = text.bits;
    closed.append(static_cast<std::uint32_t>(*latchCode(text.endMode, target)),
                  codeBits(text.endMode));
    return aztecDataWords(closed, wordSize);
}

} // namespace vornik::twod
