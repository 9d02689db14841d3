#pragma once

// What the entry points of the modules share; no Qt.

#include "core/app/image_conversion.h"
#include "core/app/image_format.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vornik::exporting {

// TEXT into the caller's buffer of ERROR_SIZE bytes, cut to fit and ended
// with a zero byte.
void copyError(const std::string& text, char* error, std::size_t errorSize);

// The format the destination's extension names; nothing, with a sentence
// saying so in `error`, when it names none.
[[nodiscard]] std::optional<ImageFormat> destinationFormat(const char* destination, char* error,
                                                           std::size_t errorSize);

// The settings a conversion entry point receives, in the order the program
// passes them.
struct ConversionSettings {
    std::int32_t bitsPerPixel;
    std::int32_t rasterResolution;
    std::int32_t jpegQuality;
    std::int32_t pngFilter;
    std::int32_t pngInterlace;
    std::int32_t bmpCompression;
    std::int32_t tgaCompression;
    std::int32_t tiffCompression;
    std::int32_t gifCompression;
};

// A module's own conversion: nothing when it wrote the file, else why not.
using Conversion = std::optional<std::string> (*)(const ImageConversion&);

// Runs CONVERT on the request an entry point's arguments make: 0 when the
// file was written, 1 with the sentence in ERROR otherwise (a destination
// whose extension names no format included).
[[nodiscard]] int runConversion(Conversion convert, const char* source, const char* destination,
                                const ConversionSettings& settings, char* error,
                                std::size_t errorSize);

} // namespace vornik::exporting
