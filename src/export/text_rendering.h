#pragma once

namespace vornik::exporting {

// Text drawn smoothly (anti-aliased) or crisply, in the picture's own colours
// only, as a two-colour raster needs it. Bars are never anti-aliased.
enum class TextRendering { Smooth, Crisp };

// Text is stretched or squeezed to the width a font asks for up to this
// factor. Fonts in real pictures stay within a few times their natural
// width; a metafile asking for thousands of times it would have the glyph
// rasterisers make (or fail to make) glyph images of absurd widths.
inline constexpr double kWidestTextStretch = 64;

} // namespace vornik::exporting
