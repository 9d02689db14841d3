#include "core/app/job.h"
#include "core/app/raster_properties.h"
#include "core/app/run_state.h"

#include <gtest/gtest.h>
#include <tuple>

namespace vornik {
namespace {

// The list entries shown for the job's settings, including values no dialog wrote (an odd
// filter, an unknown compression) that a file may hold.
TEST(RasterPropertiesTest, TheFormShowsTheJob) {
    const std::tuple<int, int, int, int, int, int> rows[] = {
        // BitsPerPixel, PngFilter, TiffCompression, then the three entries shown.
        {24, 10, 3, 2, 5, 3},
        {8, 2, 4, 1, 1, 4},
        {4, 40, -1, 0, 0, 0}};
    for (const auto& [bits, filter, tiff, bitsEntry, filterEntry, tiffEntry] : rows) {
        Job job;
        job.BitsPerPixel = bits;
        job.PngFilter = filter;
        job.TiffCompression = tiff;
        job.RasterResolution = 203;
        job.JpegQuality = 75;
        job.PngInterlace = 3;
        const RasterPropertiesForm form = rasterPropertiesForm(job);
        EXPECT_EQ(std::tie(form.bitsPerPixelEntry, form.pngFilterEntry, form.tiffCompressionEntry),
                  std::tie(bitsEntry, filterEntry, tiffEntry))
            << bits << " " << filter << " " << tiff;
        EXPECT_EQ(form.resolutionText + " " + form.jpegQualityText, "203 75");
        EXPECT_TRUE(form.pngInterlace);
        EXPECT_FALSE(form.bmpCompression);
    }
}

// OK brings both numbers into range with the replacement values.
TEST(RasterPropertiesTest, OkBringsTheNumbersIntoRange) {
    const std::tuple<const char*, int, int> rows[] = {
        {"19", 300, 19},     {"20", 20, 20},
        {"1440", 1440, 100}, {"5000", 1440, 100},
        {"0", 300, 100},     {"", 300, 100},
        {"100", 100, 100},   {"101", 101, 100},
        {"1", 300, 1},       {"99999999999999", 1440, 100},
    };
    for (const auto& [text, resolution, quality] : rows) {
        Job job;
        RasterPropertiesForm form = rasterPropertiesForm(job);
        form.resolutionText = form.jpegQualityText = text;
        applyRasterProperties(form, job);
        EXPECT_EQ(std::pair(job.RasterResolution, job.JpegQuality), std::pair(resolution, quality))
            << text;
    }
}

// Every list and box is written back; OK without a change changes nothing.
TEST(RasterPropertiesTest, OkWritesEveryControlBack) {
    Job job;
    EXPECT_FALSE(applyRasterProperties(rasterPropertiesForm(job), job));
    const RasterPropertiesForm form{1, "600", "80", 3, true, true, true, true, 2};
    EXPECT_TRUE(applyRasterProperties(form, job));
    Job expected;
    expected.BitsPerPixel = 8;
    expected.RasterResolution = 600;
    expected.JpegQuality = 80;
    expected.PngFilter = 6;
    expected.PngInterlace = expected.BmpCompression = expected.TgaCompression = 1;
    expected.GifCompression = 1;
    expected.TiffCompression = 2;
    EXPECT_TRUE(job == expected);
}

TEST(RasterPropertiesTest, NumberBoxesTakeDigitsAndBackspaceOnly) {
    for (char key = 1; key < 127; ++key)
        EXPECT_EQ(acceptsRasterNumberKey(key), (key >= '0' && key <= '9') || key == '\b')
            << static_cast<int>(key);
}

// The dialog's OK marks the configuration changed when a field changed,
// including a number brought into range to a value other than the job's.
TEST(RasterPropertiesTest, ConfirmMarksTheConfigurationChangedByAChangeOnly) {
    const std::tuple<const char*, const char*, bool> rows[] = {
        {"300", "100", false},                      // the job's own values
        {"5", "100", false},                        // 5 dpi becomes the 300 the job holds
        {"600", "100", true},  {"300", "0", false}, // 0 becomes the quality of 100 the job holds
        {"300", "99", true},
    };
    for (const auto& [resolution, quality, dirty] : rows) {
        Job job;
        RunState state;
        RasterPropertiesForm form = rasterPropertiesForm(job);
        form.resolutionText = resolution;
        form.jpegQualityText = quality;
        confirmRasterProperties(form, job, state);
        EXPECT_EQ(state.Dirty, dirty) << resolution << " " << quality;
    }
}

} // namespace
} // namespace vornik
