#pragma once

#include "core/render/metafile.h"

#include <QFont>
#include <QRawFont>

class QPaintDevice;

namespace vornik::exporting {

// A recorded font made ready for one paint device. Qt has no average
// character width, so a LOGFONT width other than 0 is met by stretching the
// text horizontally by `horizontalScale` when it is drawn.
struct DeviceFont {
    QFont font;
    double horizontalScale = 1.0;
    QRawFont raw; // the face itself, for laying out glyphs one by one as GDI does
    double ascent = 0;
    double descent = 0;
};

// The device font for a LOGFONT whose lengths are multiplied by `heightScale`
// (height) and `widthScale` (width) to give device pixels. A positive height
// is the character cell (ascent plus descent), a negative one the em height,
// as in GDI; height 0 keeps Qt's default size. The face name goes through
// fontconfig, so "Arial" finds its metric-compatible substitute.
// Without anti-aliasing, glyphs are drawn in whole pixels of the text's
// colour only.
[[nodiscard]] DeviceFont makeDeviceFont(const render::LogFont& log, double heightScale,
                                        double widthScale, const QPaintDevice* device,
                                        bool antialiased = true);

// The same, remembered for later calls with the same font, scales and device
// resolution on this thread: making a font ready measures it, which costs more
// than drawing a label's text.
[[nodiscard]] DeviceFont cachedDeviceFont(const render::LogFont& log, double heightScale,
                                          double widthScale, const QPaintDevice* device,
                                          bool antialiased = true);

} // namespace vornik::exporting
