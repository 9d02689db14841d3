#include "export/device_mapping.h"

#include "core/app/rounding.h"

#include <algorithm>
#include <cmath>

namespace vornik::exporting {

// The small allowance keeps an exact product that lands a hair above an
// integer from gaining a pixel. The count is held within an int before it
// becomes one: a huge extent or resolution must not overflow the conversion.
int devicePixels(int units, double dotsPerInch) {
    const double pixels = std::ceil(units * dotsPerInch / 2540.0 - 1e-6);
    if (!(pixels >= 1.0))
        return 1;
    return pixels >= kMostDevicePixels ? kMostDevicePixels : static_cast<int>(pixels);
}

int dotsPerMetre(double dotsPerInch) {
    return nearest(dotsPerInch * 10000.0 / 254.0);
}

void DeviceMapping::setWindow(const render::Window& window) {
    window_ = window;
    scaleX_ = width_ / window.extentX;
    scaleY_ = height_ / window.extentY;
}

PixelBox DeviceMapping::box(const render::op::Rectangle& rectangle) const {
    const int x1 = nearest(x(rectangle.left));
    const int x2 = nearest(x(rectangle.right));
    const int y1 = nearest(y(rectangle.top));
    const int y2 = nearest(y(rectangle.bottom));
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

std::vector<PixelBox> DeviceMapping::frame(const PixelBox& box, const render::LogPen& pen,
                                           const render::LogBrush& brush) const {
    const bool shows = pen.style != render::kPenNull &&
                       !(pen.style == render::kPenInsideFrame &&
                         brush.style != render::kBrushNull && pen.color == brush.color);
    if (!shows || box.isEmpty())
        return {};
    const int width = std::max(1, nearest(pen.width * std::abs(scaleX_)));
    const int outset = pen.style == render::kPenInsideFrame ? 0 : width / 2;
    const PixelBox outer{box.left - outset, box.top - outset, box.right + outset,
                         box.bottom + outset};
    if (2 * width >= outer.right - outer.left || 2 * width >= outer.bottom - outer.top)
        return {outer};
    return {{outer.left, outer.top, outer.right, outer.top + width},
            {outer.left, outer.bottom - width, outer.right, outer.bottom},
            {outer.left, outer.top + width, outer.left + width, outer.bottom - width},
            {outer.right - width, outer.top + width, outer.right, outer.bottom - width}};
}

} // namespace vornik::exporting
