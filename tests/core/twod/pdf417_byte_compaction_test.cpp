#include "core/twod/pdf417_byte_compaction.h"
#include "core/twod/pdf417_numeric_compaction.h"

#include <gtest/gtest.h>
#include <tuple>

namespace vornik::twod {
namespace {

TEST(Pdf417ByteCompaction, GroupsOfSixAndSingleBytes) {
    const std::tuple<const char*, std::string, Codewords> rows[] = {
        {"SixBytes", "alcool", {924, 163, 238, 432, 766, 244}},
        {"SevenBytes", "alcoolX", {901, 163, 238, 432, 766, 244, 'X'}},
        {"LargestGroup", std::string(6, '\xFF'), {924, 429, 11, 71, 222, 855}},
        {"FewBytes", "\x80\xFF", {901, 128, 255}},
    };
    for (const auto& [name, bytes, expected] : rows)
        EXPECT_EQ(PdfByteCompact(bytes), expected) << name;
}

TEST(Pdf417NumericCompaction, GroupsOf44DigitsInBase900) {
    // 10^45 - 1 in base 900 is 15 digits; a longer string's first group is
    // the same, the rest follows as a group of its own ("17").
    const std::string digits44(44, '9');
    const auto one = PdfNumericCompact(digits44, true);
    const auto two = PdfNumericCompact(digits44 + "7", true);
    ASSERT_TRUE(one && two);
    EXPECT_EQ(one->size() * 1000 + one->front(), 16902U);
    EXPECT_EQ(Codewords(two->begin(), two->begin() + 16), *one);
    EXPECT_EQ(Codewords(two->begin() + 16, two->end()), (Codewords{17}));
    EXPECT_EQ(PdfNumericCompact("000213298174000", false), (Codewords{1, 624, 434, 632, 282, 200}));
    EXPECT_EQ(PdfNumericCompact("12a4", true), std::nullopt);
}

} // namespace
} // namespace vornik::twod
