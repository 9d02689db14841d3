#include "core/twod/aztec_codewords.h"
#include "core/twod/aztec_message_words.h"

#include <gtest/gtest.h>
#include <string>

namespace vornik::twod {
namespace {

struct EndRow {
    const char* name;
    std::string message;
    int wordSize;
    int latch;     // the code that closes the message, -1 none
    int latchBits; // its length
};

// 25 bits leave 11 fill bits in a 12-bit word, 29 bits leave 7.
const EndRow kRows[] = {
    {"UpperWithElevenFillBitsLatchesToDigit", "AAAAA", 12, 30, 5},
    {"LowerWithElevenFillBitsLatchesToDigit", "aaaa", 12, 30, 5},
    {"MixedWithElevenFillBitsLatchesToUpper", "@@@@", 12, 29, 5},
    {"DigitWithElevenFillBitsStays", "12345", 12, -1, 0},
    {"UpperWithSevenFillBitsStays", "AAAAAAA", 12, -1, 0},
    {"TenBitWordsNeverLeaveTenFillBits", "AAAAA", 10, -1, 0},
};

TEST(AztecMessageWords, FillThatCouldReadAsAByteRunIsShortened) {
    for (const EndRow& row : kRows) {
        const AztecEncodedText text = aztecHighLevel(row.message);
        AztecBits expected = text.bits;
        if (row.latch >= 0)
            expected.append(static_cast<std::uint32_t>(row.latch), row.latchBits);
        EXPECT_EQ(aztecMessageWords(text, row.wordSize), aztecDataWords(expected, row.wordSize))
            << row.name;
        if (row.latch >= 0) {
            EXPECT_LE(aztecStuff(expected, row.wordSize).fill, kAztecLongestSafeFill) << row.name;
        }
    }
}

} // namespace
} // namespace vornik::twod
