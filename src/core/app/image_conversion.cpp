#include "core/app/image_conversion.h"

#include "core/app/job.h"

namespace vornik {

ImageConversion imageConversion(const Job& job, std::string source, std::string destination,
                                ImageFormat format) {
    return {.source = std::move(source),
            .destination = std::move(destination),
            .format = format,
            .BitsPerPixel = job.BitsPerPixel,
            .RasterResolution = job.RasterResolution,
            .JpegQuality = job.JpegQuality,
            .PngFilter = job.PngFilter,
            .PngInterlace = job.PngInterlace,
            .BmpCompression = job.BmpCompression,
            .TgaCompression = job.TgaCompression,
            .TiffCompression = job.TiffCompression,
            .GifCompression = job.GifCompression};
}

} // namespace vornik
