#include "core/twod/aztec_symbol_size.h"

#include <algorithm>
#include <array>

namespace vornik::twod {

namespace {

constexpr int kCompactCore = 11; // bull's eye and mode message ring
constexpr int kFullCore = 14;    // the same without the reference grid's middle lines
constexpr int kGridSpacing = 16;

std::array<AztecSymbolSize, kAztecCompactLayers + kAztecFullLayers> sortedSizes() {
    std::array<AztecSymbolSize, kAztecCompactLayers + kAztecFullLayers> sizes{};
    std::size_t n = 0;
    for (int layers = 1; layers <= kAztecCompactLayers; ++layers)
        sizes[n++] = {true, layers};
    for (int layers = 1; layers <= kAztecFullLayers; ++layers)
        sizes[n++] = {false, layers};
    std::stable_sort(sizes.begin(), sizes.end(), [](AztecSymbolSize a, AztecSymbolSize b) {
        return aztecSide(a) < aztecSide(b);
    });
    return sizes;
}

} // namespace

int aztecWordSize(int layers) {
    if (layers <= 2)
        return 6;
    if (layers <= 8)
        return 8;
    if (layers <= 22)
        return 10;
    return 12;
}

int aztecLayerBits(AztecSymbolSize size) {
    // The innermost layer of a compact symbol runs round the 11-module core
    // (88 + 16 bits), a full-range one round 14 modules of core (112 + 16);
    // each further layer is 4 modules longer a side, 32 bits more.
    return ((size.compact ? 88 : 112) + 16 * size.layers) * size.layers;
}

int aztecTotalWords(AztecSymbolSize size) {
    return aztecLayerBits(size) / aztecWordSize(size.layers);
}

int aztecSide(AztecSymbolSize size) {
    const int base = (size.compact ? kCompactCore : kFullCore) + 4 * size.layers;
    if (size.compact)
        return base;
    // One grid line through the middle, and one every 16 modules out from it.
    return base + 1 + 2 * ((base / 2 - 1) / (kGridSpacing - 1));
}

int aztecMaxDataWords(AztecSymbolSize size) {
    return size.compact ? 64 : 2048;
}

bool aztecCarriesMenuMark(AztecSymbolSize size) {
    return size.compact ? size.layers == 1 : size.layers <= 22;
}

std::span<const AztecSymbolSize> aztecSizesBySide() {
    static const auto sizes = sortedSizes();
    return sizes;
}

} // namespace vornik::twod
