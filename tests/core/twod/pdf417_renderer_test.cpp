#include "core/twod/pdf417_error_correction.h"
#include "core/twod/pdf417_renderer.h"
#include "support/command_session.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <variant>

namespace vornik::twod {
namespace {

// Rows 0, 3, 6 use cluster 0, rows 1, 4, 7 cluster 1, rows 2, 5, 8 cluster 2.
TEST(Pdf417Renderer, RowPatternsTakeTheirRowsCluster) {
    std::ifstream in(testing::builtProgramDirectory() / "Cluster.Dat", std::ios::binary);
    const ClusterTable table = std::get<ClusterTable>(
        ClusterTable::parse(std::string{std::istreambuf_iterator<char>(in), {}}));
    const auto p = [&table](int row, int codeword) {
        return std::to_string(table.pattern(row % 3, codeword));
    };
    PdfSymbol symbol{
        .codewords = {}, .indicators = PdfRowIndicators(7, 2, 0), .rows = 7, .columns = 2};
    for (int i = 0; i < 14; ++i)
        symbol.codewords.push_back(100 + i);
    const auto rows = PdfRowPatterns(symbol, table, false);
    const auto truncated = PdfRowPatterns(symbol, table, true);
    ASSERT_EQ(rows.size(), 7U);
    for (int i = 0; i < 7; ++i) {
        const std::string body =
            "81111113" + p(i, symbol.indicators.left[i]) + p(i, 100 + 2 * i) + p(i, 101 + 2 * i);
        EXPECT_EQ(rows[i], body + p(i, symbol.indicators.right[i]) + "711311121") << i;
        EXPECT_EQ(truncated[i], body + "1") << i;
    }
}

} // namespace
} // namespace vornik::twod
