#include "export/readback/library_readers.h"

#include <csetjmp>
#include <cstdio>
#include <gif_lib.h>
#include <jpeglib.h>
#include <memory>
#include <png.h>
#include <tiffio.h>

namespace vornik::exporting {

namespace {

// Far beyond any label: a picture this big is refused rather than read.
constexpr std::int64_t kMostPixels = 1LL << 28;

bool sizeAcceptable(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width * height <= kMostPixels;
}

GreyImage blankImage(int width, int height) {
    return GreyImage{width, height,
                     std::vector<std::uint8_t>(static_cast<std::size_t>(width) *
                                               static_cast<std::size_t>(height))};
}

struct JpegFailure {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void jpegFailed(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegFailure*>(info->err)->jump, 1);
}

// The JPEG decode itself, apart from the set-up, so that no object with a
// destructor lives across the jump.
bool decodeJpeg(std::FILE* file, GreyImage& image) {
    jpeg_decompress_struct info{};
    JpegFailure failure{};
    info.err = jpeg_std_error(&failure.manager);
    failure.manager.error_exit = jpegFailed;
    if (setjmp(failure.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_GRAYSCALE;
    jpeg_start_decompress(&info);
    if (!sizeAcceptable(info.output_width, info.output_height)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    image.width = static_cast<int>(info.output_width);
    image.height = static_cast<int>(info.output_height);
    image.pixels.resize(static_cast<std::size_t>(image.width) *
                        static_cast<std::size_t>(image.height));
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.pixels.data() + static_cast<std::size_t>(info.output_scanline) *
                                                 static_cast<std::size_t>(image.width);
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

std::variant<GreyImage, std::string> readPng(const std::string& path) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str()))
        return std::string("it is no PNG image (") + png.message + ")";
    png.format = PNG_FORMAT_GRAY;
    if (!sizeAcceptable(png.width, png.height)) {
        png_image_free(&png);
        return std::string("the image is too large to read");
    }
    GreyImage image = blankImage(static_cast<int>(png.width), static_cast<int>(png.height));
    // Transparent parts (a metafile drawn by another program) are light.
    const png_color white{255, 255, 255};
    if (!png_image_finish_read(&png, &white, image.pixels.data(), 0, nullptr))
        return std::string("its PNG data is damaged (") + png.message + ")";
    return image;
}

std::variant<GreyImage, std::string> readJpeg(const std::string& path) {
    std::unique_ptr<std::FILE, decltype(&std::fclose)> file(std::fopen(path.c_str(), "rb"),
                                                            &std::fclose);
    if (!file)
        return std::string("it cannot be opened");
    GreyImage image;
    if (!decodeJpeg(file.get(), image))
        return std::string("it is no JPEG image, or its data is damaged");
    return image;
}

std::variant<GreyImage, std::string> readTiff(const std::string& path) {
    TIFFSetWarningHandler(nullptr);
    TIFFSetErrorHandler(nullptr);
    std::unique_ptr<TIFF, decltype(&TIFFClose)> tiff(TIFFOpen(path.c_str(), "r"), &TIFFClose);
    if (!tiff)
        return std::string("it is no TIFF image");
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &height);
    if (!sizeAcceptable(width, height))
        return std::string("the TIFF image has no size that can be read");
    std::vector<std::uint32_t> rgba(static_cast<std::size_t>(width) * height);
    if (!TIFFReadRGBAImageOriented(tiff.get(), width, height, rgba.data(), ORIENTATION_TOPLEFT, 0))
        return std::string("its TIFF data is damaged");
    GreyImage image = blankImage(static_cast<int>(width), static_cast<int>(height));
    for (std::size_t i = 0; i < rgba.size(); ++i)
        image.pixels[i] = lightness(TIFFGetR(rgba[i]), TIFFGetG(rgba[i]), TIFFGetB(rgba[i]));
    return image;
}

std::variant<GreyImage, std::string> readGif(const std::string& path) {
    int status = 0;
    std::unique_ptr<GifFileType, void (*)(GifFileType*)> gif(
        DGifOpenFileName(path.c_str(), &status), [](GifFileType* g) {
            int ignored = 0;
            DGifCloseFile(g, &ignored);
        });
    if (!gif)
        return std::string("it is no GIF image");
    if (DGifSlurp(gif.get()) != GIF_OK || gif->ImageCount < 1)
        return std::string("its GIF data is damaged");
    const SavedImage& frame = gif->SavedImages[0];
    const ColorMapObject* map =
        frame.ImageDesc.ColorMap != nullptr ? frame.ImageDesc.ColorMap : gif->SColorMap;
    const int width = frame.ImageDesc.Width;
    const int height = frame.ImageDesc.Height;
    if (map == nullptr || !sizeAcceptable(width, height))
        return std::string("the GIF image has no colours or no size that can be read");
    GreyImage image = blankImage(width, height);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const int index = frame.RasterBits[i];
        const GifColorType colour = map->Colors[index < map->ColorCount ? index : 0];
        image.pixels[i] = lightness(colour.Red, colour.Green, colour.Blue);
    }
    return image;
}

} // namespace vornik::exporting
