#include "export/raster/raster_file.h"
#include "read_back.h"
#include "support/row_name.h"
#include "support/temp_folder.h"

#include <array>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace vornik::exporting {
namespace {

using testing::ReadBack;
using testing::TempFolder;
using vornik::testing::PrintTo;

static_assert(sizeof(Rgb) == 3, "the readers decode straight into Rgb arrays");

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kNavy{20, 30, 120};
constexpr Rgb kCream{250, 240, 200};
constexpr int kWidth = 301; // odd, and wider than the longest run of every coding
constexpr int kHeight = 6;

// A bar code in two colours: a blank top row, then bars of widths 1 to 4
// modules after a quiet zone.
[[nodiscard]] std::vector<Rgb> barPixels(Rgb bar, Rgb space) {
    std::vector<Rgb> pixels(std::size_t{kWidth} * kHeight, space);
    int x = 11;
    for (int module = 0; x < kWidth - 11; ++module) {
        const int width = 1 + module % 4;
        for (int y = 1; y < kHeight && module % 2 == 0; ++y)
            for (int i = 0; i < width; ++i)
                pixels[std::size_t{kWidth} * y + x + i] = bar;
        x += width;
    }
    return pixels;
}

// Bars in colour with a red and a green mark and a stretch whose pixels
// change at every step, so that coders meet both runs and varied pixels.
[[nodiscard]] std::vector<Rgb> fewColourPixels() {
    std::vector<Rgb> pixels = barPixels(kNavy, kCream);
    constexpr std::array<Rgb, 4> kCycle{{{200, 0, 0}, {0, 160, 0}, {90, 90, 90}, {255, 255, 255}}};
    for (int y = 1; y < kHeight; ++y)
        for (int x = 150; x < 170; ++x)
            pixels[std::size_t{kWidth} * y + x] = kCycle[(x + y) % 4];
    return pixels;
}

[[nodiscard]] PixelImage blank(int width, int height) {
    PixelImage image;
    image.width = width;
    image.height = height;
    image.dotsPerInch = 300;
    return image;
}

[[nodiscard]] PixelImage picture(const std::vector<Rgb>& pixels) {
    PixelImage image = blank(kWidth, kHeight);
    for (const Rgb& colour : pixels)
        image.pixels.insert(image.pixels.end(), {colour.red, colour.green, colour.blue});
    return image;
}

enum class Picture { Bw, NavyBars, FewColours };

[[nodiscard]] std::vector<Rgb> pixelsOf(Picture kind) {
    switch (kind) {
    case Picture::Bw:
        return barPixels(kBlack, kWhite);
    case Picture::NavyBars:
        return barPixels(kNavy, kCream);
    case Picture::FewColours:
        return fewColourPixels();
    }
    return {};
}

struct RoundTripRow {
    const char* name;
    ImageFormat format;
    RasterOptions options;
    Picture picture;
    int writtenBits;
    std::string header;     // as the reader summarises the file's layout fields
    int pngFilter = -1;     // the filter byte every row must carry; -1 any
    double meanError = 0;   // per channel; 0 for lossless codings
    bool hasDensity = true; // GIF and TGA have no field for it
};

RasterOptions depth(int bits, RasterOptions options = {}) {
    options.bitsPerPixel = bits;
    return options;
}

using enum ImageFormat;
using enum Picture;
const std::string kTga = " footer TRUEVISION-XFILE.";

// Formats x depths x options, each read back by an independent reader.
// clang-format off
const RoundTripRow kRoundTrips[] = {
    {"PngBilevelNoFilter", Png, depth(1, {.pngFilter = 2}), Bw, 1, "colour 0 depth 1 interlace 0", 0},
    {"PngTwoColourSub", Png, depth(1, {.pngFilter = 4}), NavyBars, 1, "colour 3 depth 1 interlace 0", 1},
    {"PngBilevelAdam7Paeth", Png, depth(1, {.pngFilter = 10, .pngInterlace = true}), Bw, 1, "colour 0 depth 1 interlace 1", 4},
    {"PngPaletteUp", Png, depth(8, {.pngFilter = 6}), FewColours, 8, "colour 3 depth 8 interlace 0", 2},
    {"PngPaletteAdam7Average", Png, depth(8, {.pngFilter = 8, .pngInterlace = true}), FewColours, 8, "colour 3 depth 8 interlace 1", 3},
    {"PngRgbPaeth", Png, depth(24, {.pngFilter = 10}), FewColours, 24, "colour 2 depth 8 interlace 0", 4},
    {"PngRgbAllFiltersAdam7", Png, depth(24, {.pngInterlace = true}), FewColours, 24, "colour 2 depth 8 interlace 1"},
    {"JpegBilevelIsGrey", Jpeg, depth(1), Bw, 8, "components 1 table 1", -1, 3},
    {"JpegPaletteInColourAtHalfQuality", Jpeg, depth(8, {.jpegQuality = 50}), FewColours, 8, "components 3 table 16", -1, 20},
    {"JpegRgb", Jpeg, depth(24), FewColours, 24, "components 3 table 1", -1, 3},
    {"TiffBilevelUncompressed", Tiff, depth(1), Bw, 1, "compression 1 photometric 0 bits 1x1"},
    {"TiffBilevelPackBits", Tiff, depth(1, {.tiffCompression = 2}), Bw, 1, "compression 32773 photometric 0 bits 1x1"},
    {"TiffGroup3FromRgb", Tiff, depth(24, {.tiffCompression = 3}), Bw, 1, "compression 3 photometric 0 bits 1x1"},
    {"TiffGroup4FromPalette", Tiff, depth(8, {.tiffCompression = 4}), Bw, 1, "compression 4 photometric 0 bits 1x1"},
    {"TiffPaletteLzw", Tiff, depth(8, {.tiffCompression = 1}), FewColours, 8, "compression 5 photometric 3 bits 8x1"},
    {"TiffRgbPackBits", Tiff, depth(24, {.tiffCompression = 2}), FewColours, 24, "compression 32773 photometric 2 bits 8x3"},
    {"GifTwoColourCompressed", Gif, depth(1, {.gifCompression = true}), NavyBars, 1, "colours 2 bits 1", -1, 0, false},
    {"GifTwoColourLiteralCodes", Gif, depth(1), NavyBars, 1, "colours 2 bits 1", -1, 0, false},
    {"GifPaletteCompressed", Gif, depth(8, {.gifCompression = true}), FewColours, 8, "colours 256 bits 8", -1, 0, false},
    {"GifPaletteLiteralCodes", Gif, depth(8), FewColours, 8, "colours 256 bits 8", -1, 0, false},
    {"GifRgbReducedToPalette", Gif, depth(24), FewColours, 8, "colours 256 bits 8", -1, 0, false},
    {"BmpTwoColourStaysUncoded", Bmp, depth(1, {.bmpCompression = true}), NavyBars, 1, "bits 1 compression 0"},
    {"BmpPaletteRle8", Bmp, depth(8, {.bmpCompression = true}), FewColours, 8, "bits 8 compression 1"},
    {"BmpPaletteUncoded", Bmp, depth(8), FewColours, 8, "bits 8 compression 0"},
    {"BmpRgb", Bmp, depth(24, {.bmpCompression = true}), FewColours, 24, "bits 24 compression 0"},
    {"TgaTwoColourMapped", Tga, depth(1), NavyBars, 8, "type 1 map 2 depth 8" + kTga, -1, 0, false},
    {"TgaPaletteRle", Tga, depth(8, {.tgaCompression = true}), FewColours, 8, "type 9 map 6 depth 8" + kTga, -1, 0, false},
    {"TgaRgbRle", Tga, depth(24, {.tgaCompression = true}), FewColours, 24, "type 10 map 0 depth 24" + kTga, -1, 0, false},
    {"TgaRgbUncoded", Tga, depth(24), FewColours, 24, "type 2 map 0 depth 24" + kTga, -1, 0, false},
    {"PcxBilevel", Pcx, depth(1), Bw, 1, "version 5 bits 1 planes 1 line 38"},
    {"PcxPalette", Pcx, depth(8), FewColours, 8, "version 5 bits 8 planes 1 line 302"},
    {"PcxRgb", Pcx, depth(24), FewColours, 24, "version 5 bits 8 planes 3 line 302"},
};
// clang-format on

class RasterRoundTrip : public ::testing::TestWithParam<RoundTripRow> {};

[[nodiscard]] double meanChannelError(const std::vector<Rgb>& a, const std::vector<Rgb>& b) {
    double total = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        total += std::abs(a[i].red - b[i].red) + std::abs(a[i].green - b[i].green) +
                 std::abs(a[i].blue - b[i].blue);
    return total / (3.0 * static_cast<double>(a.size()));
}

TEST_P(RasterRoundTrip, ReadsBackTheSamePixelsAndHeaderFields) {
    const RoundTripRow& row = GetParam();
    const TempFolder folder;
    const auto path = folder.path() / "symbol.img";
    const std::vector<Rgb> pixels = pixelsOf(row.picture);
    EXPECT_EQ(writtenBitsPerPixel(row.format, row.options), row.writtenBits);
    ASSERT_EQ(writeRasterFile(row.format, picture(pixels), row.options, path), std::nullopt);

    const ReadBack file = testing::readBack(row.format, path);
    ASSERT_EQ(file.error, "");
    ASSERT_EQ(file.width, kWidth);
    ASSERT_EQ(file.height, kHeight);
    ASSERT_EQ(file.pixels.size(), pixels.size());
    EXPECT_EQ(file.header, row.header);
    if (row.meanError == 0) {
        EXPECT_TRUE(file.pixels == pixels);
    } else {
        EXPECT_LE(meanChannelError(file.pixels, pixels), row.meanError);
    }
    EXPECT_NEAR(file.dotsPerInch, row.hasDensity ? 300 : 0, 0.5);
    if (row.pngFilter >= 0) {
        EXPECT_EQ(file.pngFilters, std::vector<int>(file.pngFilters.size(), row.pngFilter));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFormatAndDepth, RasterRoundTrip, ::testing::ValuesIn(kRoundTrips),
                         [](const auto& info) { return std::string(info.param.name); });

// Literal codes only make a larger file of the same pixels.
TEST(RasterGifCompression, LiteralCodesMakeALargerFile) {
    const TempFolder folder;
    const auto sizeOf = [&](RasterOptions options) {
        const auto path = folder.path() / "symbol.gif";
        EXPECT_EQ(writeRasterFile(Gif, picture(fewColourPixels()), options, path), std::nullopt);
        return std::filesystem::file_size(path);
    };
    for (const int bits : {1, 8})
        EXPECT_GT(sizeOf(depth(bits)), 2 * sizeOf(depth(bits, {.gifCompression = true}))) << bits;
}

struct RefusalRow {
    const char* name;
    ImageFormat format;
    int width;
    int height;
    std::string reason;
};

// clang-format off
const RefusalRow kRefusals[] = {
    {"EmptyPng", Png, 0, 0, "the picture has no pixels (0 by 0)"},
    {"NoRowsBmp", Bmp, 5, 0, "the picture has no pixels (5 by 0)"},
    {"WidePng", Png, 1'000'001, 1, "the picture is 1000001 by 1 pixels, and a PNG file holds at most 1000000 by 1000000"},
    {"WideJpeg", Jpeg, 65501, 1, "the picture is 65501 by 1 pixels, and a JPEG file holds at most 65500 by 65500"},
    {"WideGif", Gif, 65536, 1, "the picture is 65536 by 1 pixels, and a GIF file holds at most 65535 by 65535"},
    {"TallTga", Tga, 1, 65536, "the picture is 1 by 65536 pixels, and a TGA file holds at most 65535 by 65535"},
    {"WidePcx", Pcx, 65535, 1, "the picture is 65535 by 1 pixels, and a PCX file holds at most 65534 by 65536"},
    {"VectorFormat", Svg, 1, 1, "it is not a raster image format"},
};
// clang-format on

class RasterRefusal : public ::testing::TestWithParam<RefusalRow> {};

// A picture the format cannot hold is refused before the destination is
// touched: a file already there is kept.
TEST_P(RasterRefusal, SaysWhyAndKeepsTheExistingFile) {
    const RefusalRow& row = GetParam();
    const TempFolder folder;
    const auto path = folder.write("old.img", "kept");
    PixelImage image = blank(row.width, row.height);
    image.pixels.assign(image.bytesPerRow() * static_cast<std::size_t>(image.height), 0);
    EXPECT_EQ(writeRasterFile(row.format, image, {}, path),
              "The file " + path.string() + " could not be written: " + row.reason + ".");
    EXPECT_EQ(testing::readFile(path), "kept");
}

INSTANTIATE_TEST_SUITE_P(TooSmallOrTooLarge, RasterRefusal, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

class RasterUnwritable : public ::testing::TestWithParam<ImageFormat> {};

TEST_P(RasterUnwritable, ReportsTheSystemReasonAndLeavesNoFile) {
    const TempFolder folder;
    const auto path = folder.path() / "missing" / "symbol.img";
    EXPECT_EQ(writeRasterFile(GetParam(), picture(fewColourPixels()), depth(24), path),
              "The file " + path.string() +
                  " could not be written: no file can be made in its folder: No such file or "
                  "directory.");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "missing"));
}

[[nodiscard]] std::string formatName(const ::testing::TestParamInfo<ImageFormat>& info) {
    constexpr std::array<const char*, 7> kNames{"Png", "Jpeg", "Tiff", "Gif", "Bmp", "Tga", "Pcx"};
    return kNames[static_cast<std::size_t>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, RasterUnwritable,
                         ::testing::Values(Png, Jpeg, Tiff, Gif, Bmp, Tga, Pcx), formatName);

// Caps the size of files this process writes, so that a write fails half
// way with "File too large" instead of the signal that would end the test.
class FileSizeCap {
public:
    explicit FileSizeCap(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        const rlimit capped{bytes, previous_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &capped);
    }
    ~FileSizeCap() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

// Pixels that no coding shrinks much.
[[nodiscard]] PixelImage noise(int width, int height) {
    PixelImage image = blank(width, height);
    std::uint32_t state = 1;
    for (int i = 0; i < width * height * 3; ++i) {
        state = state * 1664525u + 1013904223u;
        image.pixels.push_back(static_cast<std::uint8_t>(state >> 24));
    }
    return image;
}

TEST_P(RasterUnwritable, RemovesAFileThatFailsHalfWay) {
    const TempFolder folder;
    const auto path = folder.path() / "symbol.img";
    std::optional<std::string> result;
    {
        const FileSizeCap cap(4096);
        result = writeRasterFile(GetParam(), noise(256, 64), depth(24), path);
    }
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->rfind("The file " + path.string() + " could not be written: ", 0), 0u)
        << *result;
    EXPECT_FALSE(std::filesystem::exists(path)) << *result;
}

} // namespace
} // namespace vornik::exporting
