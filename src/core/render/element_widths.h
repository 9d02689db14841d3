#pragma once

#include <string_view>

namespace vornik::render {

// How one character of a bar pattern is drawn, in 0.01 mm: the width of the
// filled bar (0 for spaces), how far the pen moves on, and how many modules
// it counts for the UPC/EAN guard-bar positions.
struct ElementGeometry {
    bool bar = false;
    int drawnWidth = 0;
    int advance = 0;
    int modules = 0;
};

// X is the narrow element (one module), Wd the wide element of the
// two-width symbologies. The 1/13-module letters keep every UPC/EAN digit
// seven modules wide. A character outside the alphabet is nothing at all.
[[nodiscard]] ElementGeometry elementGeometry(char c, int X, int Wd);

// The symbol width the layout reserves for a pattern: nominal widths added up
// in single precision, as the width limit is judged on.
[[nodiscard]] float patternWidthEstimate(std::string_view pattern, int X, int Wd);

} // namespace vornik::render
