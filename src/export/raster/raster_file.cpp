#include "export/raster/raster_file.h"

#include "export/raster/bmp_file.h"
#include "export/raster/colour_reduction.h"
#include "export/raster/gif_file.h"
#include "export/raster/jpeg_file.h"
#include "export/raster/pcx_file.h"
#include "export/raster/png_file.h"
#include "export/raster/tga_file.h"
#include "export/raster/tiff_file.h"

#include <climits>
#include <new>
#include <string_view>

namespace vornik::exporting {
namespace {

constexpr int kTiffGroup3 = 3;
constexpr int kTiffGroup4 = 4;

// 1, 8 or 24: a depth between them counts as the next one up.
[[nodiscard]] int normalisedDepth(int bitsPerPixel) {
    if (bitsPerPixel <= 1)
        return 1;
    return bitsPerPixel <= 8 ? 8 : 24;
}

[[nodiscard]] bool isFaxCompression(const RasterOptions& options) {
    return options.tiffCompression == kTiffGroup3 || options.tiffCompression == kTiffGroup4;
}

// The depth the colours are reduced to before writing. It differs from the
// depth written where a format stores fewer colours in a larger cell: a TGA
// or JPEG asked for 1 bit holds two colours at 8 bits per pixel.
[[nodiscard]] int reducedDepth(ImageFormat format, const RasterOptions& options) {
    const int requested = normalisedDepth(options.bitsPerPixel);
    if (format == ImageFormat::Gif)
        return requested == 24 ? 8 : requested;
    if (format == ImageFormat::Tiff && isFaxCompression(options))
        return 1;
    return requested;
}

struct Limits {
    std::string_view name;
    long maxWidth;
    long maxHeight;
};

// The largest picture each format's header fields can describe.
[[nodiscard]] Limits limitsOf(ImageFormat format) {
    switch (format) {
    case ImageFormat::Png:
        return {"PNG", 1'000'000, 1'000'000}; // libpng's own limit on writing
    case ImageFormat::Jpeg:
        return {"JPEG", 65500, 65500}; // libjpeg's limit
    case ImageFormat::Tiff:
        return {"TIFF", INT_MAX, INT_MAX}; // libtiff reports a file over 4 GiB
    case ImageFormat::Gif:
    case ImageFormat::Tga:
        return {format == ImageFormat::Gif ? "GIF" : "TGA", 65535, 65535}; // 16-bit fields
    case ImageFormat::Bmp:
        return {"BMP", INT_MAX, INT_MAX}; // the writer checks the 32-bit file size
    case ImageFormat::Pcx:
        // The last column and row are 16-bit fields, and so is the even byte
        // count of a line.
        return {"PCX", 65534, 65536};
    case ImageFormat::Eps:
    case ImageFormat::Svg:
    case ImageFormat::Pdf:
        return {"", 0, 0};
    }
    return {"", 0, 0};
}

[[nodiscard]] std::optional<std::string> checkPicture(ImageFormat format,
                                                      const PixelImage& picture) {
    const Limits limits = limitsOf(format);
    if (limits.maxWidth == 0)
        return "it is not a raster image format";
    const std::string size =
        std::to_string(picture.width) + " by " + std::to_string(picture.height);
    if (picture.width <= 0 || picture.height <= 0)
        return "the picture has no pixels (" + size + ")";
    if (picture.width > limits.maxWidth || picture.height > limits.maxHeight)
        return "the picture is " + size + " pixels, and a " + std::string(limits.name) +
               " file holds at most " + std::to_string(limits.maxWidth) + " by " +
               std::to_string(limits.maxHeight);
    const bool depthKnown = picture.bitsPerPixel == 24 || picture.bitsPerPixel == 8;
    const bool wellFormed =
        depthKnown &&
        picture.pixels.size() == picture.bytesPerRow() * static_cast<std::size_t>(picture.height) &&
        (picture.bitsPerPixel == 24 || (!picture.palette.empty() && picture.palette.size() <= 256));
    if (!wellFormed)
        return "the picture's pixel data does not match its size and depth";
    return std::nullopt;
}

[[nodiscard]] std::optional<std::string> writeReduced(ImageFormat format, const PixelImage& image,
                                                      const RasterOptions& options,
                                                      const std::filesystem::path& path) {
    switch (format) {
    case ImageFormat::Png:
        return writePngFile(image, options, path);
    case ImageFormat::Jpeg:
        return writeJpegFile(image, options, path);
    case ImageFormat::Tiff:
        return writeTiffFile(image, options, path);
    case ImageFormat::Gif:
        return writeGifFile(image, options, path);
    case ImageFormat::Bmp:
        return writeBmpFile(image, options, path);
    case ImageFormat::Tga:
        return writeTgaFile(image, options, path);
    case ImageFormat::Pcx:
        return writePcxFile(image, options, path);
    case ImageFormat::Eps:
    case ImageFormat::Svg:
    case ImageFormat::Pdf:
        break;
    }
    return "it is not a raster image format";
}

} // namespace

int writtenBitsPerPixel(ImageFormat format, const RasterOptions& options) {
    const int reduced = reducedDepth(format, options);
    switch (format) {
    case ImageFormat::Png:
    case ImageFormat::Tiff:
    case ImageFormat::Gif:
    case ImageFormat::Bmp:
    case ImageFormat::Pcx:
        return reduced;
    case ImageFormat::Jpeg:
        return reduced == 24 ? 24 : 8; // greyscale, or colour when the picture is not grey
    case ImageFormat::Tga:
        return reduced == 1 ? 8 : reduced; // a colour map of two entries
    case ImageFormat::Eps:
    case ImageFormat::Svg:
    case ImageFormat::Pdf:
        return 24;
    }
    return 24;
}

std::optional<std::string> writeRasterFile(ImageFormat format, const PixelImage& picture,
                                           const RasterOptions& options,
                                           const std::filesystem::path& path) {
    auto reason = checkPicture(format, picture);
    try {
        if (!reason)
            reason = writeReduced(format, reduceColours(picture, reducedDepth(format, options)),
                                  options, path);
    } catch (const std::bad_alloc&) {
        reason = "there is not enough memory";
    }
    if (!reason)
        return std::nullopt;
    if (!reason->empty() && reason->back() == '.') // some libraries end their messages so
        reason->pop_back();
    return "The file " + path.string() + " could not be written: " + *reason + ".";
}

} // namespace vornik::exporting
