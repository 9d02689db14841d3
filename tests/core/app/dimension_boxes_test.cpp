#include "core/app/dimension_boxes.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace vornik {
namespace {

// The job's dimension fields; unnamed ones keep the job's defaults.
struct Lengths {
    double width = 33.02, magnify = 100, module = 50.8, pdfWidth = 25.4, pdfHeight = 76.2,
           bars = 2.54, aspect = 0.5;
};

// In thousandths, so that the single-precision fields compare with the values written here.
std::vector<long> rounded(const Lengths& l) {
    std::vector<long> values;
    for (double v : {l.width, l.magnify, l.module, l.pdfWidth, l.pdfHeight, l.bars, l.aspect})
        values.push_back(std::lround(v * 1000));
    return values;
}

TEST(DimensionBoxes, EditsReachTheSymbologysFields) {
    using enum Symbology;
    using enum Units;
    using enum BoxEdit;
    enum Box { W, H, M };
    const struct {
        const char* name;
        Symbology symbology;
        Box box;
        BoxEdit edit;
        const char* text;
        const char* boxes; // width, height and magnification box afterwards
        Lengths after;
        Units units = InchesMils;
        bool flagged = false; // a command has just set the value
    } rows[] = {
        // Width and magnification of linear symbols follow each other; 100 % is 13 mils.
        // clang-format off
        {"Width", Code39, W, Typed, "10", "10 1 77", {.width = 25.4, .magnify = 76.923}},
        {"Magnify", Code39, M, Typed, "150", "19.5 1 150", {.width = 49.53, .magnify = 150}},
        {"Metric", Code39, M, Typed, "150", "49.53 1 150", {.width = 49.53, .magnify = 150},
         Metric},
        {"Dots", Code39, M, Typed, "150", "6 1 150", {.width = 49.53, .magnify = 150}, PrinterDots},
        {"CommandFlagged", Code39, W, Command, "10", "10 1 77", {.width = 25.4, .magnify = 76.923},
         InchesMils, true},
        {"CommandUnflagged", Code39, M, Command, "150", "13 1 150", {.magnify = 150}},
        {"BarHeight", Code128, H, Typed, "1.5", "13 1.5 100", {.bars = 3.81}},
        {"Pdf417Aspect", Pdf417, M, Typed, "0.75", "13 1 0.75", {.aspect = 0.75}},
        {"Pdf417Width", Pdf417, W, Typed, "12", "12 1 100", {.pdfWidth = 30.48}},
        {"Pdf417Height", Pdf417, H, Typed, "20", "13 20 100", {.pdfHeight = 50.8}},
        {"AztecModule", Aztec, W, Typed, "15", "15 1 100", {.module = 38.1}},
        {"DataMatrixModule", DataMatrix, W, Typed, "20", "20 1 100", {.module = 20}, Metric},
        {"DataMatrixNoHeight", DataMatrix, H, Typed, "40", "13 40 100", {}},
        {"DisplayWidth", Code39, W, Display, "10", "10 1 100", {}},
        {"DisplayAspect", Pdf417, M, Display, "0.750", "13 1 0.750", {}},
        // clang-format on
    };
    void (DimensionBoxes::*const edits[])(std::string, BoxEdit) = {
        &DimensionBoxes::editWidth, &DimensionBoxes::editHeight, &DimensionBoxes::editMagnify};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Job job;
        job.Symbology = row.symbology;
        job.Units = row.units;
        RunState state;
        state.CommandJustSetDimension = row.flagged;
        DimensionBoxes boxes{job, state};
        (boxes.*edits[row.box])(row.text, row.edit);
        EXPECT_EQ(boxes.widthText() + " " + boxes.heightText() + " " + boxes.magnifyText(),
                  row.boxes);
        const Lengths now{job.NarrowBarWidth, job.Magnification,   job.ModuleSize,
                          job.PdfModuleWidth, job.PdfModuleHeight, job.BarHeight,
                          job.PdfAspectRatio};
        EXPECT_EQ(rounded(now), rounded(row.after));
        EXPECT_EQ(state.Dirty, rounded(row.after) != rounded({})); // only a change marks it
        EXPECT_FALSE(state.CommandJustSetDimension);               // the flag serves once
    }
}

// With a fixed row or column count PDF417's box holds the other limit.
TEST(DimensionBoxes, Pdf417BoxFollowsTheLayoutRule) {
    // Layout flag, what the box shows, then the limits and aspect after typing into it.
    const std::tuple<std::int32_t, const char*, std::int32_t, std::int32_t, double> rows[] = {
        {0, "0.500", 30, 90, 0.75}, {1, "30", 12, 90, 0.5}, {2, "90", 30, 12, 0.5}};
    for (const auto& [layoutFlag, shown, maxColumns, maxRows, aspect] : rows) {
        SCOPED_TRACE(layoutFlag);
        Job job;
        job.Symbology = Symbology::Pdf417;
        job.PdfLayoutFlag = layoutFlag;
        RunState state;
        DimensionBoxes boxes{job, state};
        boxes.showJobValues();
        EXPECT_EQ(boxes.magnifyText(), shown);
        boxes.editMagnify(layoutFlag == 0 ? "0.75" : "12", BoxEdit::Typed);
        EXPECT_EQ(std::tuple(job.PdfMaxColumns, job.PdfMaxRows, job.PdfAspectRatio),
                  std::tuple(maxColumns, maxRows, aspect));
        EXPECT_TRUE(state.Dirty);
    }
}

} // namespace
} // namespace vornik
