#pragma once

#include "core/twod/aztec_high_level.h"
#include "core/twod/aztec_symbol_size.h"

#include <variant>
#include <vector>

namespace vornik::twod {

// Why no symbol can be made.
enum class AztecRefusal {
    NoRoom,         // the message does not fit the asked size or percentage
    NoMenuMark,     // a menu symbol of a size that cannot be marked as one
    NoSuchSizeRule, // an error correction value outside its ranges
};

// The fewest check words of any symbol: with fewer a reader could not tell
// a misread symbol from a good one.
inline constexpr int kAztecLeastCheckWords = 3;

// The check words the error correction value asks of a symbol of
// `totalWords` codewords: 0, the recommended 23 % of them plus 3; 1 to 99,
// that percentage of them (rounded up); a layer count, the least there are.
// Never fewer than kAztecLeastCheckWords.
[[nodiscard]] int aztecRequiredCheckWords(int errorCorrection, int totalWords);

// The chosen size and the message's data words in its codeword size.
struct AztecFit {
    AztecSymbolSize size;
    std::vector<int> dataWords;
};

// The symbol for the encoded message `text`: for 0 and 1 to 99 the smallest
// one whose check words meet aztecRequiredCheckWords; for 101 to 104 and
// 201 to 232 the compact or full-range symbol of that many layers. A menu
// symbol takes only the sizes that can carry the mark.
[[nodiscard]] std::variant<AztecFit, AztecRefusal> chooseAztecSize(const AztecEncodedText& text,
                                                                   int errorCorrection, bool menu);

} // namespace vornik::twod
