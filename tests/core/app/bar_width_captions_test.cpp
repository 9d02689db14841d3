#include "core/app/bar_width_captions.h"
#include "support/row_name.h"

#include <gtest/gtest.h>

namespace vornik {
namespace {

using vornik::testing::PrintTo;

struct CaptionRow {
    const char* name;
    Symbology symbology;
    Units units;
    int dotsAcross;
    int step;
    const char* caption;
};

// The job's widths: a 13 mil narrow bar, a 10 mil PDF417 module, a 20 mil
// module for Aztec Code and Data Matrix; one of them is made 12 mils to show
// which one counts.
const CaptionRow kRows[] = {
    {"MilsStep0", Symbology::Code39, Units::InchesMils, 300, 0, "00%  (0.00 mils)"},
    {"MilsStep2", Symbology::Code39, Units::InchesMils, 300, 2, "10%  (1.30 mils)"},
    {"MilsStep15", Symbology::Code39, Units::InchesMils, 300, 15, "75%  (9.75 mils)"},
    {"MetricStep2", Symbology::Code39, Units::Metric, 300, 2, "10%  (0.03 mm)"},
    {"MetricStep15", Symbology::Code39, Units::Metric, 300, 15, "75%  (0.25 mm)"},
    {"DotsStep0", Symbology::Code39, Units::PrinterDots, 300, 0, "00%  (0 dots)"},
    {"DotsStep15At300", Symbology::Code39, Units::PrinterDots, 300, 15, "75%  (3 dots)"},
    {"DotsStep10At1200", Symbology::Code39, Units::PrinterDots, 1200, 10, "50%  (8 dots)"},
    {"Pdf417ModuleWidth", Symbology::Pdf417, Units::InchesMils, 300, 2, "10%  (1.00 mils)"},
    {"Pdf417Metric", Symbology::Pdf417, Units::Metric, 300, 4, "20%  (0.05 mm)"},
    {"AztecModuleSize", Symbology::Aztec, Units::InchesMils, 300, 3, "15%  (3.00 mils)"},
    {"DataMatrixModuleSize", Symbology::DataMatrix, Units::InchesMils, 300, 1, "05%  (1.00 mils)"},
    {"UpcNarrowBar", Symbology::UpcA, Units::InchesMils, 300, 5, "25%  (3.25 mils)"},
    {"PostnetNarrowBar", Symbology::Postnet, Units::InchesMils, 300, 4, "20%  (2.60 mils)"},
};

class BarWidthCaptionTest : public ::testing::TestWithParam<CaptionRow> {};

TEST_P(BarWidthCaptionTest, PercentAndAmountInTheDisplayUnit) {
    const CaptionRow& row = GetParam();
    Job job;
    job.Symbology = row.symbology;
    job.Units = row.units;
    job.DotsAcross = row.dotsAcross;
    EXPECT_EQ(barWidthCaption(job, row.step), row.caption);
}

INSTANTIATE_TEST_SUITE_P(Steps, BarWidthCaptionTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BarWidthCaption, OnlyTheSymbologysOwnWidthCounts) {
    Job job; // 13 mils, 10 mil PDF417 modules, 20 mil matrix modules
    job.NarrowBarWidth = 12 * 2.54f;
    EXPECT_EQ(barWidthCaption(job, 2), "10%  (1.20 mils)");
    job.Symbology = Symbology::Pdf417;
    EXPECT_EQ(barWidthCaption(job, 2), "10%  (1.00 mils)");
    job.Symbology = Symbology::DataMatrix;
    EXPECT_EQ(barWidthCaption(job, 2), "10%  (2.00 mils)");
}

} // namespace
} // namespace vornik
