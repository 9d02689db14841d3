#pragma once

#include <cstddef>
#include <cstdint>

// The entry point of the raster module, with the image converter's
// arguments: source metafile, destination (its extension names one of the
// raster formats) and the raster settings. 0 when the file was written;
// otherwise 1, with a sentence saying why in `error` (cut to fit
// `errorSize`). The module needs no Qt: text is drawn with FreeType.
extern "C" int vornik_write_raster_image(const char* source, const char* destination,
                                         std::int32_t bitsPerPixel, std::int32_t rasterResolution,
                                         std::int32_t jpegQuality, std::int32_t pngFilter,
                                         std::int32_t pngInterlace, std::int32_t bmpCompression,
                                         std::int32_t tgaCompression, std::int32_t tiffCompression,
                                         std::int32_t gifCompression, char* error,
                                         std::size_t errorSize);

// Its name, and the file it is built as beside the program.
inline constexpr const char* kRasterEntryPoint = "vornik_write_raster_image";
inline constexpr const char* kRasterModuleFile = "vornik-raster.so";
