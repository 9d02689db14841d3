#pragma once

#include "export/raster/pixel_image.h"
#include "export/raster/raster_file.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vornik::exporting {

// Writes a 1- or 8-bit picture as GIF through giflib, LZW-compressed or
// with literal codes only as the options ask.
// The reason, when the file cannot be written.
[[nodiscard]] std::optional<std::string> writeGifFile(const PixelImage& image,
                                                      const RasterOptions& options,
                                                      const std::filesystem::path& path);

} // namespace vornik::exporting
