#include "export/raster/png_filter_choice.h"

#include <gtest/gtest.h>
#include <vector>

namespace vornik::exporting {
namespace {

using enum PngFilterType;

// The filter of least absolute sum, ties to the earlier type; a row like the
// one above is Up unless it is all zeros. The sums are worked out by hand.
TEST(ChooseFilter, TakesTheLeastAbsoluteSum) {
    // clang-format off
    const std::tuple<const char*, std::vector<std::uint8_t>, std::vector<std::uint8_t>, int,
                     PngFilterType> rows[] = {
        // row, row above, bytes a pixel, choice
        {"a repeated row",        {7, 200, 7, 9},    {7, 200, 7, 9},   1, Up},
        {"a repeated blank row",  {0, 0, 0},         {0, 0, 0},        1, None},
        {"a ramp: Sub 40",        {10, 20, 30, 40},  {0, 0, 0, 0},     1, Sub},
        {"Up and Paeth tie at 40", {20, 30, 40, 50}, {10, 20, 30, 40}, 1, Up},
        {"Average 90, others 110 up", {30, 60, 30, 60}, {30, 10, 0, 20},  1, Average},
        {"Paeth 70, others 90",   {40, 60, 40, 30},  {10, 10, 50, 30}, 1, Paeth},
        {"255 counts as -1",      {255, 255, 1},     {0, 0, 0},        1, None},
        {"one pixel a byte",      {200, 201, 202},   {0, 0, 0},        1, Sub},
        {"three bytes a pixel",   {200, 201, 202},   {0, 0, 0},        3, None},
    };
    // clang-format on
    for (const auto& [name, row, above, bytesPerPixel, expected] : rows)
        EXPECT_EQ(chooseFilter(row, above, bytesPerPixel), expected) << name;
}

} // namespace
} // namespace vornik::exporting
