#pragma once

#include "core/app/image_conversion.h"

#include <filesystem>

namespace vornik::cli {

// The headless program's image converter: SVG and EPS are written here;
// raster images by the raster module beside the program (no Qt), PDF by the
// converter module beside it (Qt), each loaded the first time it is needed.
[[nodiscard]] ImageConverter imageConverter(std::filesystem::path programDirectory);

} // namespace vornik::cli
