#pragma once

#include "core/app/image_conversion.h"
#include "core/render/placeable_wmf.h"

#include <optional>
#include <string>

namespace vornik::exporting {

// Writes a placeable picture as the raster image the request asks for (PNG,
// GIF, JPEG, TIFF, BMP, TGA, PCX), rendered at its raster resolution. Needs
// no Qt, so that the headless program writes raster images itself. Nothing
// when the file was written, else a sentence saying why not.
[[nodiscard]] std::optional<std::string> writeRasterImage(const ImageConversion& request,
                                                          const render::PlaceablePicture& picture);

} // namespace vornik::exporting
