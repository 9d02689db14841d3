#pragma once

#include "core/render/metafile.h"
#include "export/raster/pixel_image.h"
#include "export/text_rendering.h"

namespace vornik::exporting {

// The picture at true size on a white raster of ceil(extent * dpi / 2540)
// pixels each way (extents in 0.01 mm), as the player draws it onto an image,
// recording `dotsPerInch`. Fills are laid down directly, text is drawn with
// FreeType through fontconfig's choice of face; no Qt is involved. The result has one palette byte
// a pixel when the picture has at most 256 colours, else 24 bits. Empty (no pixels) when an extent
// or the resolution is not positive.
[[nodiscard]] PixelImage rasterise(const render::Metafile& metafile, int xExtentUnits,
                                   int yExtentUnits, double dotsPerInch,
                                   TextRendering textRendering);

} // namespace vornik::exporting
