#include "core/twod/aztec_codewords.h"

namespace vornik::twod {

std::vector<int> aztecDataWords(const AztecBits& bits, int wordSize) {
    return aztecStuff(bits, wordSize).words;
}

AztecStuffedWords aztecStuff(const AztecBits& bits, int wordSize) {
    const int allOnes = (1 << (wordSize - 1)) - 1; // of the first wordSize - 1 bits
    std::vector<int> words;
    int i = 0;
    while (i < bits.size()) {
        int head = 0;
        for (int j = 0; j + 1 < wordSize; ++j)
            head = (head << 1) | (i + j >= bits.size() || bits.at(i + j) ? 1 : 0);
        if (head == 0 || head == allOnes) {
            words.push_back((head << 1) | (head == 0 ? 1 : 0));
            i += wordSize - 1;
            continue;
        }
        const int last = i + wordSize - 1;
        words.push_back((head << 1) | (last >= bits.size() || bits.at(last) ? 1 : 0));
        i += wordSize;
    }
    return {words, i - bits.size()};
}

} // namespace vornik::twod
