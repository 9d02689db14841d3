#include "export/module/module_arguments.h"

#include "core/app/ascii_case.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace vornik::exporting {

void copyError(const std::string& text, char* error, std::size_t errorSize) {
    if (error == nullptr || errorSize == 0)
        return;
    const std::size_t length = std::min(text.size(), errorSize - 1);
    std::memcpy(error, text.data(), length);
    error[length] = '\0';
}

std::optional<ImageFormat> destinationFormat(const char* destination, char* error,
                                             std::size_t errorSize) {
    const std::string name = std::filesystem::path(destination).filename().string();
    const auto dot = name.rfind('.');
    const auto format =
        imageFormatFor(dot == std::string::npos ? std::string() : asciiUpper(name.substr(dot + 1)));
    if (!format)
        copyError(std::string("The file ") + destination +
                      " could not be written: its extension names no image format.",
                  error, errorSize);
    return format;
}

int runConversion(Conversion convert, const char* source, const char* destination,
                  const ConversionSettings& settings, char* error, std::size_t errorSize) {
    const auto format = destinationFormat(destination, error, errorSize);
    if (!format)
        return 1;
    const auto failure = convert({.source = source,
                                  .destination = destination,
                                  .format = *format,
                                  .BitsPerPixel = settings.bitsPerPixel,
                                  .RasterResolution = settings.rasterResolution,
                                  .JpegQuality = settings.jpegQuality,
                                  .PngFilter = settings.pngFilter,
                                  .PngInterlace = settings.pngInterlace,
                                  .BmpCompression = settings.bmpCompression,
                                  .TgaCompression = settings.tgaCompression,
                                  .TiffCompression = settings.tiffCompression,
                                  .GifCompression = settings.gifCompression});
    if (!failure)
        return 0;
    copyError(*failure, error, errorSize);
    return 1;
}

} // namespace vornik::exporting
