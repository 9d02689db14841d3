#include "core/twod/pdf417_layout.h"

#include <gtest/gtest.h>

namespace vornik::twod {
namespace {

TEST(Pdf417Layout, RulesRowsAndColumns) {
    // 6 codewords, W 10, H 20: 3 x 2 is 60 / 1030, 6 x 1 is 120 / 860; half
    // way between them, fewer rows win. 120 / 860 is 6 x 1 with four overhead
    // columns; truncated, with two, it is nearer 3 x 2.
    const LayoutSettings tie{.aspectRatio = (60.0 / 1030 + 120.0 / 860) / 2, .W = 10, .H = 20};
    const LayoutSettings truncated{.aspectRatio = 120.0 / 860, .truncated = true, .W = 10, .H = 20};
    const struct {
        const char* name;
        int needed;
        LayoutSettings settings;
        int rows, columns;
        std::optional<int> error;
    } rows[] = {
        // 0.5 wanted; with W 26 and H 76 the candidates for 18 codewords are
        // 3 x 6 (0.051) and 18 x 1 (0.612): a 17-module column is 442 wide.
        {"AspectRatio", 18, {}, 18, 1, {}},
        {"TieKeepsFewerRows", 6, tie, 3, 2, {}},
        {"TruncatedHasTwoOverheadColumns", 6, truncated, 3, 2, {}},
        {"Largest", 928, {}, 58, 16, {}},
        {"LimitsTooSmall", 4, {.maxRows = 3, .maxColumns = 1}, 0, 0, kErrorNoLayout},
        {"RowLimitBelowThree", 4, {.maxRows = 0}, 0, 0, kErrorNoLayout},
        {"FixedRows", 100, {.rule = 1, .maxRows = 10}, 10, 10, {}},
        {"FixedRowsFewerNeeded", 7, {.rule = 1, .maxRows = 10}, 7, 1, {}},
        {"FixedRowsRowsShrink", 61, {.rule = 1, .maxRows = 20}, 16, 4, {}},
        {"FixedRowsTooManyColumns", 500, {.rule = 1, .maxRows = 10}, 0, 0, kErrorTooManyColumns},
        {"FixedRowsNoRows", 50, {.rule = 1, .maxRows = 0}, 0, 0, kErrorTooManyColumns},
        {"FixedColumns", 100, {.rule = 2, .maxColumns = 10}, 10, 10, {}},
        {"FixedColumnsFewNeeded", 7, {.rule = 2, .maxColumns = 10}, 3, 3, {}},
        {"FixedColumnsColumnsShrink", 61, {.rule = 2, .maxColumns = 20}, 4, 16, {}},
        {"FixedColumnsTooManyRows", 500, {.rule = 2, .maxColumns = 5}, 0, 0, kErrorTooManyRows},
        {"FixedColumnsNoColumns", 50, {.rule = 2, .maxColumns = 0}, 0, 0, kErrorTooManyRows},
        // 928 in 30 columns takes 31 rows: 930 codewords, more than a symbol holds.
        {"PastCapacity", 928, {.rule = 2, .maxColumns = 30}, 31, 30, kErrorTooManyCodewords},
    };
    for (const auto& row : rows) {
        const LayoutOutcome outcome = PdfChooseLayout(row.needed, row.settings);
        EXPECT_EQ(outcome.error, row.error) << row.name;
        if (!row.error) {
            EXPECT_EQ(outcome.layout.rows * 100 + outcome.layout.columns,
                      row.rows * 100 + row.columns)
                << row.name;
        }
    }
}

TEST(Pdf417Layout, LengthDescriptorPaddingAndIndicators) {
    const Codewords array = PdfCodewordArray({1, 89}, 3, 3, 0);
    ASSERT_EQ(array.size(), 9U);
    EXPECT_EQ(Codewords(array.begin(), array.begin() + 7),
              (Codewords{7, 1, 89, 900, 900, 900, 900}));
    // 10 rows, 4 columns, level 2: (R - 1) div 3 = 3, 3L + (R - 1) mod 3 = 6.
    const RowIndicators indicators = PdfRowIndicators(10, 4, 2);
    EXPECT_EQ(indicators.left, (std::vector<int>{3, 6, 3, 33, 36, 33, 63, 66, 63, 93}));
    EXPECT_EQ(indicators.right, (std::vector<int>{3, 3, 6, 33, 33, 36, 63, 63, 66, 93}));
}

} // namespace
} // namespace vornik::twod
