#include "export/raster/colour_reduction.h"
#include "export/raster/pixel_access.h"
#include "support/row_name.h"

#include <gtest/gtest.h>

namespace vornik::exporting {
namespace {

using vornik::testing::PrintTo;

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kNavy{20, 30, 120};
constexpr Rgb kCream{250, 240, 200};
constexpr Rgb kRed{255, 0, 0};      // luminance 76 of 255: nearer black
constexpr Rgb kGrey{140, 140, 140}; // nearer white
constexpr Rgb kYellow{255, 255, 0}; // nearer white

[[nodiscard]] PixelImage fullColour(const std::vector<Rgb>& pixels) {
    PixelImage image;
    image.width = static_cast<int>(pixels.size());
    image.height = 1;
    image.dotsPerInch = 96;
    for (const Rgb& colour : pixels)
        image.pixels.insert(image.pixels.end(), {colour.red, colour.green, colour.blue});
    return image;
}

struct ReductionRow {
    const char* name;
    int bits;
    std::vector<Rgb> pixels;
    std::vector<Rgb> palette;
    std::vector<int> indices;
};

// clang-format off
const ReductionRow kReductions[] = {
    {"TwoColoursKeptDarkerFirst", 1, {kCream, kNavy, kNavy, kCream}, {kNavy, kCream}, {1, 0, 0, 1}},
    {"OneLightColourPairedWithBlack", 1, {kWhite, kWhite}, {kBlack, kWhite}, {1, 1}},
    {"OneDarkColourPairedWithWhite", 1, {kNavy}, {kNavy, kWhite}, {0}},
    {"ManyColoursToDarkestAndLightest", 1, {kGrey, kWhite, kRed, kBlack, kYellow}, {kBlack, kWhite}, {1, 1, 0, 0, 1}},
    {"ExactPaletteInOrderOfAppearance", 8, {kGrey, kNavy, kGrey, kRed, kNavy}, {kGrey, kNavy, kRed}, {0, 1, 0, 2, 1}},
};
// clang-format on

class ColourReduction : public ::testing::TestWithParam<ReductionRow> {};

TEST_P(ColourReduction, GivesThePaletteAndIndices) {
    const ReductionRow& row = GetParam();
    const PixelImage image = reduceColours(fullColour(row.pixels), row.bits);
    EXPECT_EQ(image.bitsPerPixel, row.bits);
    EXPECT_EQ(image.dotsPerInch, 96);
    EXPECT_EQ(image.palette, row.palette);
    std::vector<int> indices;
    for (int x = 0; x < image.width; ++x)
        indices.push_back(paletteIndexAt(image, x, 0));
    EXPECT_EQ(indices, row.indices);
}

INSTANTIATE_TEST_SUITE_P(Rows, ColourReduction, ::testing::ValuesIn(kReductions),
                         [](const auto& info) { return std::string(info.param.name); });

// 257 colours are too many for an exact palette: each pixel takes the
// nearest colour of the 6 x 6 x 6 cube, no channel more than 25 away.
TEST(ColourReductionCube, TooManyColoursTakeTheNearestCubeColour) {
    std::vector<Rgb> pixels;
    for (int i = 0; i <= 256; ++i)
        pixels.push_back({static_cast<std::uint8_t>(i % 256), static_cast<std::uint8_t>(i / 2),
                          static_cast<std::uint8_t>(i == 256 ? 7 : 255 - i)});
    const PixelImage image = reduceColours(fullColour(pixels), 8);
    ASSERT_EQ(image.palette.size(), 216u);
    EXPECT_EQ(image.palette[215], kWhite);
    for (int x = 0; x < image.width; ++x) {
        const Rgb reduced = colourAt(image, x, 0);
        const Rgb original = pixels[static_cast<std::size_t>(x)];
        EXPECT_LE(std::abs(reduced.red - original.red), 25) << x;
        EXPECT_LE(std::abs(reduced.green - original.green), 25) << x;
        EXPECT_LE(std::abs(reduced.blue - original.blue), 25) << x;
        EXPECT_EQ(reduced.red % 51 + reduced.green % 51 + reduced.blue % 51, 0) << x;
    }
}

} // namespace
} // namespace vornik::exporting
