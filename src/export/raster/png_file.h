#pragma once

#include "export/raster/pixel_image.h"
#include "export/raster/raster_file.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vornik::exporting {

// Writes a 1-, 8- or 24-bit picture as PNG through libpng: palette (or grey for black and white) at
// 1 and 8 bits, RGB at 24, with the filter and interlacing the options ask for and the resolution
// in pHYs. The reason, when the file cannot be written.
[[nodiscard]] std::optional<std::string> writePngFile(const PixelImage& image,
                                                      const RasterOptions& options,
                                                      const std::filesystem::path& path);

} // namespace vornik::exporting
