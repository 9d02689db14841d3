#pragma once

#include "export/raster/pixel_image.h"
#include "export/raster/raster_file.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vornik::exporting {

// Writes a 1-, 8- or 24-bit picture as JPEG through libjpeg at the options' quality, with the
// resolution in the JFIF header. The reason, when the file cannot be written.
[[nodiscard]] std::optional<std::string> writeJpegFile(const PixelImage& image,
                                                       const RasterOptions& options,
                                                       const std::filesystem::path& path);

} // namespace vornik::exporting
