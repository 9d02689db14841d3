#include "export/glyphs/glyph_line.h"

#include "core/app/windows1252.h"
#include "export/glyphs/font_faces.h"
#include "export/glyphs/glyph_images.h"

#include <algorithm>

namespace vornik::exporting {
namespace {

// The index into `line.faces` of `file`, added when it is new.
std::size_t faceIndex(GlyphLine& line, const FontFile& file) {
    const auto found = std::find(line.faces.begin(), line.faces.end(), file);
    if (found != line.faces.end())
        return static_cast<std::size_t>(found - line.faces.begin());
    line.faces.push_back(file);
    return line.faces.size() - 1;
}

// The face and glyph that draw `codePoint`.
LineGlyph glyphFor(GlyphLine& line, char32_t codePoint, const render::LogFont& log,
                   const DeviceFace& face) {
    FT_Face own = sizedFace(face.file, face.pixelsPerEm);
    const FT_UInt glyph = own == nullptr ? 0 : FT_Get_Char_Index(own, codePoint);
    if (glyph != 0)
        return {0, glyph, 0};
    const std::optional<FontFile> standIn = chooseFontFileFor(log, codePoint);
    if (!standIn)
        return {0, 0, 0};
    FT_Face other = sizedFace(*standIn, face.pixelsPerEm);
    const FT_UInt found = other == nullptr ? 0 : FT_Get_Char_Index(other, codePoint);
    if (found == 0)
        return {0, 0, 0};
    return {faceIndex(line, *standIn), found, 0};
}

} // namespace

GlyphLine layGlyphs(std::string_view text, const render::LogFont& log, const DeviceFace& face,
                    TextRendering rendering) {
    GlyphLine line;
    line.faces.push_back(face.file);
    line.glyphs.reserve(text.size());
    for (const char byte : text) {
        LineGlyph glyph =
            glyphFor(line, windows1252CodePoint(static_cast<unsigned char>(byte)), log, face);
        glyph.penX = line.advance;
        line.advance +=
            glyphAdvance(line.faces[glyph.face], face.pixelsPerEm, glyph.glyph, rendering);
        line.glyphs.push_back(glyph);
    }
    return line;
}

} // namespace vornik::exporting
