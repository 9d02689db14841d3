#pragma once

#include "core/app/image_conversion.h"

#include <filesystem>

namespace vornik::cli {

// The headless program's image converter: SVG, EPS and raster images are
// written here, without Qt; PDF by the converter module beside the program,
// loaded the first time one is asked for.
[[nodiscard]] ImageConverter imageConverter(std::filesystem::path programDirectory);

} // namespace vornik::cli
