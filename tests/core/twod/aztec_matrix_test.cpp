#include "core/twod/aztec_matrix.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>

namespace vornik::twod {
namespace {

AztecBits filled(int count, bool dark) {
    AztecBits bits;
    for (int i = 0; i < count; ++i)
        bits.append(dark ? 1 : 0, 1);
    return bits;
}

std::string nameOf(AztecSymbolSize size) {
    return (size.compact ? "compact " : "full-range ") + std::to_string(size.layers);
}

bool onGrid(AztecSymbolSize size, int row, int column, int centre) {
    return !size.compact && ((row - centre) % 16 == 0 || (column - centre) % 16 == 0);
}

// With every layer bit light, the modules outside the core are exactly the
// reference grid (dark an even distance from the centre); with every layer
// bit dark, every other module outside the core is dark too: each layer bit
// has a module of its own and none lands on the grid or the core.
TEST(AztecMatrix, LayersFillEverythingOutsideCoreAndGrid) {
    for (int layers = 1; layers <= kAztecFullLayers; ++layers)
        for (const bool compact : {true, false}) {
            if (compact && layers > kAztecCompactLayers)
                continue;
            const AztecSymbolSize size{compact, layers};
            const int core = compact ? 5 : 7;
            const AztecBits mode = filled(compact ? 28 : 40, false);
            const ModuleMatrix light = aztecMatrix(size, mode, filled(aztecLayerBits(size), false));
            const ModuleMatrix dark = aztecMatrix(size, mode, filled(aztecLayerBits(size), true));
            const int c = light.rows() / 2;
            int mismatches = 0;
            for (int r = 0; r < light.rows(); ++r)
                for (int k = 0; k < light.columns(); ++k) {
                    if (std::max(std::abs(r - c), std::abs(k - c)) <= core)
                        continue;
                    const bool grid = onGrid(size, r, k, c);
                    const bool gridDark = ((r - c) % 16 == 0 && (k - c) % 2 == 0) ||
                                          ((k - c) % 16 == 0 && (r - c) % 2 == 0);
                    mismatches += light.dark(r + 1, k + 1) != (grid && gridDark) ? 1 : 0;
                    mismatches += dark.dark(r + 1, k + 1) != (!grid || gridDark) ? 1 : 0;
                }
            EXPECT_EQ(mismatches, 0) << nameOf(size);
        }
}

// The finder: squares dark at even distances from the centre; the mode
// message ring is light but for the six orientation modules when the mode
// message is all light.
TEST(AztecMatrix, BullsEyeAndOrientationMarks) {
    for (const AztecSymbolSize size : {AztecSymbolSize{true, 1}, AztecSymbolSize{false, 3}}) {
        const int ring = size.compact ? 5 : 7;
        const ModuleMatrix m = aztecMatrix(size, filled(size.compact ? 28 : 40, false),
                                           filled(aztecLayerBits(size), false));
        const int c = m.rows() / 2 + 1; // the matrix counts from 1
        for (int r = -ring + 1; r < ring; ++r)
            for (int k = -ring + 1; k < ring; ++k)
                EXPECT_EQ(m.dark(c + r, c + k), std::max(std::abs(r), std::abs(k)) % 2 == 0)
                    << nameOf(size) << " at " << r << "," << k;
        std::set<std::pair<int, int>> marks; // row, column from the centre
        for (int i = -ring; i <= ring; ++i)
            for (const auto& [r, k] : {std::pair{-ring, i}, {ring, i}, {i, -ring}, {i, ring}})
                if (m.dark(c + r, c + k))
                    marks.insert({r, k});
        // Top left three, top right two, one above the bottom right corner;
        // the grid's middle lines cross the ring at odd distances, light.
        const int o = ring;
        const std::set<std::pair<int, int>> expected = {{-o, -o}, {-o, -o + 1}, {-o + 1, -o},
                                                        {-o, o},  {-o + 1, o},  {o - 1, o}};
        EXPECT_EQ(marks, expected) << nameOf(size);
    }
}

} // namespace
} // namespace vornik::twod
