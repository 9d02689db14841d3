#include "core/app/job.h"
#include "core/app/raster_properties.h"

#include <gtest/gtest.h>

namespace vornik {
namespace {

// What the dialog shows for the job's settings, including values no dialog
// wrote (an odd filter, an unknown compression) that a file may hold.
TEST(RasterPropertiesTest, TheFormShowsTheJob) {
    Job job;
    job.BitsPerPixel = 24;
    job.RasterResolution = 203;
    job.JpegQuality = 75;
    job.PngFilter = 10;
    job.PngInterlace = 3;
    job.TiffCompression = 3;
    RasterPropertiesForm form = rasterPropertiesForm(job);
    EXPECT_EQ(form.bitsPerPixelEntry, 2);
    EXPECT_EQ(form.resolutionText, "203");
    EXPECT_EQ(form.jpegQualityText, "75");
    EXPECT_EQ(form.pngFilterEntry, 5);
    EXPECT_TRUE(form.pngInterlace);
    EXPECT_FALSE(form.bmpCompression);
    EXPECT_EQ(form.tiffCompressionEntry, 3);

    job.BitsPerPixel = 4;
    job.PngFilter = 40;
    job.TiffCompression = -1;
    form = rasterPropertiesForm(job);
    EXPECT_EQ(form.bitsPerPixelEntry, 0);
    EXPECT_EQ(form.pngFilterEntry, 0);
    EXPECT_EQ(form.tiffCompressionEntry, 0);
}

struct BoxRow {
    const char* text;
    std::int32_t resolution;
    std::int32_t quality;
};

// OK brings both numbers into range with the replacement values.
TEST(RasterPropertiesTest, OkBringsTheNumbersIntoRange) {
    const BoxRow rows[] = {
        {"19", 300, 19},     {"20", 20, 20},
        {"1440", 1440, 100}, {"5000", 1440, 100},
        {"0", 300, 100},     {"", 300, 100},
        {"100", 100, 100},   {"101", 101, 100},
        {"1", 300, 1},       {"99999999999999", 1440, 100},
    };
    for (const BoxRow& row : rows) {
        SCOPED_TRACE(row.text);
        Job job;
        RasterPropertiesForm form = rasterPropertiesForm(job);
        form.resolutionText = row.text;
        form.jpegQualityText = row.text;
        applyRasterProperties(form, job);
        EXPECT_EQ(job.RasterResolution, row.resolution);
        EXPECT_EQ(job.JpegQuality, row.quality);
    }
}

// Every list and box is written back; OK without a change changes nothing.
TEST(RasterPropertiesTest, OkWritesEveryControlBack) {
    Job job;
    EXPECT_FALSE(applyRasterProperties(rasterPropertiesForm(job), job));
    const RasterPropertiesForm form{.bitsPerPixelEntry = 1,
                                    .resolutionText = "600",
                                    .jpegQualityText = "80",
                                    .pngFilterEntry = 3,
                                    .pngInterlace = true,
                                    .bmpCompression = true,
                                    .tgaCompression = true,
                                    .gifCompression = true,
                                    .tiffCompressionEntry = 2};
    EXPECT_TRUE(applyRasterProperties(form, job));
    EXPECT_EQ(job.BitsPerPixel, 8);
    EXPECT_EQ(job.RasterResolution, 600);
    EXPECT_EQ(job.JpegQuality, 80);
    EXPECT_EQ(job.PngFilter, 6);
    EXPECT_EQ(job.PngInterlace, 1);
    EXPECT_EQ(job.BmpCompression, 1);
    EXPECT_EQ(job.TgaCompression, 1);
    EXPECT_EQ(job.GifCompression, 1);
    EXPECT_EQ(job.TiffCompression, 2);
}

TEST(RasterPropertiesTest, NumberBoxesTakeDigitsAndBackspaceOnly) {
    for (char key = 1; key < 127; ++key)
        EXPECT_EQ(acceptsRasterNumberKey(key), (key >= '0' && key <= '9') || key == '\b')
            << static_cast<int>(key);
}

} // namespace
} // namespace vornik
