// The image converter: placeable metafile in, image file out, through the
// same call the program makes. The first four bytes of an input choose the
// format and the raster settings; the rest is the metafile. The image is
// written to /dev/null, which the converter writes into as it stands.
//
// The resolution asked for is lowered where needed so that no picture is
// rasterised at more than a quarter of a million pixels: the converter's own
// limit is far larger, and fuzzing wants many small pictures, not a few big
// ones.

#include "core/render/placeable_wmf.h"
#include "export/image_converter.h"
#include "export/vector/page_mapping.h"
#include "support/scratch_folder.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace {

using namespace vornik;

constexpr std::size_t kSettingsBytes = 4;
constexpr double kMostPixels = 256.0 * 1024;
constexpr int kFormats = 10; // every ImageFormat, PNG to PDF

// Fonts need a GUI application, here on the offscreen platform. Drawing one
// text loads the font configuration before the first input, so that what it
// keeps for the whole run is not taken for a leak of that input.
void startQt() {
    static int argc = 3;
    static char name[] = "converter_fuzz";
    static char option[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    new QGuiApplication(argc, argv);
    QImage image(64, 32, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setFont(QFont("Arial", 12));
    painter.drawText(2, 20, "ABC 123");
}

// The largest resolution up to REQUESTED at which the picture stays within
// the pixel budget; at least 1 dot per inch, where any picture is tiny.
int affordableResolution(const render::PlaceablePicture& picture, int requested) {
    const exporting::PageSize page = exporting::pageSizeOf(picture);
    const double area = std::abs(page.width * page.height);
    if (area <= 0)
        return requested;
    const double limit = std::floor(2540.0 * std::sqrt(kMostPixels / area));
    return std::max(1, static_cast<int>(std::min<double>(requested, limit)));
}

ImageConversion conversionFor(std::span<const std::uint8_t, kSettingsBytes> settings,
                              const std::string& source) {
    constexpr std::array kDepths = {1, 8, 24};
    constexpr std::array kPngFilters = {0, 2, 4, 6, 8, 10};
    return {.source = source,
            .destination = "/dev/null",
            .format = static_cast<ImageFormat>(settings[0] % kFormats),
            .BitsPerPixel = kDepths[settings[1] % kDepths.size()],
            .RasterResolution = 20 + 4 * settings[3],
            .JpegQuality = 1 + settings[3] % 100,
            .PngFilter = kPngFilters[settings[2] % kPngFilters.size()],
            .PngInterlace = (settings[1] >> 2) & 1,
            .BmpCompression = (settings[1] >> 3) & 1,
            .TgaCompression = (settings[1] >> 4) & 1,
            .TiffCompression = (settings[2] / 6) % 5,
            .GifCompression = (settings[1] >> 5) & 1};
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::prepareScratchRun(argc, argv);
    startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kSettingsBytes)
        return -1;
    const std::span<const std::uint8_t> metafile(data + kSettingsBytes, size - kSettingsBytes);
    const auto read = render::readPlaceableWmf(metafile);
    const fuzz::InsideScratchFolder inside;
    const fuzz::ScratchFolder& folder = fuzz::ScratchFolder::get();
    const std::string source =
        folder
            .write("picture.wmf", std::string_view(reinterpret_cast<const char*>(metafile.data()),
                                                   metafile.size()))
            .string();
    ImageConversion request =
        conversionFor(std::span<const std::uint8_t, kSettingsBytes>(data, kSettingsBytes), source);
    if (const auto* picture = std::get_if<render::PlaceablePicture>(&read))
        request.RasterResolution = affordableResolution(*picture, request.RasterResolution);
    const auto failure = exporting::convertImage(request);
    if (failure && failure->empty())
        fuzz::finding("a conversion failed without a reason");
    if (!failure && !std::holds_alternative<render::PlaceablePicture>(read))
        fuzz::finding("a file that is no placeable metafile was converted");
    return 0;
}
