#pragma once

#include "core/app/image_conversion.h"

#include <optional>
#include <string>

namespace vornik::exporting {

// The image converter: reads the placeable metafile, renders it at the
// resolution asked (raster formats) or draws it from its records (EPS, SVG,
// PDF) at true size, and writes the destination in the format asked. Nothing
// when the file was written, else a sentence saying why not; a file that
// could not be finished is not left behind.
[[nodiscard]] std::optional<std::string> convertImage(const ImageConversion& request);

} // namespace vornik::exporting
