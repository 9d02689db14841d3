#pragma once

#include "core/twod/pdf417_codewords.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace vornik::twod {

// How rows and columns are chosen (PdfLayoutFlag).
enum class PdfLayoutRule : std::int32_t { AspectRatio = 0, FixedRows = 1, FixedColumns = 2 };

inline constexpr int kMostCodewords = 928;
inline constexpr int kFewestRows = 3;
inline constexpr int kMostRows = 90;
inline constexpr int kMostColumns = 30;

// Layout error codes.
inline constexpr int kErrorTooManyCodewords = 20;
inline constexpr int kErrorTooManyColumns = 24;
inline constexpr int kErrorTooManyRows = 25;
inline constexpr int kErrorNoLayout = 26;

struct LayoutSettings {
    std::int32_t rule = 0; // PdfLayoutRule; other values choose by aspect ratio
    std::int32_t maxRows = kMostRows;
    std::int32_t maxColumns = kMostColumns;
    double aspectRatio = 0.5;
    bool truncated = false;
    int W = 26; // module width, 0.01 mm
    int H = 76; // row height, 0.01 mm
};

struct Layout {
    int rows = 0;
    int columns = 0;
    // The height-to-width ratio of every candidate the aspect ratio search
    // weighed, in the order it found them.
    std::vector<double> candidates;
};

struct LayoutOutcome {
    Layout layout;
    std::optional<int> error; // an error code when no layout holds the codewords
};

// Rows and data columns for `needed` codewords (data, length descriptor and
// error correction).
[[nodiscard]] LayoutOutcome PdfChooseLayout(int needed, const LayoutSettings& settings);

// The symbol's codewords in order: length descriptor, data, padding to fill
// rows x columns, then error correction for `level`.
[[nodiscard]] Codewords PdfCodewordArray(const Codewords& data, int rows, int columns, int level);

struct RowIndicators {
    std::vector<int> left;
    std::vector<int> right;
};

[[nodiscard]] RowIndicators PdfRowIndicators(int rows, int columns, int level);

} // namespace vornik::twod
