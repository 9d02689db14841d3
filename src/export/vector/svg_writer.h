#pragma once

#include "core/render/placeable_wmf.h"

#include <string>

namespace vornik::exporting {

// The picture as an SVG document at true size (width and height in
// millimetres, user units of 0.01 mm): rectangles stay rectangles and text
// stays text, in UTF-8.
[[nodiscard]] std::string svgDocument(const render::PlaceablePicture& picture);

} // namespace vornik::exporting
