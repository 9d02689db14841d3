#include "core/twod/dm_legacy_placement.h"
#include "core/twod/dm_legacy_sizes.h"
#include "dm_legacy_references.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>

namespace vornik::twod {
namespace {

// The recorded placement grids of every size, cell for cell.
TEST(DmLegacyPlacementTest, MatchesRecordedGrids) {
    const std::vector<std::string> lines = testing::referenceLines("dm_legacy_placement_grids.txt");
    ASSERT_EQ(lines.size(), 21U);
    for (const std::string& line : lines) {
        const std::vector<std::string> parts = testing::fields(line, ':');
        ASSERT_EQ(parts.size(), 2U);
        const int size = std::stoi(parts[0]);
        std::vector<int> expected;
        for (const std::string& cell : testing::fields(parts[1], ','))
            expected.push_back(std::stoi(cell));
        EXPECT_EQ(legacyPlacement(size - 2), expected) << size << "x" << size;
    }
}

// Every size places each bit exactly once, with bits 0 to 3 in the corners.
TEST(DmLegacyPlacementTest, EverySizePlacesEachBitOnce) {
    for (int size = kLegacySmallestSize; size <= kLegacyLargestSize; size += 2) {
        const int side = size - 2;
        std::vector<int> cells = legacyPlacement(side);
        EXPECT_EQ(cells[static_cast<std::size_t>((side - 1) * side)], 0) << size;
        EXPECT_EQ(cells[static_cast<std::size_t>(side - 1)], 1) << size;
        EXPECT_EQ(cells[0], 2) << size;
        EXPECT_EQ(cells.back(), 3) << size;
        std::sort(cells.begin(), cells.end());
        std::vector<int> all(cells.size());
        std::iota(all.begin(), all.end(), 0);
        EXPECT_EQ(cells, all) << size;
    }
}

} // namespace
} // namespace vornik::twod
