#include "core/twod/pdf417_auto_compaction.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace vornik::twod {
namespace {

bool holds(const Codewords& codewords, int value) {
    return std::find(codewords.begin(), codewords.end(), value) != codewords.end();
}

TEST(Pdf417AutoCompaction, ChoosesTheModeAlongTheMessage) {
    const struct {
        const char* name;
        std::string message;
        bool numericAllowed;
        Codewords expected;
    } rows[] = {
        {"TextOnlyHasNoLatch", "ABC", true, {1, 89}},
        {"ThirteenDigitsStayText",
         "1234567890123",
         true,
         {28 * 30 + 1, 2 * 30 + 3, 4 * 30 + 5, 6 * 30 + 7, 8 * 30 + 9, 0 * 30 + 1, 2 * 30 + 3}},
        {"FourteenDigitsAreNumeric", "12345678901234", true, {902, 171, 209, 269, 12, 434}},
        {"NumericThenText", "12345678901234A", true, {902, 171, 209, 269, 12, 434, 900, 29}},
        {"CapitalsBetweenRuns",
         "12345678901234AB12345678901234",
         true,
         {902, 171, 209, 269, 12, 434, 900, 1, 902, 171, 209, 269, 12, 434}},
        {"BytesBetweenRuns",
         "12345678901234ab12345678901234",
         true,
         {902, 171, 209, 269, 12, 434, 901, 'a', 'b', 902, 171, 209, 269, 12, 434}},
        {"ModeOneNeverNumeric",
         "12345678901234",
         false,
         {28 * 30 + 1, 2 * 30 + 3, 4 * 30 + 5, 6 * 30 + 7, 8 * 30 + 9, 0 * 30 + 1, 2 * 30 + 3,
          4 * 30 + 29}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(PdfAutoCompact(row.message, row.numericAllowed), row.expected);
    }
}

// A lone byte in long text is shifted; three within six characters latch.
TEST(Pdf417AutoCompaction, BytesInTextShiftOrLatch) {
    const std::string text(20, 'x');
    const std::string highs = "ab\x80\x81\x82"
                              "cd";
    const Codewords shifted = PdfAutoCompact(text + "\x80" + text, true);
    EXPECT_TRUE(holds(shifted, 913));
    EXPECT_FALSE(holds(shifted, 901) || holds(shifted, 924));
    const Codewords latched = PdfAutoCompact(text + highs + text, true);
    EXPECT_FALSE(holds(latched, 913));
    EXPECT_TRUE(holds(latched, 901) || holds(latched, 924));
    EXPECT_TRUE(holds(latched, 900)); // back to text after the bytes
}

} // namespace
} // namespace vornik::twod
