// Every raster format at every depth it holds, through the real path: built,
// saved by the converter, read back by ImageMagick and decoded by ZXing.

#include "export_support.h"
#include "support/temp_folder.h"

#include <cmath>
#include <gtest/gtest.h>
#include <sstream>

namespace vornik::exporting {
namespace {

namespace fs = std::filesystem;

constexpr const char* kIdentify = "/usr/bin/identify";
constexpr const char* kConvert = "/usr/bin/convert";

struct FormatRow {
    const char* name;
    const char* extension;
    const char* settings; // raster commands
    int dpi;
    const char* magick;      // ImageMagick's name of the format
    const char* compression; // as ImageMagick reports it
    bool interlaced;
    bool holdsResolution;
    bool twoColours; // drawn without anti-aliasing
};

const FormatRow kFormats[] = {
    {"Png1", "png", "[BITSPERPIXEL=1]", 300, "PNG", "Zip", false, true, true},
    {"Png8Interlaced", "Png", "[BITSPERPIXEL=8][PNGINTERLACE=ON][PNGPAETHFILTER]", 203, "PNG",
     "Zip", true, true, false},
    {"Png24", "PNG", "[BITSPERPIXEL=24][PNGNOFILTER]", 600, "PNG", "Zip", false, true, false},
    {"Jpeg1", "jpg", "[BITSPERPIXEL=1]", 300, "JPEG", "JPEG", false, true, false},
    {"Jpeg8", "jpeg", "[BITSPERPIXEL=8][JPEGQUALITY=60]", 300, "JPEG", "JPEG", false, true, false},
    {"Jpeg24", "JPG", "[BITSPERPIXEL=24]", 150, "JPEG", "JPEG", false, true, false},
    {"Tiff1", "tif", "[BITSPERPIXEL=1]", 300, "TIFF", "None", false, true, true},
    {"Tiff1Lzw", "tif", "[BITSPERPIXEL=1][TIFFCOMPRESSION=LZW]", 300, "TIFF", "LZW", false, true,
     true},
    {"Tiff1PackBits", "tiff", "[BITSPERPIXEL=1][TIFFCOMPRESSION=PACKBITS]", 300, "TIFF", "RLE",
     false, true, true},
    {"Tiff1Group3", "tif", "[BITSPERPIXEL=1][TIFFCOMPRESSION=GROUP3]", 300, "TIFF", "Fax", false,
     true, true},
    {"Tiff1Group4", "tif", "[BITSPERPIXEL=1][TIFFCOMPRESSION=GROUP4]", 300, "TIFF", "Group4", false,
     true, true},
    {"Tiff8Group4", "tif", "[BITSPERPIXEL=8][TIFFCOMPRESSION=GROUP4]", 300, "TIFF", "Group4", false,
     true, true},
    {"Tiff8Lzw", "tif", "[BITSPERPIXEL=8][TIFFCOMPRESSION=LZW]", 300, "TIFF", "LZW", false, true,
     false},
    {"Tiff24", "tif", "[BITSPERPIXEL=24]", 300, "TIFF", "None", false, true, false},
    {"Gif1", "gif", "[BITSPERPIXEL=1]", 300, "GIF", "LZW", false, false, true},
    {"Gif1Compressed", "gif", "[BITSPERPIXEL=1][GIFCOMPRESSION=ON]", 300, "GIF", "LZW", false,
     false, true},
    {"Gif8", "gif", "[BITSPERPIXEL=8][GIFCOMPRESSION=ON]", 300, "GIF", "LZW", false, false, false},
    {"Gif24", "gif", "[BITSPERPIXEL=24]", 300, "GIF", "LZW", false, false, false},
    {"Bmp1", "bmp", "[BITSPERPIXEL=1]", 300, "BMP3", "None", false, true, true},
    {"Bmp8", "bmp", "[BITSPERPIXEL=8]", 300, "BMP3", "None", false, true, false},
    {"Bmp8Rle", "bmp", "[BITSPERPIXEL=8][BMPCOMPRESSION=ON]", 300, "BMP3", "RLE", false, true,
     false},
    {"Bmp24", "bmp", "[BITSPERPIXEL=24]", 300, "BMP3", "None", false, true, false},
    {"Tga1", "tga", "[BITSPERPIXEL=1]", 300, "TGA", "None", false, false, true},
    {"Tga8Rle", "tga", "[BITSPERPIXEL=8][TGACOMPRESSION=ON]", 300, "TGA", "RLE", false, false,
     false},
    {"Tga24Rle", "tga", "[BITSPERPIXEL=24][TGACOMPRESSION=ON]", 300, "TGA", "RLE", false, false,
     false},
    {"Pcx1", "pcx", "[BITSPERPIXEL=1]", 300, "PCX", "", false, true, true},
    {"Pcx8", "pcx", "[BITSPERPIXEL=8]", 300, "PCX", "", false, true, false},
    {"Pcx24", "pcx", "[BITSPERPIXEL=24]", 300, "PCX", "", false, true, false},
};

struct SymbolRow {
    const char* name;
    const char* commands;
    ZXing::BarcodeFormat format;
    const char* expected;
};

const SymbolRow kSymbols[] = {
    {"Code39", "[CODE39][MESSAGE='VORNIK-39']", ZXing::BarcodeFormat::Code39, "VORNIK-39"},
    {"Code128", "[CODE128][MESSAGE='Vornik 128'][FORECOLOR=NAVY][BACKCOLOR=YELLOW]",
     ZXing::BarcodeFormat::Code128, "Vornik 128"},
};

// What ImageMagick says of a file.
struct Identity {
    std::string magick;
    int width = 0;
    int height = 0;
    double resolutionX = 0;
    std::string units;
    std::string compression;
    std::string interlace;
    int colours = 0;
};

Identity identify(const fs::path& file) {
    std::istringstream fields(outputOf(std::string(kIdentify) +
                                       " -format '%m|%w|%h|%x|%U|%C|%[interlace]|%k' " +
                                       quoted(file.string())));
    Identity identity;
    std::string field;
    std::getline(fields, identity.magick, '|');
    std::getline(fields, field, '|');
    identity.width = std::atoi(field.c_str());
    std::getline(fields, field, '|');
    identity.height = std::atoi(field.c_str());
    std::getline(fields, field, '|');
    identity.resolutionX = std::atof(field.c_str());
    std::getline(fields, identity.units, '|');
    std::getline(fields, identity.compression, '|');
    std::getline(fields, identity.interlace, '|');
    std::getline(fields, field);
    identity.colours = std::atoi(field.c_str());
    return identity;
}

double dotsPerInch(const Identity& identity) {
    return identity.units == "PixelsPerCentimeter" ? identity.resolutionX * 2.54
                                                   : identity.resolutionX;
}

int pixelsFor(int units, int dpi) {
    return static_cast<int>(std::ceil(units * static_cast<double>(dpi) / 2540 - 1e-6));
}

// ImageMagick turns the formats into a PNG that Qt reads; PCX goes through
// netpbm, as ImageMagick 6 takes a 1-bit PCX's 0 bits for white where netpbm
// and the format's other readers take them for black.
QImage readBack(const fs::path& file, const fs::path& png) {
    const std::string command = file.extension() == ".pcx"
                                    ? "pcxtoppm " + quoted(file.string()) + " | " + kConvert +
                                          " - png24:" + quoted(png.string())
                                    : std::string(kConvert) + " " + quoted(file.string()) +
                                          " -flatten png24:" + quoted(png.string());
    if (runQuietly(command) != 0)
        return {};
    return loadImage(png);
}

TEST(RasterExportTest, EveryFormatAtEveryDepthReadsBack) {
    if (!fs::exists(kIdentify) || !fs::exists(kConvert))
        GTEST_SKIP() << "imagemagick is needed";
    const testing::TempFolder folder;
    for (const FormatRow& format : kFormats) {
        for (const SymbolRow& symbol : kSymbols) {
            SCOPED_TRACE(std::string(format.name) + " " + symbol.name);
            ExportSession session;
            const fs::path file =
                folder.path() / (std::string(format.name) + symbol.name + "." + format.extension);
            ASSERT_TRUE(session.run(format.settings + std::string("[RASTERIMAGERESOLUTION=") +
                                    std::to_string(format.dpi) + "]"));
            ASSERT_TRUE(session.buildAndSave(symbol.commands, file));
            const Identity identity = identify(file);
            EXPECT_EQ(identity.magick, format.magick);
            EXPECT_EQ(identity.width, pixelsFor(session.widthUnits(), format.dpi));
            EXPECT_EQ(identity.height, pixelsFor(session.heightUnits(), format.dpi));
            if (format.holdsResolution) {
                EXPECT_NEAR(dotsPerInch(identity), format.dpi, 0.05);
            }
            if (*format.compression) {
                EXPECT_EQ(identity.compression, format.compression);
            }
            EXPECT_EQ(identity.interlace != "None", format.interlaced) << identity.interlace;
            if (format.twoColours) {
                EXPECT_EQ(identity.colours, 2);
            }
            const QImage image = readBack(file, folder.path() / "read.png");
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

// The headless program loads the converter from beside itself.
TEST(RasterExportTest, TheProgramWritesAPngThatReads) {
    const testing::TempFolder folder;
    const fs::path png = folder.path() / "v.png";
    ASSERT_EQ(runQuietly("XDG_CONFIG_HOME=" + quoted(folder.path().string()) +
                         " " VORNIK_PROGRAM " --exec " +
                         quoted("[code128][message='Vornik 128'][build/copy][savebarcode(" +
                                png.string() + ")]")),
              0);
    EXPECT_EQ(
        decodeImage(loadImage(png), ZXing::DecodeHints().setFormats(ZXing::BarcodeFormat::Code128)),
        "Vornik 128");
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
