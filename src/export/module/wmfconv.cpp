// The image converter as a loadable module. The headless program loads it
// only when it writes a PDF, so that everything else runs without Qt.

#include "export/module/wmfconv.h"

#include "export/image_converter.h"
#include "export/module/module_support.h"

using vornik::exporting::copyError;
using vornik::exporting::ensureGuiApplication;

extern "C" int vornik_save_bar_code(const char* source, const char* destination,
                                    std::int32_t bitsPerPixel, std::int32_t rasterResolution,
                                    std::int32_t jpegQuality, std::int32_t pngFilter,
                                    std::int32_t pngInterlace, std::int32_t bmpCompression,
                                    std::int32_t tgaCompression, std::int32_t tiffCompression,
                                    std::int32_t gifCompression, char* error,
                                    std::size_t errorSize) {
    const auto format = vornik::exporting::destinationFormat(destination, error, errorSize);
    if (!format)
        return 1;
    ensureGuiApplication();
    const auto failure = vornik::exporting::convertImage({.source = source,
                                                          .destination = destination,
                                                          .format = *format,
                                                          .BitsPerPixel = bitsPerPixel,
                                                          .RasterResolution = rasterResolution,
                                                          .JpegQuality = jpegQuality,
                                                          .PngFilter = pngFilter,
                                                          .PngInterlace = pngInterlace,
                                                          .BmpCompression = bmpCompression,
                                                          .TgaCompression = tgaCompression,
                                                          .TiffCompression = tiffCompression,
                                                          .GifCompression = gifCompression});
    if (!failure)
        return 0;
    copyError(*failure, error, errorSize);
    return 1;
}
