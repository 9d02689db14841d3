#pragma once

#include "export/raster/pixel_image.h"
#include "export/raster/raster_file.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vornik::exporting {

// Writes a 1-, 8- or 24-bit picture as Windows bitmap (BITMAPINFOHEADER) at 1, 8 or 24 bits,
// run-length coded (BI_RLE8) at 8 bits when the options ask. The reason, when the file cannot be
// written.
[[nodiscard]] std::optional<std::string> writeBmpFile(const PixelImage& image,
                                                      const RasterOptions& options,
                                                      const std::filesystem::path& path);

} // namespace vornik::exporting
