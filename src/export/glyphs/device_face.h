#pragma once

#include "core/render/metafile.h"
#include "export/glyphs/font_choice.h"

#include <optional>

namespace vornik::exporting {

// A recorded font made ready for a raster: the face chosen for it, sized in
// whole pixels to the em as GDI sizes fonts, with its cell in pixels. A face
// has no say in how wide its characters are beyond their design, so a
// LOGFONT width other than 0 is met by stretching the text horizontally by
// `horizontalScale`.
struct DeviceFace {
    FontFile file;
    int pixelsPerEm = 0;
    double ascent = 0;  // from the baseline up to the cell's top, in pixels
    double descent = 0; // from the baseline down to the cell's bottom
    double horizontalScale = 1.0;
};

// The device face of a LOGFONT whose lengths are multiplied by `heightScale`
// (height) and `widthScale` (width) to give device pixels. A positive height
// is the character cell (ascent plus descent), a negative one the em height,
// as in GDI; height 0 is 12 points at `dotsPerInch`. The cell is the face's
// Windows ascent and descent, which GDI measures it by. Nothing when no face
// can be found or opened. Remembered on this thread for the next call with
// the same font and scales.
[[nodiscard]] std::optional<DeviceFace> deviceFace(const render::LogFont& log, double heightScale,
                                                   double widthScale, double dotsPerInch);

} // namespace vornik::exporting
