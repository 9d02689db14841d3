#pragma once

#include <span>

namespace vornik::twod {

// A symbol's kind and number of data layers: compact 1 to 4, full-range 1 to 32.
struct AztecSymbolSize {
    bool compact = true;
    int layers = 1;
    bool operator==(const AztecSymbolSize&) const = default;
};

inline constexpr int kAztecCompactLayers = 4;
inline constexpr int kAztecFullLayers = 32;

// Bits of one codeword: 6 up to 2 layers, 8 up to 8, 10 up to 22, then 12.
[[nodiscard]] int aztecWordSize(int layers);

// Modules of the data layers, one bit each.
[[nodiscard]] int aztecLayerBits(AztecSymbolSize size);

// Codewords that fit in the data layers (the bits left over start the layers, unused).
[[nodiscard]] int aztecTotalWords(AztecSymbolSize size);

// The side of the symbol in modules, the reference grid included.
[[nodiscard]] int aztecSide(AztecSymbolSize size);

// The most data words the mode message can announce: 64 compact, 2048 full-range.
[[nodiscard]] int aztecMaxDataWords(AztecSymbolSize size);

// Whether the mode message can mark the symbol as a menu (reader
// initialisation) symbol: compact with one layer, full-range up to 22 layers,
// where the data word count never needs the bit the mark takes.
[[nodiscard]] bool aztecCarriesMenuMark(AztecSymbolSize size);

// Every size, smallest side first; at equal sides the compact symbol, which
// holds more, comes first.
[[nodiscard]] std::span<const AztecSymbolSize> aztecSizesBySide();

} // namespace vornik::twod
