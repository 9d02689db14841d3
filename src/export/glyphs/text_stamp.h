#pragma once

#include "core/render/metafile_replay.h"
#include "export/raster/raster_scene.h"
#include "export/text_rendering.h"

#include <limits>

namespace vornik::exporting {

// Where and at what scale a text record lands on a raster.
struct TextPlacement {
    double x = 0; // the reference point, in device pixels
    double y = 0;
    double heightScale = 1; // device pixels to a logical unit of the font's height
    double widthScale = 1;  // and of its width
    double dotsPerInch = 96;
    // The device's size: pixels beyond it are not drawn.
    int deviceWidth = std::numeric_limits<int>::max();
    int deviceHeight = std::numeric_limits<int>::max();
};

// A text record drawn as GDI draws it, on a stamp of device pixels that holds
// every pixel it touches: the text in its own frame (see TextFrame), aligned
// on the reference point by the alignment's left, centre or right and its
// top, baseline or bottom; with an opaque background its cell is filled
// first; underline and strike-out lines run the text's advance. Crisp text
// covers whole pixels in the text's colour only. The stamp is cut to the
// device; an empty stamp when there is
// nothing to draw or no face to draw it with.
[[nodiscard]] Stamp drawText(const render::op::TextOut& call, const render::TextStyle& style,
                             const TextPlacement& placement, TextRendering rendering);

} // namespace vornik::exporting
