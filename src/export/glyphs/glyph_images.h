#pragma once

#include "export/glyphs/font_choice.h"
#include "export/raster/raster_scene.h"
#include "export/text_rendering.h"

#include <cstdint>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <optional>
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

// How glyphs are loaded for a rendering: hinted for black-and-white pixels
// when crisp, and never from a face's embedded bitmaps, which do not turn.
[[nodiscard]] FT_Int32 glyphLoadFlags(TextRendering rendering);

// The glyph loaded in `slot` rendered, its ink placed relative to its origin
// (y down) and cut to the pixels `within`, in the same frame. A glyph that
// reaches beyond them is drawn only where it is inside, so that a glyph far
// larger than the picture it lands on costs no more than the picture; one
// inside them is drawn whole, exactly as FreeType draws it. Nothing when
// FreeType cannot draw it.
[[nodiscard]] std::optional<GlyphInk> renderLoaded(FT_GlyphSlot slot, TextRendering rendering,
                                                   const PixelBox& within);

// How far the glyph advances the pen, unstretched, in pixels; 0 when it
// cannot be loaded. Found without drawing the glyph, and kept.
[[nodiscard]] double glyphAdvance(const FontFile& file, int pixelsPerEm, FT_UInt glyph,
                                  TextRendering rendering);

// The glyph drawn upright, stretched horizontally by `stretch`, its ink
// placed relative to its origin on the baseline (y down) and cut to `within`
// (see renderLoaded). A glyph drawn whole is kept for the next call on this
// thread, so that a batch of labels hints the same few glyphs only once:
// hinting them is most of what drawing text costs; a kept glyph is given
// whole. Null when the glyph cannot be loaded; the ink stays valid until the
// next call.
[[nodiscard]] const GlyphInk* uprightGlyph(const FontFile& file, int pixelsPerEm, FT_UInt glyph,
                                           double stretch, TextRendering rendering,
                                           const PixelBox& within);

} // namespace vornik::exporting
