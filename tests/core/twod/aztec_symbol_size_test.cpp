#include "core/twod/aztec_symbol_size.h"

#include <gtest/gtest.h>
#include <string>

namespace vornik::twod {
namespace {

// ISO/IEC 24778's table of symbol sizes: side in modules and codewords of
// the data layers, compact 1 to 4 then full-range 1 to 32.
struct TableRow {
    int side;
    int codewords;
};
const TableRow kCompact[kAztecCompactLayers] = {{15, 17}, {19, 40}, {23, 51}, {27, 76}};
const TableRow kFull[kAztecFullLayers] = {
    {19, 21},    {23, 48},    {27, 60},    {31, 88},    {37, 120},   {41, 156},   {45, 196},
    {49, 240},   {53, 230},   {57, 272},   {61, 316},   {67, 364},   {71, 416},   {75, 470},
    {79, 528},   {83, 588},   {87, 652},   {91, 720},   {95, 790},   {101, 864},  {105, 940},
    {109, 1020}, {113, 920},  {117, 992},  {121, 1066}, {125, 1144}, {131, 1224}, {135, 1306},
    {139, 1392}, {143, 1480}, {147, 1570}, {151, 1664},
};

std::string nameOf(AztecSymbolSize size) {
    return (size.compact ? "compact " : "full-range ") + std::to_string(size.layers);
}

// The modules left for data, counted from the drawing: the whole square less
// the core (finder and mode message ring, 11 or 15 modules a side) and, in a
// full-range symbol, the reference grid lines outside the core (one through
// the middle and one every 16 modules out, each way; the two middle lines
// cross the core in 29 modules).
int countedDataModules(AztecSymbolSize size, int side) {
    if (size.compact)
        return side * side - 11 * 11;
    const int lines = 1 + 2 * ((side / 2) / 16);
    const int gridModules = 2 * lines * side - lines * lines;
    return side * side - 15 * 15 - (gridModules - 29);
}

TEST(AztecSymbolSize, TheStandardsTable) {
    for (int layers = 1; layers <= kAztecFullLayers; ++layers)
        for (const bool compact : {true, false}) {
            if (compact && layers > kAztecCompactLayers)
                continue;
            const AztecSymbolSize size{compact, layers};
            const TableRow& row = compact ? kCompact[layers - 1] : kFull[layers - 1];
            EXPECT_EQ(aztecSide(size), row.side) << nameOf(size);
            EXPECT_EQ(aztecTotalWords(size), row.codewords) << nameOf(size);
            EXPECT_EQ(aztecLayerBits(size), countedDataModules(size, row.side)) << nameOf(size);
            EXPECT_EQ(aztecTotalWords(size), aztecLayerBits(size) / aztecWordSize(layers))
                << nameOf(size);
        }
}

TEST(AztecSymbolSize, WordSizes) {
    const int expected[kAztecFullLayers + 1] = {0,  6,  6,  8,  8,  8,  8,  8,  8,  10, 10,
                                                10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10,
                                                10, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12};
    for (int layers = 1; layers <= kAztecFullLayers; ++layers)
        EXPECT_EQ(aztecWordSize(layers), expected[layers]) << layers;
}

TEST(AztecSymbolSize, MenuMarkAndDataWordLimits) {
    EXPECT_TRUE(aztecCarriesMenuMark({true, 1}));
    EXPECT_FALSE(aztecCarriesMenuMark({true, 2}));
    EXPECT_TRUE(aztecCarriesMenuMark({false, 22}));
    EXPECT_FALSE(aztecCarriesMenuMark({false, 23}));
    EXPECT_EQ(aztecMaxDataWords({true, 4}), 64);
    EXPECT_EQ(aztecMaxDataWords({false, 32}), 2048);
}

TEST(AztecSymbolSize, SizesBySideCompactFirst) {
    const auto sizes = aztecSizesBySide();
    ASSERT_EQ(sizes.size(), static_cast<std::size_t>(kAztecCompactLayers + kAztecFullLayers));
    for (std::size_t i = 1; i < sizes.size(); ++i) {
        const int before = aztecSide(sizes[i - 1]);
        const int after = aztecSide(sizes[i]);
        EXPECT_LE(before, after) << i;
        if (before == after) {
            EXPECT_TRUE(sizes[i - 1].compact && !sizes[i].compact) << i;
        }
    }
    EXPECT_EQ(sizes.front(), (AztecSymbolSize{true, 1}));
    EXPECT_EQ(sizes[1], (AztecSymbolSize{true, 2}));
    EXPECT_EQ(sizes[2], (AztecSymbolSize{false, 1}));
    EXPECT_EQ(sizes.back(), (AztecSymbolSize{false, 32}));
}

} // namespace
} // namespace vornik::twod
