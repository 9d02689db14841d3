#pragma once

#include "core/app/image_format.h"
#include "core/render/placeable_wmf.h"

#include <filesystem>
#include <optional>
#include <string>
#include <variant>

namespace vornik::exporting {

// Reads a placeable metafile; the error is a sentence naming the file.
[[nodiscard]] std::variant<render::PlaceablePicture, std::string>
readPictureFile(const std::filesystem::path& path);

// Writes `contents` to `path`, replacing the file; the error is a sentence
// naming the file, and no partial file is left behind.
[[nodiscard]] std::optional<std::string> writeWholeFile(const std::filesystem::path& path,
                                                        std::string_view contents);

// The sentence for a file that could not be written.
[[nodiscard]] std::string notWrittenText(const std::filesystem::path& path, std::string_view why);

// Writes the picture of a placeable metafile as SVG or EPS.
[[nodiscard]] std::optional<std::string> writeVectorFile(ImageFormat format,
                                                         const render::PlaceablePicture& picture,
                                                         const std::filesystem::path& path);

} // namespace vornik::exporting
