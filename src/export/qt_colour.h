#pragma once

#include "core/render/metafile.h"

#include <QColor>

namespace vornik::exporting {

// A COLORREF as Qt takes it; COLORREF holds red in its lowest byte.
[[nodiscard]] inline QColor toQColor(ColorRef color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

} // namespace vornik::exporting
