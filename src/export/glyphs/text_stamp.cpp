#include "export/glyphs/text_stamp.h"

#include "export/glyphs/font_faces.h"
#include "export/glyphs/glyph_images.h"
#include "export/glyphs/glyph_line.h"
#include "export/glyphs/text_frame.h"
#include "export/text_alignment.h"

#include <algorithm>
#include <cmath>
#include <freetype/tttables.h>
#include <functional>
#include <limits>

namespace vornik::exporting {
namespace {

// Premultiplied alpha, red, green, blue, as stamps hold them; COLORREF holds
// red in its lowest byte.
std::uint32_t premultiplied(ColorRef colour, unsigned alpha) {
    const auto channel = [&](int shift) {
        return (((colour >> shift) & 0xFFu) * alpha + 127) / 255;
    };
    return alpha << 24 | channel(0) << 16 | channel(8) << 8 | channel(16);
}

// A rectangle in the text's frame, filled in one colour.
struct FrameBox {
    double left, top, right, bottom;
    ColorRef colour;
};

// The extent of the pixels a drawing touches, grown by each piece.
struct PixelExtent {
    int left = std::numeric_limits<int>::max();
    int top = std::numeric_limits<int>::max();
    int right = std::numeric_limits<int>::min();
    int bottom = std::numeric_limits<int>::min();
    void add(int l, int t, int r, int b) {
        left = std::min(left, l);
        top = std::min(top, t);
        right = std::max(right, r);
        bottom = std::max(bottom, b);
    }
    [[nodiscard]] bool isEmpty() const { return right <= left || bottom <= top; }
};

bool isQuarterTurn(const TextFrame& frame) {
    return frame.sine() == 0 || frame.cosine() == 0;
}

// The glyph's coverage turned by a quarter turn or none, as the frame turns,
// about its origin `x`, `y` (whole device pixels): each pixel lands where
// the frame carries its centre. The turn is about the centre of the pixel
// above and to the left of the origin, as other programs that draw these
// pictures (LibreOffice, Qt) turn text, so that turned text lands where
// theirs does.
GlyphInk turned(const GlyphInk& upright, const TextFrame& frame, int x, int y) {
    if (frame.cosine() == 1) {
        GlyphInk moved = upright;
        moved.left += x;
        moved.top += y;
        return moved;
    }
    const auto carried = [&](double u, double v) {
        u += 0.5;
        v += 0.5;
        return FramePoint{x - 0.5 + u * frame.cosine() + v * frame.sine(),
                          y - 0.5 - u * frame.sine() + v * frame.cosine()};
    };
    const FramePoint a = carried(upright.left, upright.top);
    const FramePoint b = carried(upright.left + upright.width, upright.top + upright.height);
    GlyphInk ink{static_cast<int>(std::lround(std::min(a.x, b.x))),
                 static_cast<int>(std::lround(std::min(a.y, b.y))),
                 static_cast<int>(std::lround(std::abs(a.x - b.x))),
                 static_cast<int>(std::lround(std::abs(a.y - b.y))),
                 std::vector<std::uint8_t>(upright.coverage.size(), 0)};
    for (int v = 0; v < upright.height; ++v)
        for (int u = 0; u < upright.width; ++u) {
            const FramePoint centre = carried(upright.left + u + 0.5, upright.top + v + 0.5);
            const int column = static_cast<int>(std::floor(centre.x)) - ink.left;
            const int row = static_cast<int>(std::floor(centre.y)) - ink.top;
            if (column >= 0 && column < ink.width && row >= 0 && row < ink.height)
                ink.coverage[static_cast<std::size_t>(row * ink.width + column)] =
                    upright.coverage[static_cast<std::size_t>(v * upright.width + u)];
        }
    return ink;
}

constexpr double kFixedOne = 65536.0; // 1 in FreeType's 16.16 fixed point

// Pixel coordinates far beyond any device, yet safe to add to.
constexpr double kFarthestPixel = 1 << 30;

int pixelAt(double coordinate) {
    return static_cast<int>(std::clamp(coordinate, -kFarthestPixel, kFarthestPixel));
}

// The device's pixels seen from a glyph's upright image whose origin stands
// at `x`, `y`, turned as the frame turns (see turned): the corners carried
// back, and a pixel more all round for the rounding of pixel centres.
PixelBox uprightWindow(const PixelBox& device, const TextFrame& frame, int x, int y) {
    double left = kFarthestPixel, top = kFarthestPixel;
    double right = -kFarthestPixel, bottom = -kFarthestPixel;
    for (const double dx : {double(device.left), double(device.right)})
        for (const double dy : {double(device.top), double(device.bottom)}) {
            const double a = dx - x + 0.5;
            const double b = dy - y + 0.5;
            const double u = a * frame.cosine() - b * frame.sine() - 1;
            const double v = a * frame.sine() + b * frame.cosine() - 1;
            left = std::min(left, u);
            right = std::max(right, u);
            top = std::min(top, v);
            bottom = std::max(bottom, v);
        }
    return {pixelAt(std::floor(left) - 1), pixelAt(std::floor(top) - 1),
            pixelAt(std::ceil(right) + 1), pixelAt(std::ceil(bottom) + 1)};
}

PixelBox movedBy(const PixelBox& box, double dx, double dy) {
    return {pixelAt(box.left + dx), pixelAt(box.top + dy), pixelAt(box.right + dx),
            pixelAt(box.bottom + dy)};
}

// One glyph rendered with its origin at `origin` (device pixels), only as
// far as it lies on the device. Text turned by a quarter turn or none stands
// on whole pixels: its glyphs are hinted and rendered upright (stretched
// when the frame is) and their pixels turned, so that turned text looks as
// upright text does. At any other angle FreeType turns the outline, the
// fraction of a pixel included.
std::optional<GlyphInk> renderGlyph(const FontFile& file, int pixelsPerEm, FT_UInt glyph,
                                    FramePoint origin, const TextFrame& frame,
                                    TextRendering rendering, const PixelBox& device) {
    if (isQuarterTurn(frame)) {
        const int x = static_cast<int>(std::lround(origin.x));
        const int y = static_cast<int>(std::lround(origin.y));
        const GlyphInk* upright = uprightGlyph(file, pixelsPerEm, glyph, frame.stretch(), rendering,
                                               uprightWindow(device, frame, x, y));
        if (upright == nullptr)
            return std::nullopt;
        return turned(*upright, frame, x, y);
    }
    FT_Face face = sizedFace(file, pixelsPerEm);
    if (face == nullptr)
        return std::nullopt;
    // FreeType's outlines run upwards; the frame's y runs down the device.
    const double wholeX = std::floor(origin.x);
    const double wholeY = std::floor(origin.y);
    FT_Matrix turn{static_cast<FT_Fixed>(frame.stretch() * frame.cosine() * kFixedOne),
                   static_cast<FT_Fixed>(-frame.sine() * kFixedOne),
                   static_cast<FT_Fixed>(frame.stretch() * frame.sine() * kFixedOne),
                   static_cast<FT_Fixed>(frame.cosine() * kFixedOne)};
    FT_Vector shift{static_cast<FT_Pos>(std::lround((origin.x - wholeX) * 64)),
                    static_cast<FT_Pos>(std::lround(-(origin.y - wholeY) * 64))};
    FT_Set_Transform(face, &turn, &shift);
    const bool loaded = FT_Load_Glyph(face, glyph, glyphLoadFlags(rendering)) == 0;
    FT_Set_Transform(face, nullptr, nullptr);
    if (!loaded)
        return std::nullopt;
    std::optional<GlyphInk> ink =
        renderLoaded(face->glyph, rendering, movedBy(device, -wholeX, -wholeY));
    if (ink) {
        ink->left += static_cast<int>(wholeX);
        ink->top += static_cast<int>(wholeY);
    }
    return ink;
}

// The underline and strike-out of the text, in its colour, over its advance:
// the face's own positions and thicknesses, at least a pixel thick.
void addLines(std::vector<FrameBox>& boxes, const render::TextStyle& style, const DeviceFace& face,
              FramePoint start, double advance) {
    FT_Face sized = sizedFace(face.file, face.pixelsPerEm);
    if (sized == nullptr || sized->units_per_EM == 0)
        return;
    const double scale = static_cast<double>(face.pixelsPerEm) / sized->units_per_EM;
    const auto line = [&](double top, double thickness) {
        thickness = std::max(1.0, std::round(thickness));
        top = std::round(top);
        boxes.push_back({start.x, top, start.x + advance, top + thickness, style.color});
    };
    if (style.font.underline != 0) {
        const double thickness = sized->underline_thickness * scale;
        line(start.y - sized->underline_position * scale - thickness / 2, thickness);
    }
    if (style.font.strikeOut != 0) {
        const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(sized, FT_SFNT_OS2));
        const double thickness = os2 != nullptr ? os2->yStrikeoutSize * scale : face.ascent / 12;
        const double height = os2 != nullptr ? os2->yStrikeoutPosition * scale : face.ascent / 3;
        line(start.y - height, thickness);
    }
}

// The device pixels a frame box may touch.
void extendBy(PixelExtent& extent, const FrameBox& box, const TextFrame& frame) {
    const FramePoint corners[] = {
        frame.toDevice({box.left, box.top}), frame.toDevice({box.right, box.top}),
        frame.toDevice({box.left, box.bottom}), frame.toDevice({box.right, box.bottom})};
    for (const FramePoint& corner : corners)
        extent.add(static_cast<int>(std::floor(corner.x)), static_cast<int>(std::floor(corner.y)),
                   static_cast<int>(std::ceil(corner.x)), static_cast<int>(std::ceil(corner.y)));
}

// Whether each of `count` pixel centres along one device axis, from
// `first`, lies within [low, high) of the frame coordinate that axis carries.
std::vector<bool> insideAlong(int first, int count, double low, double high,
                              const std::function<double(double)>& frameCoordinate) {
    std::vector<bool> inside(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double value = frameCoordinate(first + i + 0.5);
        inside[static_cast<std::size_t>(i)] = value >= low && value < high;
    }
    return inside;
}

// Fills the stamp's pixels whose centres lie inside the box. A frame turned
// by quarter turns carries each device axis to one frame axis, so that the
// test splits into one for the columns and one for the rows.
void paintBox(Stamp& stamp, const FrameBox& box, const TextFrame& frame) {
    const std::uint32_t colour = premultiplied(box.colour, 255);
    const std::size_t width = static_cast<std::size_t>(stamp.width);
    if (isQuarterTurn(frame)) {
        const bool across = frame.cosine() == 0; // device x carries frame y
        const double y0 = stamp.top + 0.5;
        const double x0 = stamp.left + 0.5;
        const auto frameX = [&](double dx, double dy) { return frame.fromDevice({dx, dy}).x; };
        const auto frameY = [&](double dx, double dy) { return frame.fromDevice({dx, dy}).y; };
        const std::vector<bool> columns = insideAlong(
            stamp.left, stamp.width, across ? box.top : box.left, across ? box.bottom : box.right,
            [&](double x) { return across ? frameY(x, y0) : frameX(x, y0); });
        const std::vector<bool> rows = insideAlong(
            stamp.top, stamp.height, across ? box.left : box.top, across ? box.right : box.bottom,
            [&](double y) { return across ? frameX(x0, y) : frameY(x0, y); });
        for (std::size_t y = 0; y < rows.size(); ++y) {
            if (!rows[y])
                continue;
            for (std::size_t x = 0; x < width; ++x)
                if (columns[x])
                    stamp.argb[y * width + x] = colour;
        }
        return;
    }
    for (int y = 0; y < stamp.height; ++y)
        for (int x = 0; x < stamp.width; ++x) {
            const FramePoint inFrame =
                frame.fromDevice({stamp.left + x + 0.5, stamp.top + y + 0.5});
            if (inFrame.x >= box.left && inFrame.x < box.right && inFrame.y >= box.top &&
                inFrame.y < box.bottom)
                stamp.argb[static_cast<std::size_t>(y) * width + static_cast<std::size_t>(x)] =
                    colour;
        }
}

// Lays the glyph's coverage over the stamp in `colour`, source over.
void paintInk(Stamp& stamp, const GlyphInk& ink, ColorRef colour) {
    const std::uint32_t opaque = premultiplied(colour, 255);
    for (int y = 0; y < ink.height; ++y)
        for (int x = 0; x < ink.width; ++x) {
            const unsigned alpha = ink.coverage[static_cast<std::size_t>(y * ink.width + x)];
            const int column = ink.left - stamp.left + x;
            const int row = ink.top - stamp.top + y;
            if (alpha == 0 || column < 0 || column >= stamp.width || row < 0 || row >= stamp.height)
                continue;
            std::uint32_t& pixel =
                stamp.argb[static_cast<std::size_t>(row) * static_cast<std::size_t>(stamp.width) +
                           static_cast<std::size_t>(column)];
            if (alpha == 255) {
                pixel = opaque;
                continue;
            }
            const std::uint32_t source = premultiplied(colour, alpha);
            std::uint32_t blended = 0;
            for (int shift = 0; shift < 32; shift += 8) {
                const unsigned below = (pixel >> shift) & 0xFFu;
                const unsigned above = (source >> shift) & 0xFFu;
                blended |= std::min(255u, above + (below * (255 - alpha) + 127) / 255) << shift;
            }
            pixel = blended;
        }
}

Stamp stampOver(const PixelExtent& extent) {
    Stamp stamp{
        extent.left, extent.top, extent.right - extent.left, extent.bottom - extent.top, {}};
    stamp.argb.assign(
        static_cast<std::size_t>(stamp.width) * static_cast<std::size_t>(stamp.height), 0);
    return stamp;
}

// The line's glyphs rendered in place from the baseline's start as far as
// they lie on the device, the extent grown to hold them.
std::vector<GlyphInk> renderLine(const GlyphLine& line, int pixelsPerEm, const TextFrame& frame,
                                 FramePoint start, TextRendering rendering, const PixelBox& device,
                                 PixelExtent& extent) {
    std::vector<GlyphInk> inks;
    for (const LineGlyph& glyph : line.glyphs) {
        const FramePoint origin = frame.toDevice({start.x + glyph.penX, start.y});
        auto ink = renderGlyph(line.faces[glyph.face], pixelsPerEm, glyph.glyph, origin, frame,
                               rendering, device);
        if (!ink || ink->width == 0 || ink->height == 0)
            continue;
        extent.add(ink->left, ink->top, ink->left + ink->width, ink->top + ink->height);
        inks.push_back(std::move(*ink));
    }
    return inks;
}

} // namespace

