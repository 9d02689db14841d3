// A saved symbol is a placeable metafile that other programs open: libwmf's
// wmf2svg, and ImageMagick, which rasterises it through libwmf; the raster
// ImageMagick makes is read back by ZXing.

#include "support/temp_folder.h"

#include <QImage>
#include <ZXing/ReadBarcode.h>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace vornik::exporting {
namespace {

namespace fs = std::filesystem;

int run(const std::string& command) {
    const int status = std::system((command + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The text as one shell word: in single quotes, each quote in it closed,
// escaped and opened again.
std::string quoted(const std::string& text) {
    std::string word = "'";
    for (const char c : text)
        word += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return word + "'";
}

std::string decodeFile(const fs::path& png) {
    const QImage grey =
        QImage(QString::fromStdString(png.string())).convertToFormat(QImage::Format_Grayscale8);
    if (grey.isNull())
        return "(no image)";
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(),
                                ZXing::ImageFormat::Lum, static_cast<int>(grey.bytesPerLine()));
    const auto hints = ZXing::DecodeHints()
                           .setFormats(ZXing::BarcodeFormat::Code39 | ZXing::BarcodeFormat::Code93)
                           .setTryCode39ExtendedMode(true);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    return result.isValid() ? result.text() : "(nothing read)";
}

TEST(WmfInterchangeTest, OtherProgramsOpenWhatWeSave) {
    const char* wmf2svg = "/usr/bin/wmf2svg";
    const char* convert = "/usr/bin/convert";
    if (!fs::exists(wmf2svg) || !fs::exists(convert))
        GTEST_SKIP() << "libwmf-bin and imagemagick are needed";
    const struct {
        const char* name;
        const char* commands;
        const char* expected;
    } rows[] = {
        {"Code39", "[code39][message='HELLO-123']", "HELLO-123"},
        {"FullAscii", "[code39fullascii][message='lower',9,'case']", "lower\tcase"},
        {"Code93", "[code93][message='Code 93']", "Code 93"},
        {"Rotated", "[code39][message='TURNED'][vertdown][quietzones=on]", "TURNED"},
    };
    const testing::TempFolder folder;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const fs::path wmf = folder.path() / (std::string(row.name) + ".wmf");
        const fs::path png = folder.path() / (std::string(row.name) + ".png");
        const std::string commands =
            std::string(row.commands) + "[build/copy][savebarcode(" + wmf.string() + ")]";
        ASSERT_EQ(run("XDG_CONFIG_HOME=" + folder.path().string() + " " VORNIK_PROGRAM " --exec " +
                      quoted(commands)),
                  0);
        EXPECT_EQ(run(std::string(wmf2svg) + " -o " + (folder.path() / "x.svg").string() + " " +
                      wmf.string()),
                  0);
        ASSERT_EQ(run(std::string(convert) + " -density 300 " + wmf.string() + " " + png.string()),
                  0);
        EXPECT_EQ(decodeFile(png), row.expected);
    }
}

} // namespace
} // namespace vornik::exporting
