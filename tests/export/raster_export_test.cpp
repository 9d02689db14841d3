// Every raster format at every depth it holds, through the real path: built,
// saved by the converter, read back by an independent reader and decoded by ZXing.

#include "decode_support.h"
#include "export_support.h"
#include "raster/read_back.h"
#include "support/temp_folder.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <tuple>

namespace vornik::exporting {
namespace {

namespace fs = std::filesystem;

struct FormatRow {
    const char* name;
    const char* extension;
    int bits;
    const char* options; // raster commands besides the depth
    int dpi;
    ImageFormat format;
    const char* header; // part of the layout fields the reader finds
    int pngFilter;      // the filter byte of every PNG row; -1 any
};

using enum ImageFormat;

// clang-format off
const FormatRow kFormats[] = {
    {"Png1", "png", 1, "", 300, Png, "depth 1 interlace 0", -1},
    {"Png8Interlaced", "Png", 8, "[PNGINTERLACE=ON][PNGPAETHFILTER]", 203, Png, "colour 3 depth 8 interlace 1", 4},
    {"Png24", "PNG", 24, "[PNGNOFILTER]", 600, Png, "colour 2 depth 8 interlace 0", 0},
    {"Jpeg1", "jpg", 1, "", 300, Jpeg, "table 1", -1},
    {"Jpeg8", "jpeg", 8, "[JPEGQUALITY=60]", 300, Jpeg, "table 13", -1},
    {"Jpeg24", "JPG", 24, "", 150, Jpeg, "components 3 table 1", -1},
    {"Tiff1", "tif", 1, "", 300, Tiff, "compression 1 photometric", -1},
    {"Tiff1Lzw", "tif", 1, "[TIFFCOMPRESSION=LZW]", 300, Tiff, "compression 5 photometric", -1},
    {"Tiff1PackBits", "tiff", 1, "[TIFFCOMPRESSION=PACKBITS]", 300, Tiff, "compression 32773 photometric", -1},
    {"Tiff1Group3", "tif", 1, "[TIFFCOMPRESSION=GROUP3]", 300, Tiff, "compression 3 photometric 0 bits 1x1", -1},
    {"Tiff1Group4", "tif", 1, "[TIFFCOMPRESSION=GROUP4]", 300, Tiff, "compression 4 photometric 0 bits 1x1", -1},
    {"Tiff8Group4", "tif", 8, "[TIFFCOMPRESSION=GROUP4]", 300, Tiff, "compression 4 photometric 0 bits 1x1", -1},
    {"Tiff8Lzw", "tif", 8, "[TIFFCOMPRESSION=LZW]", 300, Tiff, "compression 5 photometric 3 bits 8x1", -1},
    {"Tiff24", "tif", 24, "", 300, Tiff, "compression 1 photometric 2 bits 8x3", -1},
    {"Gif1", "gif", 1, "", 300, Gif, "colours 2 bits 1", -1},
    {"Gif1Compressed", "gif", 1, "[GIFCOMPRESSION=ON]", 300, Gif, "colours 2 bits 1", -1},
    {"Gif8", "gif", 8, "[GIFCOMPRESSION=ON]", 300, Gif, "bits 8", -1},
    {"Gif24", "gif", 24, "", 300, Gif, "bits 8", -1},
    {"Bmp1", "bmp", 1, "", 300, Bmp, "bits 1 compression 0", -1},
    {"Bmp8", "bmp", 8, "", 300, Bmp, "bits 8 compression 0", -1},
    {"Bmp8Rle", "bmp", 8, "[BMPCOMPRESSION=ON]", 300, Bmp, "bits 8 compression 1", -1},
    {"Bmp24", "bmp", 24, "", 300, Bmp, "bits 24 compression 0", -1},
    {"Tga1", "tga", 1, "", 300, Tga, "depth 8 footer", -1},
    {"Tga8Rle", "tga", 8, "[TGACOMPRESSION=ON]", 300, Tga, "type 9 map", -1},
    {"Tga24Rle", "tga", 24, "[TGACOMPRESSION=ON]", 300, Tga, "type 10 map 0 depth 24", -1},
    {"Pcx1", "pcx", 1, "", 300, Pcx, "bits 1 planes 1", -1},
    {"Pcx8", "pcx", 8, "", 300, Pcx, "bits 8 planes 1", -1},
    {"Pcx24", "pcx", 24, "", 300, Pcx, "bits 8 planes 3", -1},
};
// clang-format on

// clang-format off
const DecodeCase kSymbols[] = {
    {"Code39", "[CODE39][MESSAGE='VORNIK-39']", ZXing::BarcodeFormat::Code39, "VORNIK-39"},
    {"Code128", "[CODE128][MESSAGE='Vornik 128'][FORECOLOR=NAVY][BACKCOLOR=YELLOW]", ZXing::BarcodeFormat::Code128, "Vornik 128"},
};
// clang-format on

int pixelsFor(int units, int dpi) {
    return static_cast<int>(std::ceil(units * static_cast<double>(dpi) / 2540 - 1e-6));
}

// Read back by the format's own reader (see raster/read_back.h), checked
// against the settings it was saved with, and decoded.
TEST(RasterExportTest, EveryFormatAtEveryDepthReadsBack) {
    const testing::TempFolder folder;
    for (const FormatRow& format : kFormats) {
        for (const DecodeCase& symbol : kSymbols) {
            SCOPED_TRACE(std::string(format.name) + " " + symbol.name);
            ExportSession session;
            const fs::path file =
                folder.path() / (std::string(format.name) + symbol.name + "." + format.extension);
            ASSERT_TRUE(session.run("[BITSPERPIXEL=" + std::to_string(format.bits) + "]" +
                                    format.options +
                                    "[RASTERIMAGERESOLUTION=" + std::to_string(format.dpi) + "]"));
            ASSERT_TRUE(session.buildAndSave(symbol.commands, file));
            const testing::ReadBack read = testing::readBack(format.format, file);
            ASSERT_EQ(read.error, "");
            EXPECT_NE(read.header.find(format.header), std::string::npos) << read.header;
            EXPECT_EQ(read.width, pixelsFor(session.widthUnits(), format.dpi));
            EXPECT_EQ(read.height, pixelsFor(session.heightUnits(), format.dpi));
            const bool holdsDensity = format.format != Gif && format.format != Tga;
            EXPECT_NEAR(read.dotsPerInch, holdsDensity ? format.dpi : 0, 0.05);
            if (format.pngFilter >= 0) {
                EXPECT_EQ(read.pngFilters,
                          std::vector<int>(read.pngFilters.size(), format.pngFilter));
            }
            // Pictures of one bit, and fax-coded ones, are drawn without anti-aliasing.
            std::set<std::tuple<int, int, int>> colours;
            for (const Rgb& pixel : read.pixels)
                colours.emplace(pixel.red, pixel.green, pixel.blue);
            if ((format.bits == 1 && format.format != Jpeg) ||
                std::string(format.options).find("GROUP") != std::string::npos) {
                EXPECT_EQ(colours.size(), 2u);
            }
            const QImage image(reinterpret_cast<const uchar*>(read.pixels.data()), read.width,
                               read.height, read.width * 3, QImage::Format_RGB888);
            EXPECT_EQ(decodeImage(image, ZXing::DecodeHints().setFormats(symbol.format)),
                      symbol.expected);
        }
    }
}

// A bar or space X units wide is nearest(X * D / 2540) pixels wide, give or
// take one, wherever it stands in the symbol. Narrow elements under a pixel
// and a half are left out: one that rounds to nothing joins its neighbours
// into one run, which a row of pixels cannot tell apart.
TEST(RasterExportTest, ElementWidthsFollowTheResolution) {
    const testing::TempFolder folder;
    for (const int dpi : {72, 203, 300, 600, 1200}) {
        for (const int mils : {10, 13, 25}) {
            if (mils * dpi < 1500)
                continue;
            const std::string width = std::to_string(mils);
            SCOPED_TRACE(std::to_string(dpi) + " dpi, narrow bar " + width);
            ExportSession session;
            const fs::path png = folder.path() / "bars.png";
            ASSERT_TRUE(session.run("[RASTERIMAGERESOLUTION=" + std::to_string(dpi) +
                                    "][INCHES][BARWIDTH=" + width + "][RATIO=2.5]"));
            ASSERT_TRUE(session.buildAndSave("[CODE39][MESSAGE='W1DTH'][TEXT=OFF]", png));
            const QImage image = loadImage(png).convertToFormat(QImage::Format_Grayscale8);
            ASSERT_FALSE(image.isNull());
            const auto& picture = *session.state().CurrentPicture.metafile;
            std::vector<std::pair<int, int>> bars; // left and right edges, units
            for (const auto& call : picture.ops)
                if (const auto* box = std::get_if<render::op::Rectangle>(&call))
                    if (box->right - box->left < session.widthUnits())
                        bars.emplace_back(box->left, box->right);
            ASSERT_GT(bars.size(), 20u);
            const int row = image.height() / 2;
            const auto dark = [&](int x) { return qGray(image.pixel(x, row)) < 128; };
            // The run of pixels of one kind around x.
            const auto runAt = [&](double unitsX) {
                const int x = static_cast<int>(unitsX * dpi / 2540);
                int left = x, right = x;
                while (left > 0 && dark(left - 1) == dark(x))
                    --left;
                while (right + 1 < image.width() && dark(right + 1) == dark(x))
                    ++right;
                return right - left + 1;
            };
            const auto expected = [&](int units) { return std::lround(units * dpi / 2540.0); };
            for (std::size_t i = 0; i < bars.size(); ++i) {
                const auto [left, right] = bars[i];
                EXPECT_NEAR(runAt((left + right) / 2.0), expected(right - left), 1) << "bar " << i;
                if (i + 1 < bars.size()) {
                    const int next = bars[i + 1].first;
                    EXPECT_NEAR(runAt((right + next) / 2.0), expected(next - right), 1)
                        << "space " << i;
                }
            }
        }
    }
}

// The headless program writes every raster format without Qt: copied into a
// folder with the raster module but not the converter module, it still
// writes them, each reads back, and only a PDF, which the converter module
// draws with Qt, cannot be written.
TEST(RasterExportTest, TheProgramWritesRasterImagesWithoutTheConverterModule) {
    const testing::TempFolder folder;
    const fs::path program = folder.path() / "vornik";
    fs::copy_file(VORNIK_PROGRAM, program);
    fs::copy_file(fs::path(VORNIK_PROGRAM).parent_path() / "vornik-raster.so",
                  folder.path() / "vornik-raster.so");
    ASSERT_FALSE(fs::exists(folder.path() / "vornik-wmfconv.so"));
    const std::pair<const char*, ImageFormat> files[] = {
        {"v.png", Png}, {"v.gif", Gif}, {"v.jpg", Jpeg}, {"v.tif", Tiff},
        {"v.bmp", Bmp}, {"v.tga", Tga}, {"v.pcx", Pcx},
    };
    std::string saves;
    for (const auto& [name, format] : files)
        saves += "[savebarcode(" + (folder.path() / name).string() + ")]";
    const std::string run = "XDG_CONFIG_HOME=" + quoted(folder.path().string()) + " " +
                            quoted(program.string()) + " --exec ";
    ASSERT_EQ(runQuietly(run + quoted("[code128][message='Vornik 128'][build/copy]" + saves)), 0);
    for (const auto& [name, format] : files) {
        SCOPED_TRACE(name);
        const testing::ReadBack read = testing::readBack(format, folder.path() / name);
        ASSERT_EQ(read.error, "");
        const QImage image(reinterpret_cast<const uchar*>(read.pixels.data()), read.width,
                           read.height, read.width * 3, QImage::Format_RGB888);
        EXPECT_EQ(
            decodeImage(image, ZXing::DecodeHints().setFormats(ZXing::BarcodeFormat::Code128)),
            "Vornik 128");
    }
    const fs::path pdf = folder.path() / "v.pdf";
    EXPECT_EQ(runQuietly(run + quoted("[code128][message='Vornik 128'][build/copy][savebarcode(" +
                                      pdf.string() + ")]")),
              2);
    EXPECT_FALSE(fs::exists(pdf));
}

// Resolutions a configuration file may hold but the dialog never writes, and
// a symbol too large to rasterise, are refused with a sentence.
TEST(RasterExportTest, ImpossibleRastersAreRefused) {
    const testing::TempFolder folder;
    ExportSession session;
    ASSERT_TRUE(session.run("[CODE39][MESSAGE='A'][BUILD/COPY]"));
    const fs::path png = folder.path() / "x.png";
    ImageConversion request = imageConversion(session.job(), session.state().TempMetafilePath,
                                              png.string(), ImageFormat::Png);
    request.RasterResolution = 0;
    auto error = convertImage(request);
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, "The file " + png.string() +
                          " could not be written: the raster resolution 0 is not a number of "
                          "dots per inch.");
    request.RasterResolution = 1'000'000;
    error = convertImage(request);
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, "The file " + png.string() +
                          " could not be written: the symbol is too large to rasterise at "
                          "1000000 dots per inch.");
    EXPECT_FALSE(fs::exists(png));
}

} // namespace
} // namespace vornik::exporting
