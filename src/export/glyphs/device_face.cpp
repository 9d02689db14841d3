#include "export/glyphs/device_face.h"

#include "core/app/rounding.h"
#include "export/glyphs/font_faces.h"
#include "export/text_rendering.h"

#include <algorithm>
#include <cmath>
#include <freetype/tttables.h>
#include <utility>
#include <vector>

namespace vornik::exporting {
namespace {

// FreeType takes sizes up to 16 bits; no label needs more than this.
constexpr int kLargestPixelsPerEm = 16384;
constexpr double kDefaultPoints = 12;
constexpr double kPointsPerInch = 72;

// A face's cell in design units: GDI's ascent and descent are the Windows
// metrics; a face without them has its own ascender and descender.
struct DesignCell {
    double ascent;
    double descent;
};

DesignCell designCellOf(FT_Face face) {
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 != nullptr && os2->usWinAscent + os2->usWinDescent > 0)
        return {static_cast<double>(os2->usWinAscent), static_cast<double>(os2->usWinDescent)};
    return {static_cast<double>(face->ascender), -static_cast<double>(face->descender)};
}

// The average character width in pixels at `pixelsPerEm`: the face's own
// figure when it has one, else the width of "x".
double averageWidthOf(FT_Face face, int pixelsPerEm) {
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 != nullptr && os2->xAvgCharWidth > 0 && face->units_per_EM > 0)
        return os2->xAvgCharWidth * static_cast<double>(pixelsPerEm) / face->units_per_EM;
    if (FT_Load_Char(face, 'x', FT_LOAD_NO_HINTING) != 0)
        return 0;
    return face->glyph->linearHoriAdvance / 65536.0;
}

int pixelsPerEmFor(double height, const DesignCell& cell, double unitsPerEm) {
    if (height > 0 && cell.ascent + cell.descent > 0)
        height = height * unitsPerEm / (cell.ascent + cell.descent);
    if (!(std::abs(height) < kLargestPixelsPerEm))
        return kLargestPixelsPerEm;
    return std::max(1, nearest(std::abs(height)));
}

std::optional<DeviceFace> makeDeviceFace(const render::LogFont& log, double heightScale,
                                         double widthScale, double dotsPerInch) {
    const std::optional<FontFile> file = chooseFontFile(log);
    if (!file)
        return std::nullopt;
    FT_Face face = sizedFace(*file, 1);
    if (face == nullptr || face->units_per_EM == 0)
        return std::nullopt;
    const DesignCell cell = designCellOf(face);
    const double unitsPerEm = face->units_per_EM;
    const double height =
        log.height != 0 ? log.height * heightScale : -kDefaultPoints * dotsPerInch / kPointsPerInch;
    DeviceFace made{*file, pixelsPerEmFor(height, cell, unitsPerEm), 0, 0, 1.0};
    made.ascent = std::round(cell.ascent * made.pixelsPerEm / unitsPerEm);
    made.descent = std::round(cell.descent * made.pixelsPerEm / unitsPerEm);
    if (log.width != 0)
        made.horizontalScale =
            textStretch(log.width * widthScale, averageWidthOf(face, made.pixelsPerEm));
    return made;
}

struct FaceKey {
    render::LogFont log;
    double heightScale;
    double widthScale;
    double dotsPerInch;
    bool operator==(const FaceKey&) const = default;
};

constexpr std::size_t kRememberedFaces = 32;

} // namespace

std::optional<DeviceFace> deviceFace(const render::LogFont& log, double heightScale,
                                     double widthScale, double dotsPerInch) {
    thread_local std::vector<std::pair<FaceKey, std::optional<DeviceFace>>> faces;
    const FaceKey key{log, heightScale, widthScale, dotsPerInch};
    for (const auto& [made, face] : faces)
        if (made == key)
            return face;
    if (faces.size() == kRememberedFaces)
        faces.clear();
    faces.emplace_back(key, makeDeviceFace(log, heightScale, widthScale, dotsPerInch));
    return faces.back().second;
}

} // namespace vornik::exporting
