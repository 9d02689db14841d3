#include "export/raster_conversion.h"

#include "export/raster/raster_file.h"
#include "export/rasteriser.h"
#include "export/vector/page_mapping.h"
#include "export/vector/picture_file.h"

#include <cmath>
#include <filesystem>

namespace vornik::exporting {
namespace {

// A raster of more pixels than this (a quarter of a gigabyte in colour) is
// refused rather than attempted.
constexpr double kMostPixels = 64.0 * 1024 * 1024;

RasterOptions rasterOptions(const ImageConversion& request) {
    return {.bitsPerPixel = request.BitsPerPixel,
            .jpegQuality = request.JpegQuality,
            .pngFilter = request.PngFilter,
            .pngInterlace = (request.PngInterlace & 1) != 0,
            .bmpCompression = (request.BmpCompression & 1) != 0,
            .tgaCompression = (request.TgaCompression & 1) != 0,
            .tiffCompression = request.TiffCompression,
            .gifCompression = (request.GifCompression & 1) != 0};
}

} // namespace

std::optional<std::string> writeRasterImage(const ImageConversion& request,
                                            const render::PlaceablePicture& picture) {
    const std::filesystem::path destination(request.destination);
    const double dpi = request.RasterResolution;
    if (dpi < 1)
        return notWrittenText(destination, "the raster resolution " +
                                               std::to_string(request.RasterResolution) +
                                               " is not a number of dots per inch");
    const PageSize size = pageSizeOf(picture);
    const int width = static_cast<int>(std::lround(size.width));
    const int height = static_cast<int>(std::lround(size.height));
    if ((width * dpi / 2540.0) * (height * dpi / 2540.0) > kMostPixels)
        return notWrittenText(destination, "the symbol is too large to rasterise at " +
                                               std::to_string(request.RasterResolution) +
                                               " dots per inch");
    const RasterOptions options = rasterOptions(request);
    // A two-colour picture is drawn without anti-aliasing, so that bars and
    // text stay crisp, also where the format stores it at a larger depth.
    const bool twoColours =
        options.bitsPerPixel == 1 || writtenBitsPerPixel(request.format, options) == 1;
    const PixelImage image = rasterise(picture.metafile, width, height, dpi,
                                       twoColours ? TextRendering::Crisp : TextRendering::Smooth);
    if (image.width == 0)
        return notWrittenText(destination, "the symbol has no size to draw");
    return writeRasterFile(request.format, image, options, destination);
}

} // namespace vornik::exporting
