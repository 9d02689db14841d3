#include "export/raster/tiff_file.h"

#include "export/raster/output_file.h"

#include <array>
#include <cstdarg>
#include <cstdio>
#include <memory>
#include <tiffio.h>
#include <unistd.h>
#include <vector>

namespace vornik::exporting {
namespace {

// The compression option is the position in the list none, LZW, PackBits,
// CCITT Group 3, CCITT Group 4. The two fax codings hold bilevel images only;
// such pictures reach this writer already reduced to 1 bit.
[[nodiscard]] std::uint16_t compressionTag(int tiffCompression) {
    constexpr std::array<std::uint16_t, 5> kCompressions{
        COMPRESSION_NONE, COMPRESSION_LZW, COMPRESSION_PACKBITS, COMPRESSION_CCITTFAX3,
        COMPRESSION_CCITTFAX4};
    static_assert(kCompressions.size() == 5);
    if (tiffCompression < 0 || tiffCompression >= static_cast<int>(kCompressions.size()))
        return COMPRESSION_NONE;
    return kCompressions[static_cast<std::size_t>(tiffCompression)];
}

// libtiff's messages are kept, the first error as the reason, instead of
// being printed.
int onTiffError(TIFF*, void* userData, const char*, const char* format, va_list arguments) {
    auto* reason = static_cast<std::string*>(userData);
    if (reason->empty()) {
        char message[256];
        std::vsnprintf(message, sizeof message, format, arguments);
        *reason = message;
    }
    return 1;
}

int onTiffWarning(TIFF*, void*, const char*, const char*, va_list) {
    return 1;
}

void setColourMap(TIFF* tiff, const PixelImage& image) {
    std::array<std::array<std::uint16_t, 256>, 3> map{}; // 16-bit red, green, blue
    for (std::size_t i = 0; i < image.palette.size(); ++i) {
        map[0][i] = static_cast<std::uint16_t>(image.palette[i].red * 257);
        map[1][i] = static_cast<std::uint16_t>(image.palette[i].green * 257);
        map[2][i] = static_cast<std::uint16_t>(image.palette[i].blue * 257);
    }
    TIFFSetField(tiff, TIFFTAG_COLORMAP, map[0].data(), map[1].data(), map[2].data());
}

void setFields(TIFF* tiff, const PixelImage& image, const RasterOptions& options) {
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, static_cast<std::uint32_t>(image.width));
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, static_cast<std::uint32_t>(image.height));
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, image.bitsPerPixel == 1 ? 1 : 8);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, image.bitsPerPixel == 24 ? 3 : 1);
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, compressionTag(options.tiffCompression));
    if (image.bitsPerPixel == 1) {
        // Bilevel in the fax convention, 0 white: the palette's lighter
        // colour (index 1) becomes white, the darker black.
        TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISWHITE);
    } else if (image.bitsPerPixel == 8) {
        TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_PALETTE);
        setColourMap(tiff, image);
    } else {
        TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    }
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tiff, 0));
    if (image.dotsPerInch > 0) {
        TIFFSetField(tiff, TIFFTAG_XRESOLUTION, image.dotsPerInch);
        TIFFSetField(tiff, TIFFTAG_YRESOLUTION, image.dotsPerInch);
        TIFFSetField(tiff, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
    }
}

[[nodiscard]] bool writeRows(TIFF* tiff, const PixelImage& image) {
    std::vector<std::uint8_t> line(image.bytesPerRow());
    for (int y = 0; y < image.height; ++y) {
        const auto row = image.row(y);
        for (std::size_t i = 0; i < line.size(); ++i)
            line[i] = image.bitsPerPixel == 1 ? static_cast<std::uint8_t>(~row[i]) : row[i];
        if (TIFFWriteScanline(tiff, line.data(), static_cast<std::uint32_t>(y), 0) != 1)
            return false;
    }
    return TIFFFlush(tiff) == 1;
}

struct OpenOptionsDeleter {
    void operator()(TIFFOpenOptions* options) const { TIFFOpenOptionsFree(options); }
};

} // namespace

std::optional<std::string> writeTiffFile(const PixelImage& image, const RasterOptions& options,
                                         const std::filesystem::path& path) {
    OutputFile file(path);
    if (auto reason = file.open()) // libtiff may read back what it wrote
        return reason;
    std::string reason;
    std::unique_ptr<TIFFOpenOptions, OpenOptionsDeleter> openOptions(TIFFOpenOptionsAlloc());
    TIFFOpenOptionsSetErrorHandlerExtR(openOptions.get(), onTiffError, &reason);
    TIFFOpenOptionsSetWarningHandlerExtR(openOptions.get(), onTiffWarning, nullptr);
    const int descriptor = ::dup(::fileno(file.stream())); // libtiff closes its own
    TIFF* tiff =
        descriptor < 0 ? nullptr : TIFFFdOpenExt(descriptor, path.c_str(), "w", openOptions.get());
    if (tiff == nullptr) {
        if (descriptor >= 0)
            ::close(descriptor);
        return reason.empty() ? "libtiff could not start" : reason;
    }
    setFields(tiff, image, options);
    const bool written = writeRows(tiff, image);
    TIFFClose(tiff); // writes the directory: a failure there is reported as any other
    if (!written || !reason.empty())
        return reason.empty() ? "libtiff could not write the image" : reason;
    return file.finish();
}

} // namespace vornik::exporting
