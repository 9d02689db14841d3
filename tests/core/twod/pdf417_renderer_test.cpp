#include "core/twod/pdf417_error_correction.h"
#include "core/twod/pdf417_renderer.h"
#include "support/command_session.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <variant>

namespace vornik::twod {
namespace {

ClusterTable shippedTable() {
    std::ifstream in(testing::builtProgramDirectory() / "Cluster.Dat", std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    return std::get<ClusterTable>(ClusterTable::parse(text));
}

// Rows 0, 3, 6 use cluster 0, rows 1, 4, 7 cluster 1, rows 2, 5, 8 cluster 2.
TEST(Pdf417Renderer, RowPatternsTakeTheirRowsCluster) {
    const ClusterTable table = shippedTable();
    PdfSymbol symbol;
    symbol.rows = 7;
    symbol.columns = 2;
    for (int i = 0; i < 14; ++i)
        symbol.codewords.push_back(100 + i);
    symbol.indicators = PdfRowIndicators(7, 2, 0);
    const auto p = [&table](int cluster, int codeword) {
        return std::to_string(table.pattern(cluster, codeword));
    };
    const auto rows = PdfRowPatterns(symbol, table, false);
    const auto truncated = PdfRowPatterns(symbol, table, true);
    ASSERT_EQ(rows.size(), 7U);
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        const int k = i % 3;
        const std::string body =
            "81111113" + p(k, symbol.indicators.left[i]) + p(k, 100 + 2 * i) + p(k, 101 + 2 * i);
        EXPECT_EQ(rows[i], body + p(k, symbol.indicators.right[i]) + "711311121");
        EXPECT_EQ(truncated[i], body + "1");
    }
}

} // namespace
} // namespace vornik::twod
