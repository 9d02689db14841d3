#include "core/twod/pdf417_byte_compaction.h"
#include "core/twod/pdf417_numeric_compaction.h"

#include <gtest/gtest.h>

namespace vornik::twod {
namespace {

TEST(Pdf417ByteCompaction, GroupsOfSixAndSingleBytes) {
    const struct {
        const char* name;
        std::string bytes;
        Codewords expected;
    } rows[] = {
        {"SixBytes", "alcool", {924, 163, 238, 432, 766, 244}},
        {"SevenBytes", "alcoolX", {901, 163, 238, 432, 766, 244, 'X'}},
        {"LargestGroup", std::string(6, '\xFF'), {924, 429, 11, 71, 222, 855}},
        {"FewBytes", "\x80\xFF", {901, 128, 255}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(PdfByteCompact(row.bytes), row.expected);
    }
}

TEST(Pdf417NumericCompaction, GroupsOf44DigitsInBase900) {
    const std::string digits44(44, '9');
    // 10^45 - 1 in base 900: 15 digits; the first group of a longer string is
    // the same, the rest follows as a group of its own.
    const auto one = PdfNumericCompact(digits44, true);
    ASSERT_TRUE(one);
    EXPECT_EQ(one->size(), 16U);
    EXPECT_EQ(one->front(), 902);
    const auto two = PdfNumericCompact(digits44 + "7", true);
    ASSERT_TRUE(two);
    EXPECT_EQ(Codewords(two->begin(), two->begin() + 16), *one);
    EXPECT_EQ(Codewords(two->begin() + 16, two->end()), (Codewords{17})); // "17"

    EXPECT_EQ(PdfNumericCompact("000213298174000", false), (Codewords{1, 624, 434, 632, 282, 200}));
    EXPECT_EQ(PdfNumericCompact("12a4", true), std::nullopt);
}

} // namespace
} // namespace vornik::twod
