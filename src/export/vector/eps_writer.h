#pragma once

#include "core/render/placeable_wmf.h"

#include <string>

namespace vornik::exporting {

// The picture as Encapsulated PostScript at true size: rectangles stay
// rectangles, text stays text in the matching standard PostScript font
// (re-encoded for Windows-1252), and the bounding box is the picture's size
// in points.
[[nodiscard]] std::string epsDocument(const render::PlaceablePicture& picture);

} // namespace vornik::exporting
