#include "export/glyphs/glyph_images.h"

#include "export/glyphs/font_faces.h"

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

std::optional<GlyphImage> render(const ImageKey& key) {
    FT_Face face = sizedFace(key.file, key.pixelsPerEm);
    if (face == nullptr || FT_Load_Glyph(face, key.glyph, glyphLoadFlags(key.rendering)) != 0)
        return std::nullopt;
    GlyphImage image;
    image.advance = face->glyph->advance.x / 64.0;
    FT_Matrix stretch{static_cast<FT_Fixed>(key.stretch * kFixedOne), 0, 0,
                      static_cast<FT_Fixed>(kFixedOne)};
    if (key.stretch != 1) {
        FT_Set_Transform(face, &stretch, nullptr);
        const bool loaded = FT_Load_Glyph(face, key.glyph, glyphLoadFlags(key.rendering)) == 0;
        FT_Set_Transform(face, nullptr, nullptr);
        if (!loaded)
            return std::nullopt;
    }
    const FT_Render_Mode mode =
        key.rendering == TextRendering::Crisp ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL;
    if (FT_Render_Glyph(face->glyph, mode) != 0)
        return std::nullopt;
    image.ink = inkOf(face->glyph->bitmap, face->glyph->bitmap_left, -face->glyph->bitmap_top);
    return image;
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

const GlyphImage* uprightGlyph(const FontFile& file, int pixelsPerEm, FT_UInt glyph, double stretch,
                               TextRendering rendering) {
    thread_local std::unordered_map<ImageKey, GlyphImage, ImageKeyHash> images;
    const ImageKey key{file, pixelsPerEm, glyph, stretch, rendering};
    if (const auto found = images.find(key); found != images.end())
        return &found->second;
    std::optional<GlyphImage> image = render(key);
    if (!image)
        return nullptr;
    if (images.size() == kKeptImages)
        images.clear();
    return &images.emplace(key, std::move(*image)).first->second;
}

} // namespace vornik::exporting
