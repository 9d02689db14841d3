// A saved symbol is a placeable metafile that other programs open: libwmf's
// wmf2svg, and ImageMagick, which rasterises it through libwmf; the raster
// ImageMagick makes is read back by ZXing.

#include "export_support.h"
#include "support/outside_program.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace vornik::exporting {
namespace {

namespace fs = std::filesystem;

std::string decodeFile(const fs::path& png) {
    return decodeImage(loadImage(png),
                       ZXing::DecodeHints()
                           .setFormats(ZXing::BarcodeFormat::Code39 | ZXing::BarcodeFormat::Code93)
                           .setTryCode39ExtendedMode(true));
}

TEST(WmfInterchangeTest, OtherProgramsOpenWhatWeSave) {
    const char* wmf2svg = "/usr/bin/wmf2svg";
    const char* convert = "/usr/bin/convert";
    for (const auto program :
         {testing::OutsideProgram::Wmf2svg, testing::OutsideProgram::ImageMagickWmf})
        ASSERT_EQ(testing::missingProgram(program), "");
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
        ASSERT_EQ(runQuietly("XDG_CONFIG_HOME=" + folder.path().string() +
                             " " VORNIK_PROGRAM " --exec " + quoted(commands)),
                  0);
        EXPECT_EQ(runQuietly(std::string(wmf2svg) + " -o " + (folder.path() / "x.svg").string() +
                             " " + wmf.string()),
                  0);
        ASSERT_EQ(
            runQuietly(std::string(convert) + " -density 300 " + wmf.string() + " " + png.string()),
            0);
        EXPECT_EQ(decodeFile(png), row.expected);
    }
}

} // namespace
} // namespace vornik::exporting
