#pragma once

#include "core/render/placeable_wmf.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vornik::exporting {

// The picture on a PDF page of its own true size, drawn as vectors with its
// text as text.
[[nodiscard]] std::optional<std::string> writePdfFile(const render::PlaceablePicture& picture,
                                                      const std::filesystem::path& path);

} // namespace vornik::exporting
