#pragma once

#include "core/app/image_format.h"
#include "export/raster/pixel_image.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace vornik::exporting {

// The raster settings of a job, as the converter receives them.
struct RasterOptions {
    int bitsPerPixel = 1;  // 1, 8 or 24
    int jpegQuality = 100; // 1 to 100
    int pngFilter = 0;     // 0 all, 2 none, 4 sub, 6 up, 8 average, 10 Paeth
    bool pngInterlace = false;
    bool bmpCompression = false;
    bool tgaCompression = false;
    int tiffCompression = 0; // 0 none, 1 LZW, 2 PackBits, 3 Group 3, 4 Group 4
    bool gifCompression = false;
};

// The depth a format is written at for these options: the requested one
// where the format holds it, else the nearest it does hold. 1 means the
// picture must be drawn without anti-aliasing, so that bars stay crisp.
[[nodiscard]] int writtenBitsPerPixel(ImageFormat format, const RasterOptions& options);

// Writes a full-colour (24-bit) or palette (8-bit) picture to `path` in a raster format (any but
// EPS, SVG and PDF), reduced to the depth writtenBitsPerPixel gives and
// carrying its resolution where the format has a field for it. On failure
// the file is removed and the sentence returned says why; nothing when the
// file was written.
[[nodiscard]] std::optional<std::string> writeRasterFile(ImageFormat format,
                                                         const PixelImage& picture,
                                                         const RasterOptions& options,
                                                         const std::filesystem::path& path);

} // namespace vornik::exporting
