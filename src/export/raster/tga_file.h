#pragma once

#include "export/raster/pixel_image.h"
#include "export/raster/raster_file.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vornik::exporting {

// Writes a 1-, 8- or 24-bit picture as Truevision TGA: colour-mapped at 1 and 8 bits, true colour
// at 24, run-length coded when the options ask. The reason, when the file cannot be written.
[[nodiscard]] std::optional<std::string> writeTgaFile(const PixelImage& image,
                                                      const RasterOptions& options,
                                                      const std::filesystem::path& path);

} // namespace vornik::exporting