Stamp drawText(const render::op::TextOut& call, const render::TextStyle& style,
               const TextPlacement& placement, TextRendering rendering) {
    if (call.text.empty())
        return {};
    const std::optional<DeviceFace> face =
        deviceFace(style.font, std::abs(placement.heightScale), std::abs(placement.widthScale),
                   placement.dotsPerInch);
    if (!face)
        return {};
    const GlyphLine line = layGlyphs(call.text, style.font, *face, rendering);
    const TextFrame frame({placement.x, placement.y}, style.font.escapement, face->horizontalScale);
    const FramePoint start{alignedX(style.align, line.advance),
                           alignedBaseline(style.align, face->ascent, face->descent)};

    std::vector<FrameBox> boxes;
    if (style.opaque)
        boxes.push_back({start.x, start.y - face->ascent, start.x + line.advance,
                         start.y + face->descent, style.background});
    addLines(boxes, style, *face, start, line.advance);
    PixelExtent extent;
    for (const FrameBox& box : boxes)
        extendBy(extent, box, frame);
    const PixelBox device{0, 0, placement.deviceWidth, placement.deviceHeight};
    const std::vector<GlyphInk> inks =
        renderLine(line, face->pixelsPerEm, frame, start, rendering, device, extent);
    extent = {std::max(extent.left, device.left), std::max(extent.top, device.top),
              std::min(extent.right, device.right), std::min(extent.bottom, device.bottom)};
    if (extent.isEmpty())
        return {};

    Stamp stamp = stampOver(extent);
    if (style.opaque)
        paintBox(stamp, boxes.front(), frame);
    for (const GlyphInk& ink : inks)
        paintInk(stamp, ink, style.color);
    for (std::size_t i = style.opaque ? 1 : 0; i < boxes.size(); ++i)
        paintBox(stamp, boxes[i], frame);
    return stamp;
}

} // namespace vornik::exporting
