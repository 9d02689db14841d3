#pragma once

#include "core/app/image_format.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace vornik {

struct Job;

// What the image converter is given: the placeable metafile to read, the
// file to write (its extension names the format) and the job's raster
// settings, in the converter's own argument order.
struct ImageConversion {
    std::string source;
    std::string destination;
    ImageFormat format = ImageFormat::Png;
    std::int32_t BitsPerPixel = 1;
    std::int32_t RasterResolution = 300;
    std::int32_t JpegQuality = 100;
    std::int32_t PngFilter = 0;
    std::int32_t PngInterlace = 0;
    std::int32_t BmpCompression = 0;
    std::int32_t TgaCompression = 0;
    std::int32_t TiffCompression = 0;
    std::int32_t GifCompression = 0;
};

[[nodiscard]] ImageConversion imageConversion(const Job& job, std::string source,
                                              std::string destination, ImageFormat format);

// Converts; nothing when the file was written, else a sentence saying why not.
using ImageConverter = std::function<std::optional<std::string>(const ImageConversion&)>;

} // namespace vornik
