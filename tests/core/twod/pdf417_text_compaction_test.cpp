#include "core/twod/pdf417_text_compaction.h"

#include <gtest/gtest.h>
#include <tuple>

namespace vornik::twod {
namespace {

// Codewords of text values v1, v2: 30 v1 + v2.
constexpr int cw(int first, int second) {
    return 30 * first + second;
}

TEST(Pdf417TextCompaction, LatchesShiftsAndPadding) {
    const std::tuple<const char*, std::string, Codewords> rows[] = {
        {"AlphaPadded", "ABC", {cw(0, 1), cw(2, 29)}},
        {"LatchLower", "ab", {cw(27, 0), cw(1, 29)}},
        {"LatchLowerFromAlpha", "Ab", {cw(0, 27), cw(1, 29)}},
        // A capital inside lower case, followed by a character outside Alpha:
        // shifted; the space stays in Lower.
        {"ShiftAlpha", "aB c", {cw(27, 0), cw(27, 1), cw(26, 2)}},
        // Two more capitals follow: latch back to Alpha through Mixed.
        {"LatchAlphaFromLower", "aBCD", {cw(27, 0), cw(28, 28), cw(1, 2), cw(3, 29)}},
        {"MixedDigits", "A12", {cw(0, 28), cw(1, 2)}},
        {"MixedAmpersandAndSpace", "1& 2", {cw(28, 1), cw(10, 26), cw(2, 29)}},
        {"ShiftPunctuation", "A;B", {cw(0, 29), cw(0, 1)}},
        {"LatchPunctuationFromAlpha", "A;<>", {cw(0, 28), cw(25, 0), cw(1, 2)}},
        {"LatchPunctuationFromMixed", "1;<>", {cw(28, 1), cw(25, 0), cw(1, 2)}},
        // Characters Mixed and Punctuation share keep the current sub-mode.
        {"SharedStaysInPunctuation", "A;<>,", {cw(0, 28), cw(25, 0), cw(1, 2), cw(13, 29)}},
        {"PunctuationToLower", ";<>a", {cw(28, 25), cw(0, 1), cw(2, 29), cw(27, 0)}},
        {"PunctuationToMixed", ";<>1", {cw(28, 25), cw(0, 1), cw(2, 29), cw(28, 1)}},
        {"PunctuationToAlpha", ";<>A", {cw(28, 25), cw(0, 1), cw(2, 29), cw(0, 29)}},
        {"SpaceFromPunctuationGoesToLower", ";<> ", {cw(28, 25), cw(0, 1), cw(2, 29), cw(27, 26)}},
        {"LineFeed", "A\n", {cw(0, 29), cw(15, 29)}},
    };
    for (const auto& [name, text, expected] : rows)
        EXPECT_EQ(PdfTextCompact(text, false), expected) << name;
}

TEST(Pdf417TextCompaction, ByteShiftsOnlyWhenAllowed) {
    const std::tuple<const char*, std::string, Codewords> rows[] = {
        {"EvenCount", "AB\x80", {cw(0, 1), 913, 128}},
        {"OddCountPadded", "A\200B", {cw(0, 29), 913, 128, cw(1, 29)}},
        // A pad in Punctuation is a latch to Alpha: the next capital needs none.
        {"PadInPunctLatchesAlpha", ";<>\1A", {cw(28, 25), cw(0, 1), cw(2, 29), 913, 1, cw(0, 29)}},
        {"Nul", std::string(1, '\0'), {913, 0}},
    };
    for (const auto& [name, text, expected] : rows) {
        EXPECT_EQ(PdfTextCompact(text, true), expected) << name;
        EXPECT_EQ(PdfTextCompact(text, false), std::nullopt) << name;
    }
}

} // namespace
} // namespace vornik::twod
