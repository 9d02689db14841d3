#pragma once

#include "export/glyphs/font_choice.h"
#include "export/text_rendering.h"

#include <cstdint>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <vector>

namespace vornik::exporting {

// A glyph's coverage, one byte a pixel, its top-left pixel at `left`, `top`.
struct GlyphInk {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> coverage;
};

// A FreeType bitmap (black-and-white or grey) as coverage at `left`, `top`.
[[nodiscard]] GlyphInk inkOf(const FT_Bitmap& bitmap, int left, int top);

// A glyph drawn upright, stretched horizontally by `stretch`: its ink placed
// relative to its origin on the baseline (y down), and how far it advances
// the pen, unstretched, in pixels.
struct GlyphImage {
    GlyphInk ink;
    double advance = 0;
};

// How glyphs are loaded for a rendering: hinted for black-and-white pixels
// when crisp, and never from a face's embedded bitmaps, which do not turn.
[[nodiscard]] FT_Int32 glyphLoadFlags(TextRendering rendering);

// The glyph's image, rendered the first time it is asked for on this thread
// and kept: a batch of labels draws the same few glyphs over and over, and
// hinting them is most of what drawing text costs. Null when the glyph
// cannot be loaded; the image stays valid until the next call.
[[nodiscard]] const GlyphImage* uprightGlyph(const FontFile& file, int pixelsPerEm, FT_UInt glyph,
                                             double stretch, TextRendering rendering);

} // namespace vornik::exporting
