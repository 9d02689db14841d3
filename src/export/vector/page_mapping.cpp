#include "export/vector/page_mapping.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vornik::exporting {
namespace {

// Arial's vertical metrics in font units (2048 to the em): ascender and
// descender of its horizontal header, and its average character width.
constexpr double kUnitsPerEm = 2048;
constexpr double kAscender = 1854;
constexpr double kDescender = 434;
constexpr double kAverageWidth = 904;

constexpr std::uint16_t kAlignVertical = 24;
constexpr std::uint16_t kAlignBottom = 8;
constexpr std::uint16_t kAlignBaseline = 24;

} // namespace

PageSize pageSizeOf(const render::PlaceablePicture& picture) {
    const double unitsPerInch = picture.unitsPerInch > 0 ? picture.unitsPerInch : 2540;
    return {picture.xExtent * 2540.0 / unitsPerInch, picture.yExtent * 2540.0 / unitsPerInch};
}

void PageMapping::setWindow(const render::Window& window) {
    window_ = window;
    scaleX_ = pageWidth_ / window.extentX;
    scaleY_ = pageHeight_ / window.extentY;
}

PagePoint PageMapping::point(double x, double y) const {
    return {(x - window_.originX) * scaleX_, (y - window_.originY) * scaleY_};
}

PageBox PageMapping::box(const render::op::Rectangle& call) const {
    const PagePoint a = point(call.left, call.top);
    const PagePoint b = point(call.right, call.bottom);
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::abs(b.x - a.x), std::abs(b.y - a.y)};
}

PageRectangle pageRectangle(const PageMapping& mapping, const render::op::Rectangle& call,
                            const render::LogPen& pen, const render::LogBrush& brush) {
    PageRectangle result;
    result.box = mapping.box(call);
    result.filled = brush.style != render::kBrushNull;
    result.fill = brush.color;
    if (pen.style == render::kPenNull || result.box.width <= 0 || result.box.height <= 0)
        return result;
    // A band inside a box filled in its own colour changes nothing.
    if (pen.style == render::kPenInsideFrame && result.filled && pen.color == brush.color)
        return result;
    const double width = std::max(1.0, pen.width * std::abs(mapping.scaleX()));
    const double outset = pen.style == render::kPenInsideFrame ? 0 : width / 2;
    result.outlined = true;
    result.outline = {result.box.left - outset, result.box.top - outset,
                      result.box.width + 2 * outset, result.box.height + 2 * outset};
    result.outlineWidth = width;
    result.outlineColor = pen.color;
    return result;
}

// A positive LOGFONT height is the character cell, a negative one the em, as
// in GDI; 0 is the default size, taken here as 12 points.
PageText pageText(const PageMapping& mapping, const render::op::TextOut& call,
                  const render::TextStyle& style) {
    constexpr double kCellToEm = kUnitsPerEm / (kAscender + kDescender);
    constexpr double kDefaultEm = 12 * 2540.0 / 72;
    const double height = style.font.height * std::abs(mapping.scaleY());
    PageText text;
    text.reference = mapping.point(call.x, call.y);
    text.emSize = height > 0 ? height * kCellToEm : height < 0 ? -height : kDefaultEm;
    text.ascent = text.emSize * kAscender / kUnitsPerEm;
    text.descent = text.emSize * kDescender / kUnitsPerEm;
    text.averageWidth = text.emSize * kAverageWidth / kUnitsPerEm;
    if (style.font.width != 0)
        text.horizontalScale = std::abs(style.font.width * mapping.scaleX()) / text.averageWidth;
    text.rotation = style.font.escapement / 10.0;
    return text;
}

double baselineOffset(std::uint16_t align, const PageText& text) {
    switch (align & kAlignVertical) {
    case kAlignBaseline:
        return 0;
    case kAlignBottom:
        return -text.descent;
    }
    return text.ascent;
}

std::string documentNumber(double value, int decimals) {
    if (std::abs(value) < 0.5 * std::pow(10.0, -decimals))
        return "0";
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals)
            .ptr;
    std::string number(buffer, end);
    if (number.find('.') != std::string::npos) {
        number.erase(number.find_last_not_of('0') + 1);
        if (number.back() == '.')
            number.pop_back();
    }
    return number;
}

int redOf(ColorRef color) {
    return static_cast<int>(color & 0xFF);
}
int greenOf(ColorRef color) {
    return static_cast<int>((color >> 8) & 0xFF);
}
int blueOf(ColorRef color) {
    return static_cast<int>((color >> 16) & 0xFF);
}

} // namespace vornik::exporting
