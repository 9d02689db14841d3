#include "core/render/oriented_canvas.h"

#include <algorithm>
#include <limits>

namespace vornik::render {

std::int16_t unit(long long value) {
    constexpr long long lowest = std::numeric_limits<std::int16_t>::min();
    constexpr long long highest = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::clamp(value, lowest, highest));
}

void OrientedCanvas::rectangle(int x1, int y1, int x2, int y2) {
    switch (orientation_) {
    case Orientation::Horizontal:
        recorder_.rectangle(unit(x1), unit(y1), unit(x2), unit(y2));
        return;
    case Orientation::Vertical90: // (x, y) -> (H + y, -x)
        recorder_.rectangle(unit(height_ + y2), unit(-x2), unit(height_ + y1), unit(-x1));
        return;
    case Orientation::Vertical270: // (x, y) -> (-y, x - W)
        recorder_.rectangle(unit(-y1), unit(x2 - width_), unit(-y2), unit(x1 - width_));
        return;
    }
}

void OrientedCanvas::textOut(int x, int y, std::string text) {
    recorder_.textOut(unit(x), unit(y), std::move(text));
}

} // namespace vornik::render
