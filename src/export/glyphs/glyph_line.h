#pragma once

#include "core/render/metafile.h"
#include "export/glyphs/device_face.h"
#include "export/text_rendering.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <string_view>
#include <vector>

namespace vornik::exporting {

// One character of a line: the face that draws it (an index into the line's
// faces), its glyph there (0: that face's box for a missing character) and
// where its origin stands along the baseline from the text's start.
struct LineGlyph {
    std::size_t face = 0;
    FT_UInt glyph = 0;
    double penX = 0;
};

// A text laid out as GDI's text-out lays it: glyphs side by side by their own
// advances in whole pixels, without kerning or ligatures. `faces` starts with
// the font's own face; a character it lacks is drawn by the closest face that
// has it, at the same size, and by the font's own box when none has.
struct GlyphLine {
    std::vector<FontFile> faces;
    std::vector<LineGlyph> glyphs;
    double advance = 0;
};

// `text` is in the ANSI code page (Windows-1252).
[[nodiscard]] GlyphLine layGlyphs(std::string_view text, const render::LogFont& log,
                                  const DeviceFace& face, TextRendering rendering);

} // namespace vornik::exporting
