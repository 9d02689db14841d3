#pragma once

#include "export/raster/pixel_image.h"

namespace vornik::exporting {

// Reduces a picture of any depth to `bitsPerPixel`, counting only the
// colours its pixels show (an 8-bit picture's unused palette entries do not
// count):
// - 1: two palette entries, the darker first. A picture of one or two colours
//   keeps them exactly (one colour is paired with black, or with white when it
//   is dark); a picture of more colours keeps its darkest and lightest, and
//   every pixel takes the one nearer in luminance.
// - 8: the exact colours in order of first appearance when there are at most
//   256; else every pixel takes the nearest colour of a 6 x 6 x 6 cube (levels
//   0, 51, ..., 255 on each channel), a palette of 216 entries.
// - 24: the picture as it is.
// The resolution is kept.
[[nodiscard]] PixelImage reduceColours(const PixelImage& picture, int bitsPerPixel);

// Whether every colour the picture can show is a grey.
[[nodiscard]] bool isGreyscale(const PixelImage& image);

// The picture at 24 bits per pixel, whatever its depth.
[[nodiscard]] PixelImage expandToFullColour(const PixelImage& image);

} // namespace vornik::exporting
