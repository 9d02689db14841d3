#include "support/command_session.h"

#include <gtest/gtest.h>

namespace vornik::dde {
namespace {

using Session = vornik::testing::CommandSession;

struct RasterRow {
    const char* command;
    bool accepted;
    void (*change)(Job&); // the job before into the job expected
};

void none(Job&) {}

// Each command on a fresh job; the whole job is compared, so a command that
// touches another field, or a refused one that touches any, fails.
TEST(RasterCommandsTest, SettingsAndTheirRanges) {
    const RasterRow rows[] = {
        {"[BITSPERPIXEL=8]", true, [](Job& j) { j.BitsPerPixel = 8; }},
        {"[bitsperpixel=24]", true, [](Job& j) { j.BitsPerPixel = 24; }},
        {"[BITSPERPIXEL=4]", true, none}, // not a command: ignored
        {"[PNGINTERLACE=ON]", true, [](Job& j) { j.PngInterlace = 1; }},
        {"[BMPCOMPRESSION=ON]", true, [](Job& j) { j.BmpCompression = 1; }},
        {"[GIFCOMPRESSION=ON]", true, [](Job& j) { j.GifCompression = 1; }},
        {"[TGACOMPRESSION=ON]", true, [](Job& j) { j.TgaCompression = 1; }},
        {"[TIFFCOMPRESSION=LZW]", true, [](Job& j) { j.TiffCompression = 1; }},
        {"[TIFFCOMPRESSION=PACKBITS]", true, [](Job& j) { j.TiffCompression = 2; }},
        {"[TIFFCOMPRESSION=GROUP3]", true, [](Job& j) { j.TiffCompression = 3; }},
        {"[TIFFCOMPRESSION=GROUP4]", true, [](Job& j) { j.TiffCompression = 4; }},
        {"[PNGNOFILTER]", true, [](Job& j) { j.PngFilter = 2; }},
        {"[PNGSUBFILTER]", true, [](Job& j) { j.PngFilter = 4; }},
        {"[PNGUPFILTER]", true, [](Job& j) { j.PngFilter = 6; }},
        {"[PNGAVGFILTER]", true, [](Job& j) { j.PngFilter = 8; }},
        {"[PNGPAETHFILTER]", true, [](Job& j) { j.PngFilter = 10; }},
        {"[RASTERIMAGERESOLUTION=20]", true, [](Job& j) { j.RasterResolution = 20; }},
        {"[RASTERIMAGERESOLUTION= 1440 ]", true, [](Job& j) { j.RasterResolution = 1440; }},
        {"[RASTERIMAGERESOLUTION=19]", false, none},
        {"[RASTERIMAGERESOLUTION=1441]", false, none},
        {"[RASTERIMAGERESOLUTION=fine]", false, none},
        {"[RASTERIMAGERESOLUTION=1e99]", false, none},
        {"[JPEGQUALITY=1]", true, [](Job& j) { j.JpegQuality = 1; }},
        {"[JPEGQUALITY=0]", false, none},
        {"[JPEGQUALITY=101]", false, none},
        {"[JPEGQUALITY=]", false, none},
    };
    for (const RasterRow& row : rows) {
        SCOPED_TRACE(row.command);
        Session session;
        Job expected = session.job();
        row.change(expected);
        EXPECT_EQ(session.run(row.command), row.accepted);
        EXPECT_TRUE(session.job() == expected);
        EXPECT_EQ(session.state().Dirty, !(expected == Job{}));
    }
}

// Switching off and back to the defaults.
TEST(RasterCommandsTest, OffCommandsRestoreTheDefaults) {
    Session session;
    ASSERT_TRUE(session.run("[PNGINTERLACE=ON][BMPCOMPRESSION=ON][GIFCOMPRESSION=ON]"
                            "[TGACOMPRESSION=ON][TIFFCOMPRESSION=LZW][PNGPAETHFILTER]"
                            "[BITSPERPIXEL=24]"));
    ASSERT_TRUE(session.run("[PNGINTERLACE=OFF][BMPCOMPRESSION=OFF][GIFCOMPRESSION=OFF]"
                            "[TGACOMPRESSION=OFF][TIFFCOMPRESSION=OFF][PNGALLFILTERS]"
                            "[BITSPERPIXEL=1]"));
    EXPECT_TRUE(session.job() == Job{});
}

} // namespace
} // namespace vornik::dde
