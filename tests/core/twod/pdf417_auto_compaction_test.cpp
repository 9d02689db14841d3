#include "core/twod/pdf417_auto_compaction.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

namespace vornik::twod {
namespace {

TEST(Pdf417AutoCompaction, ChoosesTheModeAlongTheMessage) {
    const Codewords digits14{902, 171, 209, 269, 12, 434};
    // "1234567890123" in text: a latch to Mixed, then the digits in pairs.
    const Codewords text13{841, 63, 125, 187, 249, 1, 63};
    const auto join = [](Codewords a, const Codewords& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const std::string n14 = "12345678901234";
    const std::tuple<const char*, std::string, bool, Codewords> rows[] = {
        {"TextOnlyHasNoLatch", "ABC", true, {1, 89}},
        {"ThirteenDigitsStayText", "1234567890123", true, text13},
        {"FourteenDigitsAreNumeric", n14, true, digits14},
        {"NumericThenText", n14 + "A", true, join(digits14, {900, 29})},
        {"CapitalsBetweenRuns", n14 + "AB" + n14, true, join(join(digits14, {900, 1}), digits14)},
        {"BytesBetweenRuns", n14 + "ab" + n14, true,
         join(join(digits14, {901, 'a', 'b'}), digits14)},
        {"ModeOneNeverNumeric", n14, false, join(text13, {4 * 30 + 29})},
    };
    for (const auto& [name, message, numericAllowed, expected] : rows)
        EXPECT_EQ(PdfAutoCompact(message, numericAllowed), expected) << name;
}

// A lone byte in long text is shifted; three within six characters latch
// and text resumes after them.
TEST(Pdf417AutoCompaction, BytesInTextShiftOrLatch) {
    const auto holds = [](const Codewords& codewords, int value) {
        return std::find(codewords.begin(), codewords.end(), value) != codewords.end();
    };
    const std::string text(20, 'x');
    const Codewords shifted = PdfAutoCompact(text + "\x80" + text, true);
    EXPECT_TRUE(holds(shifted, 913));
    EXPECT_FALSE(holds(shifted, 901) || holds(shifted, 924));
    const Codewords latched = PdfAutoCompact(text + "ab\x80\x81\x82" + "cd" + text, true);
    EXPECT_FALSE(holds(latched, 913));
    EXPECT_TRUE(holds(latched, 901) || holds(latched, 924));
    EXPECT_TRUE(holds(latched, 900));
}

} // namespace
} // namespace vornik::twod
