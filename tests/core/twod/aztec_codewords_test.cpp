#include "core/twod/aztec_codewords.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vornik::twod {
namespace {

struct StuffRow {
    const char* name;
    const char* bits;
    int wordSize;
    std::vector<const char*> words;
};

// Worked by hand from the stuffing rule.
const StuffRow kRows[] = {
    {"PlainWords", "010101010101", 6, {"010101", "010101"}},
    {"ZerosTakeAOne", "000000", 6, {"000001", "011111"}},
    {"OnesTakeAZero", "111111", 6, {"111110", "111110"}},
    {"PaddedWithOnes", "10", 6, {"101111"}},
    {"PaddingThatWouldBeAllOnes", "1111", 6, {"111110"}},
    {"StuffedInsideARun", "00000000", 8, {"00000001", "01111111"}},
    {"TenBitZerosThenData", "000000000110", 10, {"0000000001", "1101111111"}},
    {"TwelveBitOnes", "111111111111", 12, {"111111111110", "111111111110"}},
    {"ExactWordNoPadding", "100000000001", 12, {"100000000001"}},
};

int wordOf(const char* text) {
    return std::stoi(text, nullptr, 2);
}

TEST(AztecCodewords, Stuffing) {
    for (const StuffRow& row : kRows) {
        AztecBits bits;
        for (const char* c = row.bits; *c != '\0'; ++c)
            bits.append(*c == '1' ? 1 : 0, 1);
        std::vector<int> expected;
        for (const char* word : row.words)
            expected.push_back(wordOf(word));
        EXPECT_EQ(aztecDataWords(bits, row.wordSize), expected) << row.name;
    }
}

// No data word of any size is all zeros or all ones, whatever the bits.
TEST(AztecCodewords, NoWordIsAllZerosOrAllOnes) {
    for (const int wordSize : {6, 8, 10, 12})
        for (int pattern = 0; pattern < 1 << 10; ++pattern) {
            AztecBits bits;
            for (int repeat = 0; repeat < 4; ++repeat)
                bits.append(static_cast<std::uint32_t>(pattern), 10);
            for (const int word : aztecDataWords(bits, wordSize)) {
                EXPECT_NE(word, 0) << wordSize << " " << pattern;
                EXPECT_NE(word, (1 << wordSize) - 1) << wordSize << " " << pattern;
            }
        }
}

} // namespace
} // namespace vornik::twod
