#pragma once

#include <optional>
#include <string_view>

namespace vornik {

// The file formats the image converter writes, chosen by the destination's
// extension. Any other extension receives the placeable metafile itself.
enum class ImageFormat {
    Png,
    Jpeg,
    Tiff,
    Gif,
    Bmp,
    Tga,
    Pcx,
    Eps,
    Svg,
    Pdf,
};

// The format an upper-case extension names ("PNG", "JPG", "JPEG", ...), or
// nothing when the extension is not one the converter writes.
[[nodiscard]] std::optional<ImageFormat> imageFormatFor(std::string_view upperExtension);

// Formats drawn as vector graphics straight from the records: they need no
// rasteriser and no fonts rendered.
[[nodiscard]] bool isVectorFormat(ImageFormat format);

} // namespace vornik
