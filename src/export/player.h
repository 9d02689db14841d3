#pragma once

#include "core/render/metafile.h"
#include "export/placed_text.h"

#include <QImage>
#include <QRectF>

class QPainter;

namespace vornik::exporting {

// Replays a recorded picture onto a painter, as GDI plays a metafile: the
// picture's window (its window origin and extent) is mapped onto `target`,
// given in the painter's coordinates; a negative window extent turns the
// axis over, so the pictures' downward-running negative y lands top to bottom.
// Rectangle edges are mapped and rounded each on its own, so elements of one
// width in units come out one width in pixels, give or take one; rectangles
// are filled pixel-aligned without antialiasing.
// The painter's state is as it was when this returns.
void playMetafile(const render::Metafile& metafile, QPainter& painter, const QRectF& target,
                  TextRendering textRendering = TextRendering::Smooth);

// The picture at true size on a white image of ceil(extent * dpi / 2540)
// pixels each way (extents in 0.01 mm), its resolution set to `dotsPerInch`
// so that it prints at that size. A null image when an extent or the
// resolution is not positive.
[[nodiscard]] QImage renderToImage(const render::Metafile& metafile, int xExtentUnits,
                                   int yExtentUnits, double dotsPerInch,
                                   TextRendering textRendering = TextRendering::Smooth);

} // namespace vornik::exporting
