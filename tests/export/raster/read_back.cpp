#include "read_back.h"

#include "export/export_support.h"
#include "support/outside_program.h"
#include "support/temp_folder.h"

#include <array>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <gif_lib.h>
#include <png.h>
#include <tiffio.h>
#include <zlib.h>

namespace vornik::testing {
namespace {

using exporting::Rgb;

[[nodiscard]] unsigned bigEndian(const std::string& bytes, std::size_t at, std::size_t size) {
    unsigned value = 0;
    for (std::size_t i = 0; i < size; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

[[nodiscard]] unsigned littleEndian(const std::string& bytes, std::size_t at, std::size_t size) {
    unsigned value = 0;
    for (std::size_t i = size; i-- > 0;)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// The filter type byte of every row the decompressed data holds, pass by
// pass for Adam7.
[[nodiscard]] std::vector<int> filterBytes(const std::string& data, int width, int height,
                                           int bitsPerPixel, bool interlaced) {
    constexpr std::array<std::array<int, 4>, 7> kPasses{{
        {0, 0, 8, 8},
        {4, 0, 8, 8},
        {0, 4, 4, 8},
        {2, 0, 4, 4},
        {0, 2, 2, 4},
        {1, 0, 2, 2},
        {0, 1, 1, 2},
    }};
    std::vector<int> filters;
    std::size_t at = 0;
    for (const auto& [x0, y0, dx, dy] : kPasses) {
        const int columns = interlaced ? (width - x0 + dx - 1) / dx : width;
        const int rows = interlaced ? (height - y0 + dy - 1) / dy : height;
        const std::size_t rowBytes =
            (static_cast<std::size_t>(std::max(columns, 0)) * bitsPerPixel + 7) / 8;
        for (int row = 0; columns > 0 && row < rows && at < data.size(); ++row) {
            filters.push_back(static_cast<unsigned char>(data[at]));
            at += 1 + rowBytes;
        }
        if (!interlaced)
            break;
    }
    return filters;
}

void readPngChunks(const std::string& file, ReadBack& result) {
    std::string compressed;
    int depth = 0, colourType = 0, interlace = 0;
    for (std::size_t at = 8; at + 8 <= file.size();) {
        const unsigned length = bigEndian(file, at, 4);
        const std::string type = file.substr(at + 4, 4);
        const std::size_t data = at + 8;
        if (type == "IHDR") {
            depth = file[data + 8];
            colourType = file[data + 9];
            interlace = file[data + 12];
        } else if (type == "pHYs" && file[data + 8] == 1) {
            result.dotsPerInch = bigEndian(file, data, 4) * 0.0254;
        } else if (type == "IDAT") {
            compressed += file.substr(data, length);
        }
        at = data + length + 4;
    }
    const int channels = colourType == PNG_COLOR_TYPE_RGB ? 3 : 1;
    std::string raw(static_cast<std::size_t>(result.width) * 4 * result.height + result.height * 8,
                    '\0');
    uLongf rawSize = raw.size();
    if (uncompress(reinterpret_cast<Bytef*>(raw.data()), &rawSize,
                   reinterpret_cast<const Bytef*>(compressed.data()), compressed.size()) != Z_OK)
        result.error = "the image data does not inflate";
    raw.resize(rawSize);
    result.header = "colour " + std::to_string(colourType) + " depth " + std::to_string(depth) +
                    " interlace " + std::to_string(interlace);
    result.pngFilters =
        filterBytes(raw, result.width, result.height, depth * channels, interlace == 1);
}

ReadBack readPng(const std::filesystem::path& path) {
    ReadBack result;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        result.error = image.message;
        return result;
    }
    image.format = PNG_FORMAT_RGB;
    result.width = static_cast<int>(image.width);
    result.height = static_cast<int>(image.height);
    result.pixels.resize(static_cast<std::size_t>(result.width) * result.height);
    if (!png_image_finish_read(&image, nullptr, result.pixels.data(), 0, nullptr))
        result.error = image.message;
    readPngChunks(readFile(path), result);
    return result;
}

int quietTiff(TIFF*, void*, const char*, const char*, va_list) {
    return 1;
}

ReadBack readTiff(const std::filesystem::path& path) {
    ReadBack result;
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    TIFFOpenOptionsSetErrorHandlerExtR(options, quietTiff, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(options, quietTiff, nullptr);
    TIFF* tiff = TIFFOpenExt(path.c_str(), "r", options);
    TIFFOpenOptionsFree(options);
    if (tiff == nullptr) {
        result.error = "libtiff cannot open the file";
        return result;
    }
    std::uint32_t width = 0, height = 0;
    std::uint16_t compression = 0, photometric = 0, bits = 0, samples = 0, unit = 0;
    float resolution = 0;
    TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
    TIFFGetField(tiff, TIFFTAG_COMPRESSION, &compression);
    TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &photometric);
    TIFFGetField(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetField(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
    if (TIFFGetField(tiff, TIFFTAG_XRESOLUTION, &resolution) &&
        TIFFGetField(tiff, TIFFTAG_RESOLUTIONUNIT, &unit) && unit == RESUNIT_INCH)
        result.dotsPerInch = resolution;
    result.header = "compression " + std::to_string(compression) + " photometric " +
                    std::to_string(photometric) + " bits " + std::to_string(bits) + "x" +
                    std::to_string(samples);
    result.width = static_cast<int>(width);
    result.height = static_cast<int>(height);
    std::vector<std::uint32_t> abgr(std::size_t{width} * height);
    if (TIFFReadRGBAImageOriented(tiff, width, height, abgr.data(), ORIENTATION_TOPLEFT, 0) != 1)
        result.error = "libtiff cannot decode the pixels";
    for (const std::uint32_t pixel : abgr)
        result.pixels.push_back({static_cast<std::uint8_t>(TIFFGetR(pixel)),
                                 static_cast<std::uint8_t>(TIFFGetG(pixel)),
                                 static_cast<std::uint8_t>(TIFFGetB(pixel))});
    TIFFClose(tiff);
    return result;
}

ReadBack readGif(const std::filesystem::path& path) {
    ReadBack result;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
    if (gif == nullptr || DGifSlurp(gif) != GIF_OK || gif->ImageCount != 1) {
        result.error = "giflib cannot read the file";
        if (gif != nullptr)
            DGifCloseFile(gif, &error);
        return result;
    }
    const ColorMapObject* map = gif->SColorMap;
    result.width = gif->SWidth;
    result.height = gif->SHeight;
    result.header =
        "colours " + std::to_string(map->ColorCount) + " bits " + std::to_string(map->BitsPerPixel);
    const SavedImage& image = gif->SavedImages[0];
    for (int i = 0; i < image.ImageDesc.Width * image.ImageDesc.Height; ++i) {
        const GifColorType colour = map->Colors[image.RasterBits[i]];
        result.pixels.push_back({colour.Red, colour.Green, colour.Blue});
    }
    DGifCloseFile(gif, &error);
    return result;
}

// Size and pixels of the binary PPM a command prints: ImageMagick's convert
// (told the format, which a TGA file does not announce) or a netpbm reader.
// A reader that is not there says which package brings it.
ReadBack readPpmFrom(const std::string& command, OutsideProgram reader) {
    ReadBack result;
    const std::string ppm = exporting::outputOf(command);
    int maximum = 0;
    int headerLength = 0;
    if (std::sscanf(ppm.c_str(), "P6 %d %d %d%n", &result.width, &result.height, &maximum,
                    &headerLength) != 3 ||
        maximum != 255) {
        const std::string missing = missingProgram(reader);
        result.error = missing.empty() ? command + " cannot read the file" : missing;
        return result;
    }
    for (std::size_t at = static_cast<std::size_t>(headerLength) + 1; at + 2 < ppm.size(); at += 3)
        result.pixels.push_back({static_cast<std::uint8_t>(ppm[at]),
                                 static_cast<std::uint8_t>(ppm[at + 1]),
                                 static_cast<std::uint8_t>(ppm[at + 2])});
    return result;
}

[[nodiscard]] std::string imageMagick(const std::string& magick,
                                      const std::filesystem::path& path) {
    return "/usr/bin/convert '" + magick + ":" + path.string() + "' -depth 8 ppm:-";
}

ReadBack readBmp(const std::filesystem::path& path) {
    ReadBack result = readPpmFrom(imageMagick("bmp", path), OutsideProgram::ImageMagick);
    const std::string file = readFile(path);
    if (file.size() < 54)
        return result;
    result.header = "bits " + std::to_string(littleEndian(file, 28, 2)) + " compression " +
                    std::to_string(littleEndian(file, 30, 4));
    result.dotsPerInch = littleEndian(file, 38, 4) * 0.0254;
    return result;
}

// The pixels through ImageMagick; from the markers before the scan, the
// frame's number of components, the first value of the first quantisation
// table and the JFIF density.
ReadBack readJpeg(const std::filesystem::path& path) {
    ReadBack result = readPpmFrom(imageMagick("jpeg", path), OutsideProgram::ImageMagick);
    const std::string file = readFile(path);
    int components = 0, table = 0;
    for (std::size_t at = 2; at + 4 <= file.size() && file[at] == '\xFF';) {
        const unsigned marker = static_cast<unsigned char>(file[at + 1]);
        const std::size_t data = at + 4;
        if (marker == 0xDA)
            break;
        if (marker == 0xDB && table == 0)
            table = static_cast<unsigned char>(file[data + 1]);
        else if (marker == 0xC0 || marker == 0xC2)
            components = file[data + 5];
        else if (marker == 0xE0 && file[data + 7] == 1)
            result.dotsPerInch = bigEndian(file, data + 8, 2);
        at = data + bigEndian(file, at + 2, 2) - 2;
    }
    result.header = "components " + std::to_string(components) + " table " + std::to_string(table);
    return result;
}

ReadBack readTga(const std::filesystem::path& path) {
    ReadBack result = readPpmFrom(imageMagick("tga", path), OutsideProgram::ImageMagick);
    const std::string file = readFile(path);
    if (file.size() < 44)
        return result;
    result.header = "type " + std::to_string(littleEndian(file, 2, 1)) + " map " +
                    std::to_string(littleEndian(file, 5, 2)) + " depth " +
                    std::to_string(littleEndian(file, 16, 1)) + " footer " +
                    file.substr(file.size() - 18, 17);
    return result;
}

// netpbm, not ImageMagick: ImageMagick takes a set bit of a 1-bit PCX for
// black, where the header palette and other readers take it for white.
ReadBack readPcx(const std::filesystem::path& path) {
    ReadBack result =
        readPpmFrom("/usr/bin/pcxtoppm '" + path.string() + "'", OutsideProgram::Netpbm);
    const std::string file = readFile(path);
    if (file.size() < 128)
        return result;
    result.header = "version " + std::to_string(littleEndian(file, 1, 1)) + " bits " +
                    std::to_string(littleEndian(file, 3, 1)) + " planes " +
                    std::to_string(littleEndian(file, 65, 1)) + " line " +
                    std::to_string(littleEndian(file, 66, 2));
    result.dotsPerInch = littleEndian(file, 12, 2);
    return result;
}

} // namespace

ReadBack readBack(ImageFormat format, const std::filesystem::path& path) {
    switch (format) {
    case ImageFormat::Png:
        return readPng(path);
    case ImageFormat::Jpeg:
        return readJpeg(path);
    case ImageFormat::Tiff:
        return readTiff(path);
    case ImageFormat::Gif:
        return readGif(path);
    case ImageFormat::Bmp:
        return readBmp(path);
    case ImageFormat::Tga:
        return readTga(path);
    case ImageFormat::Pcx:
        return readPcx(path);
    case ImageFormat::Eps:
    case ImageFormat::Svg:
    case ImageFormat::Pdf:
        break;
    }
    ReadBack unreadable;
    unreadable.error = "not a raster format";
    return unreadable;
}

} // namespace vornik::testing
