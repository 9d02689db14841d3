#pragma once

#include <cstddef>
#include <cstdint>

// The entry point of the image converter module, in the order of the save
// command's arguments: source metafile, destination (its extension names the
// format) and the raster settings. 0 when the file was written; otherwise 1,
// with a sentence saying why in `error` (cut to fit `errorSize`).
extern "C" int vornik_save_bar_code(const char* source, const char* destination,
                                    std::int32_t bitsPerPixel, std::int32_t rasterResolution,
                                    std::int32_t jpegQuality, std::int32_t pngFilter,
                                    std::int32_t pngInterlace, std::int32_t bmpCompression,
                                    std::int32_t tgaCompression, std::int32_t tiffCompression,
                                    std::int32_t gifCompression, char* error,
                                    std::size_t errorSize);

// Its name, and the file it is built as beside the program.
inline constexpr const char* kConverterEntryPoint = "vornik_save_bar_code";
inline constexpr const char* kConverterModuleFile = "vornik-wmfconv.so";
