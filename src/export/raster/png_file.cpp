#include "export/raster/png_file.h"

#include "export/raster/output_file.h"
#include "export/raster/pixel_access.h"
#include "export/raster/png_filter_choice.h"

#include <array>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <png.h>
#include <zlib.h>

namespace vornik::exporting {
namespace {

// libpng reports errors through a function that must not return; it jumps
// back to encodePng, which turns the message into a value.
struct PngContext {
    std::jmp_buf jump;
    char message[200] = "";
    png_structp png = nullptr;
    png_infop info = nullptr;
};

void onPngError(png_structp png, png_const_charp message) {
    auto* context = static_cast<PngContext*>(png_get_error_ptr(png));
    std::snprintf(context->message, sizeof context->message, "%s", message);
    std::longjmp(context->jump, 1);
}

void onPngWarning(png_structp, png_const_charp) {}

// The filter option, stored as twice its position in the list: all (libpng
// chooses the best for each row), none, sub, up, average, Paeth.
[[nodiscard]] int filterMask(int pngFilter) {
    switch (pngFilter) {
    case 2:
        return PNG_FILTER_NONE;
    case 4:
        return PNG_FILTER_SUB;
    case 6:
        return PNG_FILTER_UP;
    case 8:
        return PNG_FILTER_AVG;
    case 10:
        return PNG_FILTER_PAETH;
    }
    return PNG_ALL_FILTERS;
}

[[nodiscard]] bool isBlackAndWhite(const PixelImage& image) {
    return image.bitsPerPixel == 1 && image.palette[0] == Rgb{0, 0, 0} &&
           image.palette[1] == Rgb{255, 255, 255};
}

// Left to choose the filters, the writer chooses row by row. A byte of an
// image below 8 bits a pixel holds several pixels, and differences between
// such bytes mean nothing, so those rows stay unfiltered, as the PNG
// specification advises; any other row takes the filter that gives it the
// least sum of absolute differences.
[[nodiscard]] bool choosesFilters(const RasterOptions& options) {
    return filterMask(options.pngFilter) == PNG_ALL_FILTERS;
}

// Jumps out through onPngError on failure.
void writeHeader(const PngContext& context, const PixelImage& image, const RasterOptions& options) {
    int colourType = PNG_COLOR_TYPE_PALETTE;
    if (image.bitsPerPixel == 24)
        colourType = PNG_COLOR_TYPE_RGB;
    else if (isBlackAndWhite(image))
        colourType = PNG_COLOR_TYPE_GRAY; // 0 black, 1 white, as the palette
    png_set_IHDR(context.png, context.info, static_cast<png_uint_32>(image.width),
                 static_cast<png_uint_32>(image.height), image.bitsPerPixel == 1 ? 1 : 8,
                 colourType, options.pngInterlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (colourType == PNG_COLOR_TYPE_PALETTE) {
        std::array<png_color, 256> palette{};
        for (std::size_t i = 0; i < image.palette.size(); ++i)
            palette[i] = {image.palette[i].red, image.palette[i].green, image.palette[i].blue};
        png_set_PLTE(context.png, context.info, palette.data(),
                     static_cast<int>(image.palette.size()));
    }
    if (image.dotsPerInch > 0) {
        const auto perMetre = static_cast<png_uint_32>(std::lround(image.dotsPerInch / 0.0254));
        png_set_pHYs(context.png, context.info, perMetre, perMetre, PNG_RESOLUTION_METER);
    }
    // libpng leaves palette and low-depth images unfiltered unless a filter
    // is set explicitly, so it is always set.
    png_set_filter(context.png, PNG_FILTER_TYPE_BASE,
                   choosesFilters(options) && image.bitsPerPixel < 8
                       ? PNG_FILTER_NONE
                       : filterMask(options.pngFilter));
    // A bar code's rows mostly repeat one another, which zlib's fastest
    // matching finds as well as its full search does; the full search costs
    // about four times as much for a file about a quarter smaller. A filter of
    // the user's own choice keeps zlib's defaults.
    if (choosesFilters(options))
        png_set_compression_level(context.png, Z_BEST_SPEED);
    png_write_info(context.png, context.info);
}

[[nodiscard]] int filterBit(PngFilterType type) {
    switch (type) {
    case PngFilterType::None:
        return PNG_FILTER_NONE;
    case PngFilterType::Sub:
        return PNG_FILTER_SUB;
    case PngFilterType::Up:
        return PNG_FILTER_UP;
    case PngFilterType::Average:
        return PNG_FILTER_AVG;
    case PngFilterType::Paeth:
        return PNG_FILTER_PAETH;
    }
    return PNG_FILTER_NONE;
}

// With all filters allowed and no interlacing, the filter of each row of a
// byte a pixel or more is chosen here, where a row that repeats the one above
// costs a comparison rather than five trial filterings. libpng makes its buffers for the filters
// allowed when the first row is written, so that row keeps libpng's own choice.
void writeRows(png_structp png, const PixelImage& image, const RasterOptions& options) {
    const int passes = png_set_interlace_handling(png);
    const bool chooseHere = choosesFilters(options) && image.bitsPerPixel >= 8 && passes == 1;
    const int bytesPerPixel = image.bitsPerPixel / 8;
    // The choice for rows that repeat the last row not repeating its own.
    PngFilterType forRepeats = PngFilterType::None;
    for (int pass = 0; pass < passes; ++pass)
        for (int y = 0; y < image.height; ++y) {
            if (chooseHere) {
                const bool repeats = repeatsRowAbove(image, y); // never the first row
                if (y > 0)
                    png_set_filter(png, PNG_FILTER_TYPE_BASE,
                                   filterBit(repeats ? forRepeats
                                                     : chooseFilter(image.row(y), image.row(y - 1),
                                                                    bytesPerPixel)));
                if (!repeats)
                    forRepeats = repeatedRowFilter(image.row(y));
            }
            png_write_row(png, image.row(y).data());
        }
}

// Every libpng call happens below the jump point, and no object with a
// destructor lives between it and them.
[[nodiscard]] bool encodePng(PngContext& context, const PixelImage& image,
                             const RasterOptions& options, std::FILE* stream) {
    if (setjmp(context.jump)) {
        png_destroy_write_struct(&context.png, &context.info);
        return false;
    }
    context.png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, &context, onPngError, onPngWarning);
    if (context.png == nullptr) {
        std::snprintf(context.message, sizeof context.message, "libpng could not start");
        return false;
    }
    context.info = png_create_info_struct(context.png);
    if (context.info == nullptr)
        png_error(context.png, "out of memory");
    png_init_io(context.png, stream);
    writeHeader(context, image, options);
    writeRows(context.png, image, options);
    png_write_end(context.png, context.info);
    png_destroy_write_struct(&context.png, &context.info);
    return true;
}

} // namespace

std::optional<std::string> writePngFile(const PixelImage& image, const RasterOptions& options,
                                        const std::filesystem::path& path) {
    OutputFile file(path);
    if (auto reason = file.open())
        return reason;
    PngContext context;
    if (!encodePng(context, image, options, file.stream()))
        return std::ferror(file.stream()) ? systemReason() : std::string(context.message);
    return file.finish();
}

} // namespace vornik::exporting
