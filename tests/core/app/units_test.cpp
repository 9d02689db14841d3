#include "core/app/units.h"
#include "support/row_name.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace vornik {
namespace {

using vornik::testing::PrintTo;

enum class Box { Width, Height, ModuleHeight };

struct UnitsCase {
    std::string name;
    Box box;
    std::string text;
    Units units;
    int dots; // DotsAcross for the width box, DotsAlong for the height boxes
    float expected;
};

float convert(const UnitsCase& row) {
    switch (row.box) {
    case Box::Width:
        return ToInternalWidth(row.text, row.units, row.dots);
    case Box::Height:
        return ToInternalHeight(row.text, row.units, row.dots);
    case Box::ModuleHeight:
        return ToInternalModuleHeight(row.text, row.units, row.dots);
    }
    return -1.0f;
}

std::string rowName(const ::testing::TestParamInfo<UnitsCase>& info) {
    return info.param.name;
}

class UnitsTest : public ::testing::TestWithParam<UnitsCase> {};

// Single precision: equal to within a few units in the last place.
TEST_P(UnitsTest, ConvertsToTheInternalUnit) {
    EXPECT_FLOAT_EQ(convert(GetParam()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Width, UnitsTest,
    ::testing::Values(
        UnitsCase{"TenMils", Box::Width, "10", Units::InchesMils, 300, 25.4f},
        UnitsCase{"ThirteenMils", Box::Width, "13", Units::InchesMils, 300, 33.02f},
        UnitsCase{"FractionalMils", Box::Width, "7.5", Units::InchesMils, 300, 19.05f},
        UnitsCase{"MetricTakenAsIs", Box::Width, "33.02", Units::Metric, 300, 33.02f},
        UnitsCase{"FourDotsAt300", Box::Width, "4", Units::PrinterDots, 300, 33.866667f},
        UnitsCase{"TenDotsAt600", Box::Width, "10", Units::PrinterDots, 600, 42.333333f},
        UnitsCase{"OneDotAt2540", Box::Width, "1", Units::PrinterDots, 2540, 1.0f},
        UnitsCase{"MilsIgnoreDots", Box::Width, "10", Units::InchesMils, 1, 25.4f},
        UnitsCase{"LeadingNumberMils", Box::Width, "12abc", Units::InchesMils, 300, 30.48f},
        UnitsCase{"LeadingNumberMetric", Box::Width, "12abc", Units::Metric, 300, 12.0f},
        UnitsCase{"LeadingBlanks", Box::Width, "  7", Units::InchesMils, 300, 17.78f},
        UnitsCase{"CommaEndsTheNumber", Box::Width, "1,5", Units::Metric, 300, 1.0f},
        UnitsCase{"EmptyMils", Box::Width, "", Units::InchesMils, 300, 0.0f},
        UnitsCase{"WordMils", Box::Width, "abc", Units::InchesMils, 300, 0.0f},
        UnitsCase{"WordDots", Box::Width, "dots", Units::PrinterDots, 300, 0.0f},
        UnitsCase{"LoneDot", Box::Width, ".", Units::Metric, 300, 0.0f}),
    rowName);

INSTANTIATE_TEST_SUITE_P(
    Height, UnitsTest,
    ::testing::Values(
        UnitsCase{"OneInch", Box::Height, "1", Units::InchesMils, 300, 2.54f},
        UnitsCase{"HalfInch", Box::Height, "0.5", Units::InchesMils, 300, 1.27f},
        UnitsCase{"MetricCentimetres", Box::Height, "2.5", Units::Metric, 300, 2.5f},
        UnitsCase{"ThreeHundredDotsAt300", Box::Height, "300", Units::PrinterDots, 300, 2.54f},
        UnitsCase{"OneFiftyDotsAt600", Box::Height, "150", Units::PrinterDots, 600, 0.635f},
        UnitsCase{"LeadingNumber", Box::Height, "2in", Units::InchesMils, 300, 5.08f},
        UnitsCase{"Empty", Box::Height, "", Units::Metric, 300, 0.0f},
        UnitsCase{"Word", Box::Height, "tall", Units::InchesMils, 300, 0.0f}),
    rowName);

INSTANTIATE_TEST_SUITE_P(
    ModuleHeight, UnitsTest,
    ::testing::Values(
        UnitsCase{"ThirtyMils", Box::ModuleHeight, "30", Units::InchesMils, 300, 76.2f},
        UnitsCase{"MetricTakenAsIs", Box::ModuleHeight, "76.2", Units::Metric, 300, 76.2f},
        // A module height is a small length: dots convert like widths, not like bar heights.
        UnitsCase{"NineDotsAt300", Box::ModuleHeight, "9", Units::PrinterDots, 300, 76.2f},
        UnitsCase{"ThreeDotsAt600", Box::ModuleHeight, "3", Units::PrinterDots, 600, 12.7f},
        UnitsCase{"LeadingNumber", Box::ModuleHeight, "30 mils", Units::InchesMils, 300, 76.2f},
        UnitsCase{"Empty", Box::ModuleHeight, "", Units::PrinterDots, 300, 0.0f},
        UnitsCase{"Word", Box::ModuleHeight, "x", Units::Metric, 300, 0.0f}),
    rowName);

} // namespace
} // namespace vornik
