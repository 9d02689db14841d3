#pragma once

#include "core/app/image_format.h"
#include "export/raster/pixel_image.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vornik::testing {

// A raster file as an independent reader sees it: the format's own library
// (PNG, TIFF, GIF), ImageMagick (JPEG, BMP, TGA) or netpbm (PCX) for the
// pixels, and the header fields that record how it was written.
struct ReadBack {
    int width = 0;
    int height = 0;
    std::vector<exporting::Rgb> pixels; // top row first
    double dotsPerInch = 0;             // 0 when the file records none
    std::string header;                 // the layout fields, e.g. "type 9 map 7 depth 8"
    std::vector<int> pngFilters;        // each stored row's filter type byte
    std::string error;                  // why the file could not be read
};

ReadBack readBack(ImageFormat format, const std::filesystem::path& path);

} // namespace vornik::testing
