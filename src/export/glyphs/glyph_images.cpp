#include "export/glyphs/glyph_images.h"

#include "export/glyphs/font_faces.h"

#include <algorithm>
#include <freetype/ftoutln.h>
#include <unordered_map>

namespace vornik::exporting {
namespace {

struct ImageKey {
    FontFile file;
    int pixelsPerEm;
    FT_UInt glyph;
    double stretch;
    TextRendering rendering;
    bool operator==(const ImageKey&) const = default;
};

struct ImageKeyHash {
    std::size_t operator()(const ImageKey& key) const {
        std::size_t hash = std::hash<std::string>()(key.file.path);
        for (const std::size_t part :
             {std::size_t(key.file.index), std::size_t(key.pixelsPerEm), std::size_t(key.glyph),
              std::hash<double>()(key.stretch), std::size_t(key.rendering)})
            hash = hash * 1000003u ^ part;
        return hash;
    }
};

// More glyphs than this on one thread, and all are drawn afresh.
constexpr std::size_t kKeptImages = 4096;

constexpr double kFixedOne = 65536.0; // 1 in FreeType's 16.16 fixed point

FT_Render_Mode renderModeOf(TextRendering rendering) {
    return rendering == TextRendering::Crisp ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL;
}

// The pixels (y down) an outline's control points reach into: no pixel
// outside them can be inked.
PixelBox pixelsReached(const FT_Outline& outline) {
    FT_BBox box;
    FT_Outline_Get_CBox(&outline, &box);
    const auto down = [](FT_Pos pos) { return static_cast<int>(pos >> 6); };
    const auto up = [](FT_Pos pos) { return static_cast<int>((pos + 63) >> 6); };
    return {down(box.xMin), -up(box.yMax), up(box.xMax), -down(box.yMin)};
}

// Whether the glyph loaded in `slot` lies wholly inside `within`; a glyph
// that is not an outline is always drawn whole.
bool fitsWithin(FT_GlyphSlot slot, const PixelBox& within) {
    return slot->format != FT_GLYPH_FORMAT_OUTLINE || within.contains(pixelsReached(slot->outline));
}

// The outline drawn into a bitmap of the pixels `cut` only: FreeType's
// rasterisers leave out whatever falls beyond the bitmap they are given.
std::optional<GlyphInk> renderCut(FT_GlyphSlot slot, TextRendering rendering, const PixelBox& cut) {
    const bool mono = rendering == TextRendering::Crisp;
    const int width = cut.right - cut.left;
    const int height = cut.bottom - cut.top;
    const int pitch = mono ? (width + 7) / 8 : width;
    std::vector<unsigned char> buffer(static_cast<std::size_t>(pitch) *
                                      static_cast<std::size_t>(height));
    FT_Bitmap bitmap{};
    bitmap.width = static_cast<unsigned>(width);
    bitmap.rows = static_cast<unsigned>(height);
    bitmap.pitch = pitch;
    bitmap.buffer = buffer.data();
    bitmap.pixel_mode = mono ? FT_PIXEL_MODE_MONO : FT_PIXEL_MODE_GRAY;
    bitmap.num_grays = mono ? 2 : 256;
    // The bitmap's lower-left corner is FreeType's origin; y runs up there.
    FT_Outline_Translate(&slot->outline, -static_cast<FT_Pos>(cut.left) * 64,
                         static_cast<FT_Pos>(cut.bottom) * 64);
    if (FT_Outline_Get_Bitmap(slot->library, &slot->outline, &bitmap) != 0)
        return std::nullopt;
    return inkOf(bitmap, cut.left, cut.top);
}

std::optional<GlyphInk> loadUpright(const ImageKey& key, const PixelBox& within, bool& whole) {
    FT_Face face = sizedFace(key.file, key.pixelsPerEm);
    if (face == nullptr)
        return std::nullopt;
    FT_Matrix stretch{static_cast<FT_Fixed>(key.stretch * kFixedOne), 0, 0,
                      static_cast<FT_Fixed>(kFixedOne)};
    FT_Set_Transform(face, key.stretch != 1 ? &stretch : nullptr, nullptr);
    const bool loaded = FT_Load_Glyph(face, key.glyph, glyphLoadFlags(key.rendering)) == 0;
    FT_Set_Transform(face, nullptr, nullptr);
    if (!loaded)
        return std::nullopt;
    whole = fitsWithin(face->glyph, within);
    return renderLoaded(face->glyph, key.rendering, within);
}

} // namespace

GlyphInk inkOf(const FT_Bitmap& bitmap, int left, int top) {
    GlyphInk ink{left, top, static_cast<int>(bitmap.width), static_cast<int>(bitmap.rows), {}};
    ink.coverage.resize(static_cast<std::size_t>(ink.width) * static_cast<std::size_t>(ink.height));
    const bool mono = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
    for (int y = 0; y < ink.height; ++y) {
        const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
        for (int x = 0; x < ink.width; ++x) {
            const std::uint8_t value = mono ? ((row[x / 8] >> (7 - x % 8)) & 1 ? 255 : 0) : row[x];
            ink.coverage[static_cast<std::size_t>(y * ink.width + x)] = value;
        }
    }
    return ink;
}

FT_Int32 glyphLoadFlags(TextRendering rendering) {
    return FT_LOAD_NO_BITMAP |
           (rendering == TextRendering::Crisp ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL);
}

std::optional<GlyphInk> renderLoaded(FT_GlyphSlot slot, TextRendering rendering,
                                     const PixelBox& within) {
    if (fitsWithin(slot, within)) {
        if (FT_Render_Glyph(slot, renderModeOf(rendering)) != 0)
            return std::nullopt;
        return inkOf(slot->bitmap, slot->bitmap_left, -slot->bitmap_top);
    }
    const PixelBox cut = pixelsReached(slot->outline).intersectedWith(within);
    if (cut.isEmpty())
        return GlyphInk{};
    return renderCut(slot, rendering, cut);
}

double glyphAdvance(const FontFile& file, int pixelsPerEm, FT_UInt glyph, TextRendering rendering) {
    // Advances are unstretched: kept under the key of the unstretched image.
    thread_local std::unordered_map<ImageKey, double, ImageKeyHash> advances;
    const ImageKey key{file, pixelsPerEm, glyph, 1.0, rendering};
    if (const auto found = advances.find(key); found != advances.end())
        return found->second;
    FT_Face face = sizedFace(file, pixelsPerEm);
    if (face == nullptr || FT_Load_Glyph(face, glyph, glyphLoadFlags(rendering)) != 0)
        return 0;
    if (advances.size() == kKeptImages)
        advances.clear();
    return advances[key] = face->glyph->advance.x / 64.0;
}

const GlyphInk* uprightGlyph(const FontFile& file, int pixelsPerEm, FT_UInt glyph, double stretch,
                             TextRendering rendering, const PixelBox& within) {
    thread_local std::unordered_map<ImageKey, GlyphInk, ImageKeyHash> images;
    thread_local GlyphInk cut;
    const ImageKey key{file, pixelsPerEm, glyph, stretch, rendering};
    if (const auto found = images.find(key); found != images.end())
        return &found->second;
    bool whole = false;
    std::optional<GlyphInk> ink = loadUpright(key, within, whole);
    if (!ink)
        return nullptr;
    if (!whole) {
        cut = std::move(*ink);
        return &cut;
    }
    if (images.size() == kKeptImages)
        images.clear();
    return &images.emplace(key, std::move(*ink)).first->second;
}

} // namespace vornik::exporting
