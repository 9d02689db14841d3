#include "core/twod/aztec_modes.h"

#include <gtest/gtest.h>
#include <optional>

namespace vornik::twod {
namespace {

using M = AztecMode;

struct CodeRow {
    const char* name;
    AztecMode mode;
    int byte;
    std::optional<int> code;
};

// Character codes as ISO/IEC 24778's character table lists them.
const CodeRow kCodes[] = {
    {"UpperSpace", M::Upper, ' ', 1},
    {"UpperA", M::Upper, 'A', 2},
    {"UpperZ", M::Upper, 'Z', 27},
    {"UpperHasNoLower", M::Upper, 'a', std::nullopt},
    {"LowerSpace", M::Lower, ' ', 1},
    {"LowerA", M::Lower, 'a', 2},
    {"LowerZ", M::Lower, 'z', 27},
    {"LowerHasNoDigit", M::Lower, '5', std::nullopt},
    {"MixedSpace", M::Mixed, ' ', 1},
    {"MixedSoh", M::Mixed, 0x01, 2},
    {"MixedBel", M::Mixed, 0x07, 8},
    {"MixedCr", M::Mixed, '\r', 14},
    {"MixedEsc", M::Mixed, 0x1B, 15},
    {"MixedUs", M::Mixed, 0x1F, 19},
    {"MixedAt", M::Mixed, '@', 20},
    {"MixedBackslash", M::Mixed, '\\', 21},
    {"MixedTilde", M::Mixed, '~', 26},
    {"MixedDel", M::Mixed, 0x7F, 27},
    {"MixedHasNoNul", M::Mixed, 0, std::nullopt},
    {"MixedHasNoSub", M::Mixed, 0x1A, std::nullopt},
    {"PunctCr", M::Punct, '\r', 1},
    {"PunctExclamation", M::Punct, '!', 6},
    {"PunctComma", M::Punct, ',', 17},
    {"PunctFullStop", M::Punct, '.', 19},
    {"PunctQuestion", M::Punct, '?', 26},
    {"PunctOpenBracket", M::Punct, '[', 27},
    {"PunctCloseBrace", M::Punct, '}', 30},
    {"PunctHasNoSpace", M::Punct, ' ', std::nullopt},
    {"DigitSpace", M::Digit, ' ', 1},
    {"DigitZero", M::Digit, '0', 2},
    {"DigitNine", M::Digit, '9', 11},
    {"DigitComma", M::Digit, ',', 12},
    {"DigitFullStop", M::Digit, '.', 13},
    {"DigitHasNoLetter", M::Digit, 'A', std::nullopt},
    {"NoModeHasHighBytes", M::Mixed, 0xE9, std::nullopt},
};

TEST(AztecModes, CharacterCodes) {
    for (const CodeRow& row : kCodes)
        EXPECT_EQ(characterCode(row.mode, static_cast<std::uint8_t>(row.byte)), row.code)
            << row.name;
}

TEST(AztecModes, EveryByteHasAtMostTheCodesOfItsTable) {
    // Upper 27, Lower 27, Mixed 27, Punct 26 (single characters), Digit 13:
    // the codes left are shifts and latches.
    const int expected[kAztecModeCount] = {27, 27, 27, 26, 13};
    for (int mode = 0; mode < kAztecModeCount; ++mode) {
        int count = 0;
        for (int byte = 0; byte < 256; ++byte)
            count += characterCode(static_cast<AztecMode>(mode), static_cast<std::uint8_t>(byte))
                         ? 1
                         : 0;
        EXPECT_EQ(count, expected[mode]) << mode;
    }
}

TEST(AztecModes, PunctPairs) {
    EXPECT_EQ(punctPairCode("\r\nx"), 2);
    EXPECT_EQ(punctPairCode(". "), 3);
    EXPECT_EQ(punctPairCode(", "), 4);
    EXPECT_EQ(punctPairCode(": "), 5);
    EXPECT_EQ(punctPairCode("; "), std::nullopt);
    EXPECT_EQ(punctPairCode("."), std::nullopt);
    EXPECT_EQ(punctPairCode(" ."), std::nullopt);
}

struct PathRow {
    const char* name;
    AztecMode from, to;
    int bits;
    int steps;
};

// The cheapest latch chains the standard's latch table allows.
const PathRow kPaths[] = {
    {"UpperToLower", M::Upper, M::Lower, 5, 1},
    {"UpperToPunct", M::Upper, M::Punct, 10, 2},
    {"LowerToUpperByDigit", M::Lower, M::Upper, 9, 2},
    {"LowerToPunct", M::Lower, M::Punct, 10, 2},
    {"MixedToDigit", M::Mixed, M::Digit, 10, 2},
    {"PunctToLower", M::Punct, M::Lower, 10, 2},
    {"PunctToDigit", M::Punct, M::Digit, 10, 2},
    {"DigitToUpper", M::Digit, M::Upper, 4, 1},
    {"DigitToLower", M::Digit, M::Lower, 9, 2},
    {"DigitToPunct", M::Digit, M::Punct, 14, 3},
    {"Same", M::Mixed, M::Mixed, 0, 0},
};

TEST(AztecModes, LatchPaths) {
    for (const PathRow& row : kPaths) {
        const AztecLatchPath& path = latchPath(row.from, row.to);
        EXPECT_EQ(path.bits, row.bits) << row.name;
        ASSERT_EQ(path.count, row.steps) << row.name;
        if (row.steps == 0)
            continue;
        EXPECT_EQ(path.steps[static_cast<std::size_t>(path.count - 1)], row.to) << row.name;
        // Each step is a latch the table has, and the bits add up.
        AztecMode current = row.from;
        int bits = 0;
        for (int s = 0; s < path.count; ++s) {
            const AztecMode next = path.steps[static_cast<std::size_t>(s)];
            EXPECT_TRUE(latchCode(current, next)) << row.name << " step " << s;
            bits += codeBits(current);
            current = next;
        }
        EXPECT_EQ(bits, row.bits) << row.name;
    }
}

TEST(AztecModes, Shifts) {
    EXPECT_EQ(punctShiftCode(M::Digit), 0);
    EXPECT_EQ(punctShiftCode(M::Punct), std::nullopt);
    EXPECT_EQ(upperShiftCode(M::Lower), 28);
    EXPECT_EQ(upperShiftCode(M::Digit), 15);
    EXPECT_EQ(upperShiftCode(M::Mixed), std::nullopt);
    EXPECT_EQ(byteShiftCode(M::Mixed), 31);
    EXPECT_EQ(byteShiftCode(M::Digit), std::nullopt);
    EXPECT_EQ(byteShiftCode(M::Punct), std::nullopt);
}

} // namespace
} // namespace vornik::twod
