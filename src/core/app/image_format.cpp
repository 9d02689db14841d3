#include "core/app/image_format.h"

#include <array>
#include <utility>

namespace vornik {
namespace {

// The three-letter names of the save dialog's list, the PDF and SVG names,
// and the four-letter spellings of JPEG and TIFF that people also type.
constexpr std::array<std::pair<std::string_view, ImageFormat>, 12> kExtensions{{
    {"PNG", ImageFormat::Png},
    {"JPG", ImageFormat::Jpeg},
    {"JPEG", ImageFormat::Jpeg},
    {"TIF", ImageFormat::Tiff},
    {"TIFF", ImageFormat::Tiff},
    {"GIF", ImageFormat::Gif},
    {"BMP", ImageFormat::Bmp},
    {"TGA", ImageFormat::Tga},
    {"PCX", ImageFormat::Pcx},
    {"EPS", ImageFormat::Eps},
    {"SVG", ImageFormat::Svg},
    {"PDF", ImageFormat::Pdf},
}};

} // namespace

std::optional<ImageFormat> imageFormatFor(std::string_view upperExtension) {
    for (const auto& [extension, format] : kExtensions)
        if (extension == upperExtension)
            return format;
    return std::nullopt;
}

bool isVectorFormat(ImageFormat format) {
    switch (format) {
    case ImageFormat::Eps:
    case ImageFormat::Svg:
        return true;
    case ImageFormat::Png:
    case ImageFormat::Jpeg:
    case ImageFormat::Tiff:
    case ImageFormat::Gif:
    case ImageFormat::Bmp:
    case ImageFormat::Tga:
    case ImageFormat::Pcx:
    case ImageFormat::Pdf:
        return false;
    }
    return false;
}

} // namespace vornik
