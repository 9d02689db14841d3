#pragma once

#include <algorithm>
#include <cmath>

namespace vornik::exporting {

// Text drawn smoothly (anti-aliased) or crisply, in the picture's own colours
// only, as a two-colour raster needs it. Bars are never anti-aliased.
enum class TextRendering { Smooth, Crisp };

// Text is stretched or squeezed to the width a font asks for up to this
// factor. Fonts in real pictures stay within a few times their natural
// width; a metafile asking for thousands of times it would have the glyph
// rasterisers make (or fail to make) glyph images of absurd widths.
inline constexpr double kWidestTextStretch = 64;

// The factor that stretches text whose characters are NATURAL wide on
// average to the width a font ASKS for (its sign ignored), held within
// kWidestTextStretch either way; 1 when the natural width is not known.
[[nodiscard]] inline double textStretch(double asked, double natural) {
    if (!(natural > 0))
        return 1.0;
    return std::clamp(std::abs(asked) / natural, 1 / kWidestTextStretch, kWidestTextStretch);
}

} // namespace vornik::exporting
