#include "core/twod/aztec_high_level.h"

#include <gtest/gtest.h>
#include <string>

namespace vornik::twod {
namespace {

using namespace std::string_literals;

struct LengthRow {
    const char* name;
    std::string message;
    int bits;
};

// Lengths worked out by hand from the code tables: 5 bits a character in
// Upper, Lower, Mixed and Punct, 4 in Digit, 5 (4 from Digit) for a latch or
// shift, a byte shift 10 bits up to 31 bytes and 21 beyond, then 8 a byte.
const LengthRow kLengths[] = {
    {"OneCapital", "A", 5},
    {"Capitals", "ABC", 15},
    {"LatchToLower", "abc", 20},
    {"LowerLetterAfterCapital", "Aa", 15},
    {"UpperShiftInLower", "aAa", 25},
    {"TwoCapitalsInLowerLatchBackByDigit", "aaAA", 10 + 5 + 9 + 10},
    {"Digits", "1234567890", 5 + 40},
    {"DigitsWithCommaAndFullStop", "1,5.2", 5 + 20},
    {"PunctPairByShift", ". ", 10},
    {"CrLfByShift", "\r\n", 10},
    {"CrInMixed", "\r\r\r", 5 + 15},
    {"ColonSpacePairInDigits", "12: 34", 5 + 8 + 9 + 8},
    {"PunctLatchForARun", "!?!?!", 10 + 25},
    {"MixedRun", "@@@@", 5 + 20},
    {"OneNul", "\0"s, 18},
    {"HighByteInText", "AB\xE9", 10 + 18},
    {"BytesBetweenLowerLetters",
     "a\xE9\xE9\xE9"
     "b",
     5 + 5 + 10 + 3 * 8 + 5},
    {"OneRunTakesALetterBetweenBytes",
     "\xE9\xE9\xE9"
     "A"
     "\xE9\xE9\xE9",
     10 + 7 * 8},
    {"ThirtyOneBytes", std::string(31, '\0'), 10 + 31 * 8},
    {"ThirtyTwoBytesAsTwoRuns", std::string(32, '\0'), 10 + 31 * 8 + 18},
    {"SixtyTwoBytesAsTwoRuns", std::string(62, '\0'), 20 + 62 * 8},
    {"SixtyThreeBytesAsOneLongRun", std::string(63, '\0'), 21 + 63 * 8},
    {"LongestRunAndOneMoreAsLongAndShortRuns", std::string(kAztecLongestByteRun + 1, '\0'),
     21 + 10 + (kAztecLongestByteRun + 1) * 8},
};

TEST(AztecHighLevel, ShortestLengths) {
    for (const LengthRow& row : kLengths)
        EXPECT_EQ(aztecHighLevel(row.message).bits.size(), row.bits) << row.name;
}

// The bits of a few messages, spelled out from the code tables.
struct BitsRow {
    const char* name;
    std::string message;
    const char* bits;
};

const BitsRow kBits[] = {
    {"Capitals", "AZ",
     "00010"
     "11011"},
    {"LowerThenUpperShift", "aB",
     "11100"
     "00010"
     "11100"
     "00011"},
    {"DigitsAroundUpperShift", "1A1",
     "11110"
     "0011"
     "1111"
     "00010"
     "0011"},
    {"PunctPairFromUpper", "A. ",
     "00010"
     "00000"
     "00011"},
    {"ByteShift", "A\xFF",
     "00010"
     "11111"
     "00001"
     "11111111"},
};

TEST(AztecHighLevel, Bits) {
    for (const BitsRow& row : kBits) {
        const AztecBits bits = aztecHighLevel(row.message).bits;
        std::string text;
        for (int i = 0; i < bits.size(); ++i)
            text += bits.at(i) ? '1' : '0';
        EXPECT_EQ(text, row.bits) << row.name;
    }
}

} // namespace
} // namespace vornik::twod
