#include "core/render/measurements_panel.h"

#include <gtest/gtest.h>
#include <string>

namespace vornik::render {
namespace {

using enum Symbology;
using enum Units;
using enum Orientation;

// The visible controls in window order, each with its caption where it has one.
std::string shown(const MeasurementsPanel& panel) {
    std::string text;
    for (const auto& [name, item] : panel.controls()) {
        if (!item->visible)
            continue;
        text += (text.empty() ? "" : " | ") + std::string(name);
        if (!item->caption.empty())
            text += "=" + item->caption;
    }
    return text;
}

struct PanelJob {
    Symbology symbology;
    Units units;
    Orientation orientation = Horizontal;
    bool checkDigit = false;
    std::int32_t codewords = 0;
    std::int32_t layout = 0;
};

Job jobFor(const PanelJob& setup) {
    Job job;
    job.Symbology = setup.symbology;
    job.Units = setup.units;
    job.Orientation = setup.orientation;
    job.CheckDigit = setup.checkDigit;
    job.PdfShowCodewords = setup.codewords;
    job.PdfLayoutFlag = setup.layout;
    return job;
}

void refresh(MeasurementsPanel& panel, const PanelJob& setup, std::int32_t width = 0,
             std::int32_t height = 0) {
    Job job = jobFor(setup);
    panel.Refresh(job, width, height);
}

TEST(MeasurementsPanel, StartsAsTheWindowIsLaidOut) {
    const MeasurementsPanel panel;
    EXPECT_EQ(shown(panel), "Label1=Bar Code Message: | Label2=Bar Code Height (inches) | "
                            "Label3=Narrow Bar Width (mils) | Label5=UPC Supplemental: | "
                            "Label6=Narrow To Wide Ratio | Label8=Total Symbol Width = | "
                            "Label9=Comment Line: | TotalLength | BCHeight | NBWidth | RatioList | "
                            "Magnify | Supplement | Comment");
    EXPECT_EQ(panel.CheckLabel.caption, "Check Digit Value =");
}

TEST(MeasurementsPanel, ShowsAndCaptionsPerSymbologyUnitAndOrientation) {
    const struct {
        const char* name;
        PanelJob setup;
        const char* shown;
    } rows[] = {
        // clang-format off
        {"Code39NoCheckDigitNoCheckLabel", {Code39, InchesMils}, "Label1=Bar Code Message: | Label2=Bar Height (inches) | Label3=Narrow Bar Width (mils) | Label6=Narrow To Wide Ratio | Label8=Total Symbol Width = | Label9=Comment Line: | TotalLength | BCHeight | NBWidth | RatioList | Comment"},
        {"Code39FullCheckDigit", {Code39FullAscii, Metric, Horizontal, true}, "Label1=Bar Code Message: | Label2=Bar Height (cm) | Label3=Narrow Bar Width (.001cm) | Label6=Narrow To Wide Ratio | Label8=Total Symbol Width = | Label9=Comment Line: | CheckLabel=Check Digit Value = | TotalLength | CheckValue | BCHeight | NBWidth | RatioList | Comment"},
        {"I2of5CheckDigitNoLabel", {Interleaved2of5, PrinterDots, Horizontal, true}, "Label1=Bar Code Message: | Label2=Bar Height (printer dots) | Label3=Narrow Bar Width (dots) | Label6=Narrow To Wide Ratio | Label8=Total Symbol Width = | Label9=Comment Line: | TotalLength | BCHeight | NBWidth | RatioList | Comment"},
        {"D2of5Rotated", {Discrete2of5, InchesMils, Vertical90}, "Label1=Bar Code Message: | Label2=Bar Height (inches) | Label3=Narrow Bar Width (mils) | Label6=Narrow To Wide Ratio | Label8=Total Symbol Height = | Label9=Comment Line: | TotalLength | BCHeight | NBWidth | RatioList | Comment"},
        {"Codabar", {Codabar, Metric}, "Label1=Bar Code Message: | Label2=Bar Height (cm) | Label3=Narrow Bar Width (.001cm) | Label6=Narrow To Wide Ratio | Label8=Total Symbol Width = | Label9=Comment Line: | TotalLength | BCHeight | NBWidth | RatioList | Comment"},
        {"MsiAlwaysChecked", {MsiPlessey, PrinterDots, Vertical270}, "Label1=Bar Code Message: | Label2=Bar Height (printer dots) | Label3=Narrow Bar Width (dots) | Label6=Narrow To Wide Ratio | Label8=Total Symbol Height = | Label9=Comment Line: | CheckLabel=Check Digit Value = | TotalLength | CheckValue | BCHeight | NBWidth | RatioList | Comment"},
        {"UpcA", {UpcA, InchesMils}, "Label1=Bar Code Message: | Label2=Bar Height (inches) | Label3=Narrow Bar Width (mils) | Label5=UPC Supplemental: | Label6=Magnification (percent) | Label8=Total Symbol Width = | Label9=Comment Line: | CheckLabel=Bar To Bar Width = | TotalLength | CheckValue | BCHeight | NBWidth | Magnify | Supplement | Comment"},
        {"UpcARotatedBarToBarHeight", {UpcA, Metric, Vertical90}, "Label1=Bar Code Message: | Label2=Bar Height (cm) | Label3=Narrow Bar Width (.001cm) | Label5=UPC Supplemental: | Label6=Magnification (percent) | Label8=Total Symbol Height = | Label9=Comment Line: | CheckLabel=Bar To Bar Height = | TotalLength | CheckValue | BCHeight | NBWidth | Magnify | Supplement | Comment"},
        {"UpcE", {UpcE, PrinterDots}, "Label1=Bar Code Message: | Label2=Bar Height (printer dots) | Label3=Narrow Bar Width (dots) | Label5=UPC Supplemental: | Label6=Magnification (percent) | Label8=Total Symbol Width = | Label9=Comment Line: | CheckLabel=Bar To Bar Width = | TotalLength | CheckValue | BCHeight | NBWidth | Magnify | Supplement | Comment"},
        {"UpcE1", {UpcE1, InchesMils, Vertical270}, "Label1=Bar Code Message: | Label2=Bar Height (inches) | Label3=Narrow Bar Width (mils) | Label5=UPC Supplemental: | Label6=Magnification (percent) | Label8=Total Symbol Height = | Label9=Comment Line: | CheckLabel=Bar To Bar Height = | TotalLength | CheckValue | BCHeight | NBWidth | Magnify | Supplement | Comment"},
        {"Ean8", {Ean8, Metric}, "Label1=Bar Code Message: | Label2=Bar Height (cm) | Label3=Narrow Bar Width (.001cm) | Label5=EAN Supplemental: | Label6=Magnification (percent) | Label8=Total Symbol Width = | Label9=Comment Line: | CheckLabel=Bar To Bar Width = | TotalLength | CheckValue | BCHeight | NBWidth | Magnify | Supplement | Comment"},
        {"Ean13", {Ean13, PrinterDots}, "Label1=Bar Code Message: | Label2=Bar Height (printer dots) | Label3=Narrow Bar Width (dots) | Label5=EAN Supplemental: | Label6=Magnification (percent) | Label8=Total Symbol Width = | Label9=Comment Line: | CheckLabel=Bar To Bar Width = | TotalLength | CheckValue | BCHeight | NBWidth | Magnify | Supplement | Comment"},
        {"BookLand", {BookLand, InchesMils}, "Label1=ISBN Number: | Label2=Bar Height (inches) | Label3=Narrow Bar Width (mils) | Label5=Price/Supplemental: | Label6=Magnification (percent) | Label8=Total Symbol Width = | Label9=Comment Line: | CheckLabel=Bar To Bar Width = | TotalLength | CheckValue | BCHeight | NBWidth | Magnify | Supplement | Comment"},
        {"Code93", {Code93, Metric}, "Label1=Bar Code Message: | Label2=Bar Height (cm) | Label3=Narrow Bar Width (.001cm) | Label8=Total Symbol Width = | Label9=Comment Line: | CheckLabel=Check Digit Values = | TotalLength | CheckValue | BCHeight | NBWidth | Comment"},
        {"Code128", {Code128, PrinterDots}, "Label1=Bar Code Message: | Label2=Bar Height (printer dots) | Label3=Narrow Bar Width (dots) | Label8=Total Symbol Width = | Label9=Comment Line: | CheckLabel=Check Digit Value = | TotalLength | CheckValue | BCHeight | NBWidth | Comment"},
        {"EanUcc128Rotated", {EanUcc128, InchesMils, Vertical90}, "Label1=Bar Code Message: | Label2=Bar Height (inches) | Label3=Narrow Bar Width (mils) | Label8=Total Symbol Height = | Label9=Comment Line: | CheckLabel=Check Digit Value = | TotalLength | CheckValue | BCHeight | NBWidth | Comment"},
        {"Pdf417AspectRatio", {Pdf417, InchesMils}, "Label1=Bar Code Message: | Label2=Module Height (mils) | Label3=Module Width (mils) | Label6=Symbol Aspect Ratio | Label8=Total Symbol Width = | Label9=Comment Line: | CheckLabel=Total Symbol Height = | TotalLength | CheckValue | BCHeight | NBWidth | Magnify | Comment | EditorButton=Editor"},
        {"Pdf417ColumnsCodewordsRotated", {Pdf417, Metric, Vertical90, false, 1, 1}, "Label1=Bar Code Message: | Label2=Module Height (.001cm) | Label3=Module Width (.001cm) | Label5=Generated Code Words | Label6=Max # of Data Columns | Label8=Total Symbol Height = | Label9=Comment Line: | CheckLabel=Total Symbol Width = | TotalLength | CheckValue | BCHeight | NBWidth | Magnify | Supplement | Comment | EditorButton=Editor"},
        {"Pdf417Rows", {Pdf417, PrinterDots, Horizontal, false, 0, 2}, "Label1=Bar Code Message: | Label2=Module Height (dots) | Label3=Module Width (dots) | Label6=Max # of Data Rows | Label8=Total Symbol Width = | Label9=Comment Line: | CheckLabel=Total Symbol Height = | TotalLength | CheckValue | BCHeight | NBWidth | Magnify | Comment | EditorButton=Editor"},
        {"Aztec", {Aztec, InchesMils}, "Label1=Bar Code Message: | Label3=Module Size (mils) | Label8=Total Symbol Width = | Label9=Comment Line: | CheckLabel=Total Symbol Height = | TotalLength | CheckValue | NBWidth | Comment | EditorButton=Editor"},
        {"DataMatrixRotated", {DataMatrix, Metric, Vertical270}, "Label1=Bar Code Message: | Label3=Module Size (.001cm) | Label8=Total Symbol Height = | Label9=Comment Line: | CheckLabel=Total Symbol Width = | TotalLength | CheckValue | NBWidth | Comment | EditorButton=Editor"},
        {"AztecDots", {Aztec, PrinterDots}, "Label1=Bar Code Message: | Label3=Module Size (dots) | Label8=Total Symbol Width = | Label9=Comment Line: | CheckLabel=Total Symbol Height = | TotalLength | CheckValue | NBWidth | Comment | EditorButton=Editor"},
        {"Rss14", {Rss14, InchesMils}, "Label1=Bar Code Message: | Label2=Bar Height (inches) | Label3=Narrow Bar Width (mils) | Label5=Composite Message: | Label8=Total Symbol Width = | Label9=Comment Line: | CheckLabel=Total Symbol Height = | TotalLength | CheckValue | BCHeight | NBWidth | Supplement | Comment"},
        {"Rss14StackedNoHeight", {Rss14Stacked, Metric, Vertical90}, "Label1=Bar Code Message: | Label3=Narrow Bar Width (.001cm) | Label5=Composite Message: | Label8=Total Symbol Height = | Label9=Comment Line: | CheckLabel=Total Symbol Width = | TotalLength | CheckValue | NBWidth | Supplement | Comment"},
        {"Rss14StackedOmniNoHeight", {Rss14StackedOmni, PrinterDots}, "Label1=Bar Code Message: | Label3=Narrow Bar Width (dots) | Label5=Composite Message: | Label8=Total Symbol Width = | Label9=Comment Line: | CheckLabel=Total Symbol Height = | TotalLength | CheckValue | NBWidth | Supplement | Comment"},
        {"RssLimitedRotated", {RssLimited, InchesMils, Vertical270}, "Label1=Bar Code Message: | Label2=Bar Height (inches) | Label3=Narrow Bar Width (mils) | Label5=Composite Message: | Label8=Total Symbol Height = | Label9=Comment Line: | CheckLabel=Total Symbol Width = | TotalLength | CheckValue | BCHeight | NBWidth | Supplement | Comment"},
        {"Postnet", {Postnet, Metric}, "Label1=Bar Code Message: | Label8=Total Symbol Width = | TotalLength"},
        {"BpoRotated", {Bpo4State, InchesMils, Vertical90}, "Label1=Bar Code Message: | Label8=Total Symbol Height = | TotalLength"},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        MeasurementsPanel fresh;
        refresh(fresh, row.setup);
        EXPECT_EQ(shown(fresh), row.shown);
        // Whatever the panel showed before, one refresh rebuilds it whole.
        MeasurementsPanel used;
        for (const auto& before : rows)
            refresh(used, before.setup);
        refresh(used, row.setup);
        EXPECT_EQ(shown(used), row.shown);
    }
}

TEST(MeasurementsPanel, Pdf417LayoutListsItsLimit) {
    const struct {
        const char* name;
        PanelJob setup;
        std::size_t count;
        std::int32_t first; // items count up from here
    } rows[] = {
        {"AspectRatioNoList", {Pdf417, InchesMils}, 0, 0},
        {"Columns1To30", {Pdf417, InchesMils, Horizontal, false, 0, 1}, 30, 1},
        {"Rows3To90", {Pdf417, InchesMils, Horizontal, false, 0, 2}, 88, 3},
        {"UpcAKeepsItsOwn", {UpcA, InchesMils}, 0, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        MeasurementsPanel panel;
        refresh(panel, {Pdf417, InchesMils, Horizontal, false, 0, 2});
        refresh(panel, row.setup);
        const auto& list = panel.MagnifyList;
        ASSERT_EQ(list.size(), row.count);
        for (std::size_t i = 0; i < list.size(); ++i)
            EXPECT_EQ(list[i], row.first + static_cast<std::int32_t>(i));
    }
}

TEST(MeasurementsPanel, DerivesDotsAfterTheOrientation) {
    const struct {
        const char* name;
        Symbology symbology;
        Orientation orientation;
        std::int32_t across, along;
    } rows[] = {
        {"Horizontal", Code128, Horizontal, 300, 600},
        {"Vertical90", Pdf417, Vertical90, 600, 300},
        {"Vertical270", UpcA, Vertical270, 600, 300},
        {"PostnetEndsBefore", Postnet, Vertical90, 1, 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Job job = jobFor({row.symbology, InchesMils, row.orientation});
        job.TargetDpiX = 300;
        job.TargetDpiY = 600;
        job.DotsAcross = 1;
        job.DotsAlong = 2;
        MeasurementsPanel panel;
        panel.Refresh(job, 0, 0);
        EXPECT_EQ(job.DotsAcross, row.across);
        EXPECT_EQ(job.DotsAlong, row.along);
    }
}

TEST(MeasurementsPanel, FormatsSymbolLengths) {
    const struct {
        std::int32_t length;
        Units units;
        const char* text;
    } rows[] = {
        {2540, InchesMils, "1.00 \""}, {2540, Metric, "2.54 cm"},   {2540, PrinterDots, "1.00 \""},
        {3810, InchesMils, "1.50 \""}, {12346, Metric, "12.35 cm"}, {0, InchesMils, "0.00 \""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(formatSymbolLength(row.length, row.units), row.text) << row.length;
}

TEST(MeasurementsPanel, ShowsTheLastSymbolsSize) {
    const struct {
        const char* name;
        PanelJob setup;
        std::int32_t width, height;
        const char* total;
        const char* check;
    } rows[] = {
        // The renderer left "old" and "7" in the value labels.
        {"LinearKeepsCheckText", {Code39, InchesMils}, 5080, 1270, "2.00 \"", "7"},
        {"NoSymbolKeepsBoth", {Pdf417, Metric}, 0, 1270, "old", "7"},
        {"Pdf417Height", {Pdf417, Metric}, 5080, 1270, "5.08 cm", "1.27 cm"},
        {"DataMatrixDotsInInches", {DataMatrix, PrinterDots}, 5080, 1270, "2.00 \"", "0.50 \""},
        {"RssLimitedHeight", {RssLimited, InchesMils}, 3810, 2540, "1.50 \"", "1.00 \""},
        {"UpcAKeepsBarToBar", {UpcA, Metric}, 5080, 1270, "5.08 cm", "7"},
        // MSI Plessey lies between PDF417 and RSS Limited in the menu, but
        // keeps its check digit, whatever height an earlier symbol left.
        {"MsiKeepsCheckDigit", {MsiPlessey, InchesMils}, 5080, 1270, "2.00 \"", "7"},
        {"PostnetUnchanged", {Postnet, InchesMils}, 5080, 1270, "old", "7"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        MeasurementsPanel panel;
        panel.setTotalLength("old");
        panel.setCheckValue("7");
        refresh(panel, row.setup, row.width, row.height);
        EXPECT_EQ(panel.TotalLength.caption, row.total);
        EXPECT_EQ(panel.CheckValue.caption, row.check);
    }
}

TEST(MeasurementsPanel, SwitchingToMetricShowsTheSameWidthInCentimetres) {
    MeasurementsPanel panel;
    Job job = jobFor({Code128, InchesMils});
    panel.Refresh(job, 6350, 0);
    EXPECT_EQ(panel.TotalLength.caption, "2.50 \"");
    job.Units = Metric;
    panel.Refresh(job, 6350, 0);
    EXPECT_EQ(panel.TotalLength.caption, "6.35 cm");
}

} // namespace
} // namespace vornik::render
