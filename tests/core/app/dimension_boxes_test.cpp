#include "core/app/dimension_boxes.h"
#include "support/row_name.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace vornik {
namespace {

using vornik::testing::PrintTo;

template <typename Row> std::string rowName(const ::testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

// A job at its defaults (13 mils, 1 inch, 100 %) with its boxes.
class BoxesFixture {
protected:
    BoxesFixture() = default;

    void prepare(Symbology symbology, Units units, int dots) {
        job.Symbology = symbology;
        job.Units = units;
        job.DotsAcross = dots;
        job.DotsAlong = dots;
    }

    Job job;
    RunState state;
    DimensionBoxes boxes{job, state};
};

TEST(DimensionBoxesStart, ShowThirteenMilsOneInchAndHundredPercent) {
    Job job;
    RunState state;
    DimensionBoxes boxes{job, state};
    boxes.editWidth("99", BoxEdit::Display);
    boxes.editHeight("99", BoxEdit::Display);
    boxes.editMagnify("99", BoxEdit::Display);
    boxes.showStartupTexts();
    EXPECT_EQ(boxes.widthText(), "13");
    EXPECT_EQ(boxes.heightText(), "1");
    EXPECT_EQ(boxes.magnifyText(), "100");
}

// ---------------------------------------------------------------------------
// Typing into the width or magnification box of a linear symbology: the two
// follow each other.

enum class TypedBox { Width, Magnify };

struct CouplingCase {
    std::string name;
    Units units;
    int dotsAcross;
    TypedBox box;
    std::string typed;
    std::string widthText;   // the width box afterwards
    std::string magnifyText; // the magnification box afterwards
    float narrowBarWidth;    // 0.001 cm
    double magnification;    // percent
};

class DimensionCouplingTest : public BoxesFixture, public ::testing::TestWithParam<CouplingCase> {};

TEST_P(DimensionCouplingTest, WidthAndMagnificationFollowEachOther) {
    const CouplingCase& row = GetParam();
    prepare(Symbology::Code128, row.units, row.dotsAcross);
    // Values other than the typed ones, so that every row changes the job.
    job.NarrowBarWidth = 1.0f;
    job.Magnification = 1.0f;
    if (row.box == TypedBox::Width)
        boxes.editWidth(row.typed, BoxEdit::Typed);
    else
        boxes.editMagnify(row.typed, BoxEdit::Typed);

    EXPECT_EQ(boxes.widthText(), row.widthText);
    EXPECT_EQ(boxes.magnifyText(), row.magnifyText);
    EXPECT_FLOAT_EQ(job.NarrowBarWidth, row.narrowBarWidth);
    EXPECT_NEAR(job.Magnification, row.magnification, 1e-4);
    EXPECT_TRUE(state.Dirty);
}

INSTANTIATE_TEST_SUITE_P(TypedWidth, DimensionCouplingTest,
                         ::testing::Values(
                             // 10 x 100 / 13 = 76.92, shown "##0".
                             CouplingCase{"TenMils", Units::InchesMils, 300, TypedBox::Width, "10",
                                          "10", "77", 25.4f, 76.923077},
                             CouplingCase{"TwentySixMils", Units::InchesMils, 300, TypedBox::Width,
                                          "26", "26", "200", 66.04f, 200.0},
                             CouplingCase{"MetricTwenty", Units::Metric, 300, TypedBox::Width, "20",
                                          "20", "61", 20.0f, 60.569437},
                             CouplingCase{"FourDotsAt300", Units::PrinterDots, 300, TypedBox::Width,
                                          "4", "4", "103", 33.866667f, 102.564103}),
                         rowName<CouplingCase>);

INSTANTIATE_TEST_SUITE_P(TypedMagnify, DimensionCouplingTest,
                         ::testing::Values(
                             // 13 mils x 150 % = 19.5 mils = 49.53 thousandths of a centimetre.
                             CouplingCase{"HundredFiftyMils", Units::InchesMils, 300,
                                          TypedBox::Magnify, "150", "19.5", "150", 49.53f, 150.0},
                             CouplingCase{"HundredFiftyMetric", Units::Metric, 300,
                                          TypedBox::Magnify, "150", "49.53", "150", 49.53f, 150.0},
                             // 19.5 mils at 300 dpi is 5.85 dots, shown "##0".
                             CouplingCase{"HundredFiftyDotsAt300", Units::PrinterDots, 300,
                                          TypedBox::Magnify, "150", "6", "150", 49.53f, 150.0},
                             CouplingCase{"TwoHundredDotsAt600", Units::PrinterDots, 600,
                                          TypedBox::Magnify, "200", "16", "200", 66.04f, 200.0},
                             CouplingCase{"HundredMilsKeepsOneDecimal", Units::InchesMils, 300,
                                          TypedBox::Magnify, "100", "13.0", "100", 33.02f, 100.0},
                             CouplingCase{"EightyMetricTwoDecimals", Units::Metric, 300,
                                          TypedBox::Magnify, "80", "26.42", "80", 26.416f, 80.0}),
                         rowName<CouplingCase>);

// ---------------------------------------------------------------------------
// The symbologies whose boxes edit other fields.

class DimensionBoxesTest : public BoxesFixture, public ::testing::Test {};

TEST_F(DimensionBoxesTest, Pdf417MagnifyBoxEditsTheAspectRatioOnly) {
    prepare(Symbology::Pdf417, Units::InchesMils, 300);
    boxes.editMagnify("0.75", BoxEdit::Typed);
    EXPECT_DOUBLE_EQ(job.PdfAspectRatio, 0.75);
    EXPECT_EQ(job.NarrowBarWidth, 33.02f);
    EXPECT_EQ(job.Magnification, 100.0f);
    EXPECT_EQ(boxes.widthText(), "13");
    EXPECT_EQ(boxes.magnifyText(), "0.75");
    EXPECT_TRUE(state.Dirty);
}

TEST_F(DimensionBoxesTest, Pdf417AspectRatioIsTakenAsTypedNotAsPercent) {
    prepare(Symbology::Pdf417, Units::Metric, 300);
    boxes.editMagnify("2", BoxEdit::Typed);
    EXPECT_DOUBLE_EQ(job.PdfAspectRatio, 2.0);
}

TEST_F(DimensionBoxesTest, Pdf417WidthBoxEditsTheModuleWidthWithoutCoupling) {
    prepare(Symbology::Pdf417, Units::InchesMils, 300);
    boxes.editWidth("12", BoxEdit::Typed);
    EXPECT_FLOAT_EQ(job.PdfModuleWidth, 30.48f);
    EXPECT_EQ(job.NarrowBarWidth, 33.02f);
    EXPECT_EQ(job.Magnification, 100.0f);
    EXPECT_EQ(boxes.magnifyText(), "100");
    EXPECT_TRUE(state.Dirty);
}

struct ModuleSizeCase {
    std::string name;
    Symbology symbology;
    Units units;
    std::string typed;
    float moduleSize;
};

class ModuleSizeBoxTest : public BoxesFixture, public ::testing::TestWithParam<ModuleSizeCase> {};

TEST_P(ModuleSizeBoxTest, WidthBoxEditsTheModuleSize) {
    const ModuleSizeCase& row = GetParam();
    prepare(row.symbology, row.units, 300);
    job.ModuleSize = 1.0f;
    boxes.editWidth(row.typed, BoxEdit::Typed);
    EXPECT_FLOAT_EQ(job.ModuleSize, row.moduleSize);
    EXPECT_EQ(job.NarrowBarWidth, 33.02f);
    EXPECT_EQ(job.PdfModuleWidth, 25.4f);
    EXPECT_TRUE(state.Dirty);
}

INSTANTIATE_TEST_SUITE_P(
    TwoDimensional, ModuleSizeBoxTest,
    ::testing::Values(
        ModuleSizeCase{"AztecMils", Symbology::Aztec, Units::InchesMils, "20", 50.8f},
        ModuleSizeCase{"AztecMetric", Symbology::Aztec, Units::Metric, "30", 30.0f},
        ModuleSizeCase{"DataMatrixMils", Symbology::DataMatrix, Units::InchesMils, "15", 38.1f},
        ModuleSizeCase{"DataMatrixDots", Symbology::DataMatrix, Units::PrinterDots, "6", 50.8f}),
    rowName<ModuleSizeCase>);

// ---------------------------------------------------------------------------
// The height box: bar height in centimetres for linear symbols, a module
// height for PDF417 and Aztec Code, nothing for Data Matrix.

struct HeightCase {
    std::string name;
    Symbology symbology;
    Units units;
    int dotsAlong;
    std::string typed;
    float barHeight;       // cm
    float pdfModuleHeight; // 0.001 cm
};

class HeightBoxTest : public BoxesFixture, public ::testing::TestWithParam<HeightCase> {};

TEST_P(HeightBoxTest, EditsTheSymbologysHeight) {
    const HeightCase& row = GetParam();
    prepare(row.symbology, row.units, row.dotsAlong);
    boxes.editHeight(row.typed, BoxEdit::Typed);
    EXPECT_FLOAT_EQ(job.BarHeight, row.barHeight);
    EXPECT_FLOAT_EQ(job.PdfModuleHeight, row.pdfModuleHeight);
    EXPECT_EQ(boxes.heightText(), row.typed);
    // Never coupled with the magnification.
    EXPECT_EQ(job.Magnification, 100.0f);
    EXPECT_EQ(boxes.magnifyText(), "100");
}

INSTANTIATE_TEST_SUITE_P(
    Symbologies, HeightBoxTest,
    ::testing::Values(
        HeightCase{"Code128Inches", Symbology::Code128, Units::InchesMils, 300, "1.5", 3.81f,
                   76.2f},
        HeightCase{"Code128Metric", Symbology::Code128, Units::Metric, 300, "3", 3.0f, 76.2f},
        HeightCase{"Code128DotsAt300", Symbology::Code128, Units::PrinterDots, 300, "150", 1.27f,
                   76.2f},
        HeightCase{"PostnetInches", Symbology::Postnet, Units::InchesMils, 300, "0.125", 0.3175f,
                   76.2f},
        HeightCase{"Pdf417Mils", Symbology::Pdf417, Units::InchesMils, 300, "20", 2.54f, 50.8f},
        HeightCase{"Pdf417Metric", Symbology::Pdf417, Units::Metric, 300, "40", 2.54f, 40.0f},
        HeightCase{"Pdf417DotsAt300", Symbology::Pdf417, Units::PrinterDots, 300, "12", 2.54f,
                   101.6f},
        HeightCase{"AztecMils", Symbology::Aztec, Units::InchesMils, 300, "40", 2.54f, 101.6f},
        HeightCase{"DataMatrixEditsNothing", Symbology::DataMatrix, Units::InchesMils, 300, "40",
                   2.54f, 76.2f}),
    rowName<HeightCase>);

// ---------------------------------------------------------------------------
// The program writing a value into a box changes the text and nothing else.

enum class AnyBox { Width, Height, Magnify };

struct DisplayCase {
    std::string name;
    Symbology symbology;
    Units units;
    AnyBox box;
    std::string text;
};

class DisplayEditTest : public BoxesFixture, public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayEditTest, ChangesOnlyTheBoxText) {
    const DisplayCase& row = GetParam();
    prepare(row.symbology, row.units, 300);
    const Job before = job;
    switch (row.box) {
    case AnyBox::Width:
        boxes.editWidth(row.text, BoxEdit::Display);
        EXPECT_EQ(boxes.widthText(), row.text);
        EXPECT_EQ(boxes.magnifyText(), "100");
        break;
    case AnyBox::Height:
        boxes.editHeight(row.text, BoxEdit::Display);
        EXPECT_EQ(boxes.heightText(), row.text);
        break;
    case AnyBox::Magnify:
        boxes.editMagnify(row.text, BoxEdit::Display);
        EXPECT_EQ(boxes.magnifyText(), row.text);
        EXPECT_EQ(boxes.widthText(), "13");
        break;
    }
    EXPECT_EQ(job, before);
    EXPECT_FALSE(state.Dirty);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, DisplayEditTest,
    ::testing::Values(
        DisplayCase{"Code39Width", Symbology::Code39, Units::InchesMils, AnyBox::Width, "10"},
        DisplayCase{"Code39Height", Symbology::Code39, Units::InchesMils, AnyBox::Height, "2"},
        DisplayCase{"Code39Magnify", Symbology::Code39, Units::InchesMils, AnyBox::Magnify, "150"},
        DisplayCase{"MetricWidth", Symbology::Code128, Units::Metric, AnyBox::Width, "49.53"},
        DisplayCase{"Pdf417Width", Symbology::Pdf417, Units::InchesMils, AnyBox::Width, "12"},
        DisplayCase{"Pdf417Height", Symbology::Pdf417, Units::InchesMils, AnyBox::Height, "40"},
        DisplayCase{"Pdf417Magnify", Symbology::Pdf417, Units::InchesMils, AnyBox::Magnify,
                    "0.750"},
        DisplayCase{"AztecWidth", Symbology::Aztec, Units::InchesMils, AnyBox::Width, "25"},
        DisplayCase{"DataMatrixWidth", Symbology::DataMatrix, Units::Metric, AnyBox::Width, "60"}),
    rowName<DisplayCase>);

// ---------------------------------------------------------------------------
// A command's edit couples the boxes once, when the one-shot flag is set.

TEST_F(DimensionBoxesTest, CommandWidthCouplesOnceAndClearsTheFlag) {
    prepare(Symbology::Code39, Units::InchesMils, 300);
    state.CommandJustSetDimension = true;
    boxes.editWidth("10", BoxEdit::Command);
    EXPECT_FLOAT_EQ(job.NarrowBarWidth, 25.4f);
    EXPECT_EQ(boxes.magnifyText(), "77");
    EXPECT_FALSE(state.CommandJustSetDimension);

    // The next command edit without the flag stores the width but leaves the
    // magnification alone.
    boxes.editWidth("26", BoxEdit::Command);
    EXPECT_FLOAT_EQ(job.NarrowBarWidth, 66.04f);
    EXPECT_EQ(boxes.magnifyText(), "77");
    EXPECT_NEAR(job.Magnification, 76.923077, 1e-4);
}

TEST_F(DimensionBoxesTest, CommandMagnifyCouplesOnceAndClearsTheFlag) {
    prepare(Symbology::Code39, Units::InchesMils, 300);
    state.CommandJustSetDimension = true;
    boxes.editMagnify("150", BoxEdit::Command);
    EXPECT_EQ(boxes.widthText(), "19.5");
    EXPECT_FLOAT_EQ(job.NarrowBarWidth, 49.53f);
    EXPECT_FALSE(state.CommandJustSetDimension);

    boxes.editMagnify("200", BoxEdit::Command);
    EXPECT_EQ(job.Magnification, 200.0f);
    EXPECT_EQ(boxes.widthText(), "19.5");
    EXPECT_FLOAT_EQ(job.NarrowBarWidth, 49.53f);
}

TEST_F(DimensionBoxesTest, CommandEditWithoutTheFlagDoesNotCouple) {
    prepare(Symbology::Code128, Units::Metric, 300);
    boxes.editMagnify("150", BoxEdit::Command);
    EXPECT_EQ(job.Magnification, 150.0f);
    EXPECT_EQ(job.NarrowBarWidth, 33.02f);
    EXPECT_EQ(boxes.widthText(), "13");
    EXPECT_TRUE(state.Dirty);
}

TEST_F(DimensionBoxesTest, WidthSetByCommandThenMagnifyTypedStillCouples) {
    prepare(Symbology::Code128, Units::InchesMils, 300);
    state.CommandJustSetDimension = true;
    boxes.editWidth("10", BoxEdit::Command);
    boxes.editMagnify("150", BoxEdit::Typed);
    EXPECT_EQ(boxes.widthText(), "19.5");
    EXPECT_FLOAT_EQ(job.NarrowBarWidth, 49.53f);
}

} // namespace
} // namespace vornik
