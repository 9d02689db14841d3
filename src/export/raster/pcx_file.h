#pragma once

#include "export/raster/pixel_image.h"
#include "export/raster/raster_file.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vornik::exporting {

// Writes a 1-, 8- or 24-bit picture as ZSoft PCX version 5, run-length coded, at 1, 8 or 24 bits.
// The reason, when the file cannot be written.
[[nodiscard]] std::optional<std::string> writePcxFile(const PixelImage& image,
                                                      const RasterOptions& options,
                                                      const std::filesystem::path& path);

} // namespace vornik::exporting
