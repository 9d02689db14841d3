#include "export/raster/pixel_access.h"
#include "export/raster/raster_scene.h"

#include <cstring>
#include <gtest/gtest.h>

namespace vornik::exporting {
namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{255, 0, 0};

// One premultiplied pixel: alpha, then red, green and blue already scaled by it.
std::uint32_t argb(std::uint32_t alpha, std::uint32_t red, std::uint32_t green,
                   std::uint32_t blue) {
    return alpha << 24 | red << 16 | green << 8 | blue;
}

// A stamp pixel over white: half coverage or more takes the stamp's colour
// whole and less leaves white, for two colours; blending mixes them.
TEST(RasterScene, LaysStampPixelsByCoverage) {
    // clang-format off
    const std::tuple<const char*, std::uint32_t, Rgb, Rgb> rows[] = {
        // pixel; over white with a threshold, and blended
        {"opaque red",        argb(255, 255, 0, 0), kRed,            kRed},
        {"half-covered red",  argb(128, 128, 0, 0), kRed,            {255, 127, 127}},
        {"just under half",   argb(127, 127, 0, 0), kWhite,          {255, 128, 128}},
        {"opaque dark grey",  argb(255, 64, 64, 64), Rgb{64, 64, 64}, Rgb{64, 64, 64}},
        {"transparent",       0,                    kWhite,          kWhite},
    };
    // clang-format on
    for (const auto& [name, pixel, thresholded, blended] : rows) {
        SCOPED_TRACE(name);
        for (const Coverage coverage : {Coverage::Threshold, Coverage::Blend}) {
            RasterScene scene(3, 1, kWhite);
            scene.lay({1, 0, 1, 1, {pixel}}, coverage);
            const PixelImage image = scene.render(96);
            EXPECT_EQ(colourAt(image, 1, 0),
                      coverage == Coverage::Threshold ? thresholded : blended);
            EXPECT_EQ(colourAt(image, 0, 0), kWhite);
        }
    }
}

// Fills and stamps are clipped to the picture and drawn in order; a stamp
// whose pixels do not match its size is left out. Rows marked as repeating
// the row above do.
TEST(RasterScene, DrawsInOrderClippedAndKnowsWhichRowsRepeat) {
    RasterScene scene(8, 6, kWhite);
    scene.fill({-4, -4, 3, 4}, kBlack);
    scene.fill({2, 1, 20, 2}, kRed);
    scene.lay({6, 4, 4, 3, std::vector<std::uint32_t>(12, argb(255, 0, 0, 255))},
              Coverage::Threshold);
    scene.lay({0, 0, 2, 2, {argb(255, 255, 255, 255)}}, Coverage::Threshold); // malformed
    const PixelImage image = scene.render(300);
    ASSERT_EQ(image.bitsPerPixel, 8);
    EXPECT_EQ(image.dotsPerInch, 300);
    // clang-format off
    const char* expected[] = {
        "KKKWWWWW",
        "KKRRRRRR",
        "KKKWWWWW",
        "KKKWWWWW",
        "WWWWWWBB",
        "WWWWWWBB"};
    // clang-format on
    const auto letter = [](Rgb colour) {
        return colour == kBlack ? 'K' : colour == kRed ? 'R' : colour == kWhite ? 'W' : 'B';
    };
    for (int y = 0; y < image.height; ++y) {
        std::string row;
        for (int x = 0; x < image.width; ++x)
            row += letter(colourAt(image, x, y));
        EXPECT_EQ(row, expected[y]) << "row " << y;
        if (image.sameAsAbove[static_cast<std::size_t>(y)]) {
            EXPECT_EQ(
                std::memcmp(image.row(y).data(), image.row(y - 1).data(), image.bytesPerRow()), 0)
                << "row " << y;
        }
    }
    EXPECT_TRUE(image.sameAsAbove[3]); // no edge between rows 2 and 3
}

// A stamp with a clear border draws what the same stamp without it draws.
TEST(RasterScene, StampBorderThatIsClearChangesNothing) {
    const std::uint32_t ink = argb(255, 0, 128, 0);
    RasterScene bordered(6, 6, kWhite);
    std::vector<std::uint32_t> pixels(36, 0);
    pixels[2 * 6 + 3] = pixels[3 * 6 + 2] = ink;
    bordered.lay({0, 0, 6, 6, pixels}, Coverage::Blend);
    RasterScene bare(6, 6, kWhite);
    bare.lay({2, 2, 2, 2, {0, ink, ink, 0}}, Coverage::Blend);
    EXPECT_EQ(bordered.render(72).pixels, bare.render(72).pixels);
}

} // namespace
} // namespace vornik::exporting
