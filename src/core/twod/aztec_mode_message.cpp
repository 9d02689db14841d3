#include "core/twod/aztec_mode_message.h"

#include "core/twod/aztec_reed_solomon.h"

#include <vector>

namespace vornik::twod {

AztecBits aztecModeMessage(AztecSymbolSize size, int dataWords, bool menu) {
    const int countBits = size.compact ? 6 : 11;
    int value = ((size.layers - 1) << countBits) | (dataWords - 1);
    if (menu)
        value |= 1 << (countBits - 1);
    const int words = size.compact ? 2 : 4;
    std::vector<int> message;
    for (int w = words - 1; w >= 0; --w)
        message.push_back((value >> (4 * w)) & 0xF);
    const std::vector<int> check = aztecCheckWords(message, size.compact ? 5 : 6, 4);
    AztecBits bits;
    for (const int word : message)
        bits.append(static_cast<std::uint32_t>(word), 4);
    for (const int word : check)
        bits.append(static_cast<std::uint32_t>(word), 4);
    return bits;
}

} // namespace vornik::twod
