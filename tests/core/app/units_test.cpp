#include "core/app/units.h"

#include <gtest/gtest.h>
#include <tuple>

namespace vornik {
namespace {

TEST(Units, BoxTextsToInternalUnits) {
    const auto width = ToInternalWidth, height = ToInternalHeight, module = ToInternalModuleHeight;
    using enum Units;
    // Text, unit and printer dots per inch, then 0.001 cm (bar heights: cm).
    const std::tuple<float (*)(std::string_view, Units, int), const char*, Units, int, float>
        rows[] = {
            // clang-format off
            {width, "10", InchesMils, 300, 25.4f},   {width, "33.02", Metric, 300, 33.02f},
            {width, "4", PrinterDots, 300, 33.8667f}, {width, "10", PrinterDots, 600, 42.3333f},
            {width, "12abc", InchesMils, 300, 30.48f}, {width, "abc", InchesMils, 300, 0},
            {width, "", PrinterDots, 300, 0},       {width, "1e39", Metric, 300, 0}, // beyond float
            {height, "1", InchesMils, 300, 2.54f},    {height, "150", PrinterDots, 600, 0.635f},
            {height, "2.5", Metric, 300, 2.5f},       {height, "tall", InchesMils, 300, 0},
            // A module height is a small length: dots convert as for widths.
            {module, "30", InchesMils, 300, 76.2f},   {module, "9", PrinterDots, 300, 76.2f},
            // clang-format on
        };
    for (const auto& [convert, text, units, dots, expected] : rows)
        EXPECT_NEAR(convert(text, units, dots), expected, 1e-4) << text << " at " << dots;
}

} // namespace
} // namespace vornik
