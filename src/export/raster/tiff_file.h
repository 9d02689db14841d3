#pragma once

#include "export/raster/pixel_image.h"
#include "export/raster/raster_file.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vornik::exporting {

// Writes a 1-, 8- or 24-bit picture as TIFF through libtiff with the options' compression: bilevel
// at 1 bit, palette at 8, RGB at 24, with the resolution in dots per inch. The reason, when the
// file cannot be written.
[[nodiscard]] std::optional<std::string> writeTiffFile(const PixelImage& image,
                                                       const RasterOptions& options,
                                                       const std::filesystem::path& path);

} // namespace vornik::exporting
