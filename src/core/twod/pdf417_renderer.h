#pragma once

#include "core/app/build_outcome.h"
#include "core/twod/pdf417_cluster_table.h"
#include "core/twod/pdf417_codewords.h"
#include "core/twod/pdf417_layout.h"

#include <string>
#include <vector>

namespace vornik {
class Application;
struct Job;
} // namespace vornik

namespace vornik::twod {

// Error code of a symbol too large for the picture's coordinates.
inline constexpr int kErrorSymbolTooLarge = 23;

// A laid-out symbol, ready to draw: its codewords in symbol order, its row
// indicators, and the module width W and row height H in 0.01 mm.
struct PdfSymbol {
    Codewords codewords;
    RowIndicators indicators;
    int rows = 0;
    int columns = 0;
    int level = 0;
    int W = 0;
    int H = 0;
};

// The element widths of every row, in modules: start, left indicator, the
// row's codewords, right indicator and stop; a truncated row ends with one
// module bar after its codewords. Row i uses cluster i mod 3.
[[nodiscard]] std::vector<std::string> PdfRowPatterns(const PdfSymbol& symbol,
                                                      const ClusterTable& patterns, bool truncated);

// Draws the symbol with the job's comment, quiet zones, bar width adjustment,
// colours and orientation, and publishes it. A symbol too large for the
// picture's coordinates is reported (error 23) and not drawn.
BuildOutcome PdfDrawSymbol(Application& app, const PdfSymbol& symbol, const ClusterTable& patterns);

} // namespace vornik::twod
