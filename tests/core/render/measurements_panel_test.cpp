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
    const auto& list = panel.MagnifyList; // PDF417's layout limit
    if (!list.empty())
        text += " | MagnifyList=" + std::to_string(list.front()) + ".." +
                std::to_string(list.back()) + " (" + std::to_string(list.size()) + ")";
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

Job refresh(MeasurementsPanel& panel, const PanelJob& setup, std::int32_t width = 0,
            std::int32_t height = 0) {
    Job job;
    job.Symbology = setup.symbology;
    job.Units = setup.units;
    job.Orientation = setup.orientation;
    job.CheckDigit = setup.checkDigit;
    job.PdfShowCodewords = setup.codewords;
    job.PdfLayoutFlag = setup.layout;
    job.TargetDpiY = 600;
    job.DotsAcross = 1;
    job.DotsAlong = 2;
    panel.Refresh(job, width, height);
    return job;
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
        {"MsiAlwaysChecked", {MsiPlessey, PrinterDots, Vertical270}, "Label1=Bar Code Message: | Label2=Bar Height (printer dots) | Label3=Narrow Bar Width (dots) | Label6=Narrow To Wide Ratio | Label8=Total Symbol Height = | Label9=Comment Line: | CheckLabel=Check Digit Value = | TotalLength | CheckValue | BCHeight | NBWidth | RatioList | Comment"},
        {"UpcA", {UpcA, InchesMils}, "Label1=Bar Code Message: | Label2=Bar Height (inches) | Label3=Narrow Bar Width (mils) | Label5=UPC Supplemental: | Label6=Magnification (percent) | Label8=Total Symbol Width = | Label9=Comment Line: | CheckLabel=Bar To Bar Width = | TotalLength | CheckValue | BCHeight | NBWidth | Magnify | Supplement | Comment"},
        {"UpcARotatedBarToBarHeight", {UpcA, Metric, Vertical90}, "Label1=Bar Code Message: | Label2=Bar Height (cm) | Label3=Narrow Bar Width (.001cm) | Label5=UPC Supplemental: | Label6=Magnification (percent) | Label8=Total Symbol Height = | Label9=Comment Line: | CheckLabel=Bar To Bar Height = | TotalLength | CheckValue | BCHeight | NBWidth | Magnify | Supplement | Comment"},
        {"Ean8", {Ean8, Metric}, "Label1=Bar Code Message: | Label2=Bar Height (cm) | Label3=Narrow Bar Width (.001cm) | Label5=EAN Supplemental: | Label6=Magnification (percent) | Label8=Total Symbol Width = | Label9=Comment Line: | CheckLabel=Bar To Bar Width = | TotalLength | CheckValue | BCHeight | NBWidth | Magnify | Supplement | Comment"},
        {"BookLand", {BookLand, InchesMils}, "Label1=ISBN Number: | Label2=Bar Height (inches) | Label3=Narrow Bar Width (mils) | Label5=Price/Supplemental: | Label6=Magnification (percent) | Label8=Total Symbol Width = | Label9=Comment Line: | CheckLabel=Bar To Bar Width = | TotalLength | CheckValue | BCHeight | NBWidth | Magnify | Supplement | Comment"},
        {"Code93", {Code93, Metric}, "Label1=Bar Code Message: | Label2=Bar Height (cm) | Label3=Narrow Bar Width (.001cm) | Label8=Total Symbol Width = | Label9=Comment Line: | CheckLabel=Check Digit Values = | TotalLength | CheckValue | BCHeight | NBWidth | Comment"},
        {"Code128", {Code128, PrinterDots}, "Label1=Bar Code Message: | Label2=Bar Height (printer dots) | Label3=Narrow Bar Width (dots) | Label8=Total Symbol Width = | Label9=Comment Line: | CheckLabel=Check Digit Value = | TotalLength | CheckValue | BCHeight | NBWidth | Comment"},
        {"Pdf417AspectRatio", {Pdf417, InchesMils}, "Label1=Bar Code Message: | Label2=Module Height (mils) | Label3=Module Width (mils) | Label6=Symbol Aspect Ratio | Label8=Total Symbol Width = | Label9=Comment Line: | CheckLabel=Total Symbol Height = | TotalLength | CheckValue | BCHeight | NBWidth | Magnify | Comment | EditorButton=Editor"},
        {"Pdf417ColumnsCodewordsRotated", {Pdf417, Metric, Vertical90, false, 1, 1}, "Label1=Bar Code Message: | Label2=Module Height (.001cm) | Label3=Module Width (.001cm) | Label5=Generated Code Words | Label6=Max # of Data Columns | Label8=Total Symbol Height = | Label9=Comment Line: | CheckLabel=Total Symbol Width = | TotalLength | CheckValue | BCHeight | NBWidth | Magnify | Supplement | Comment | EditorButton=Editor | MagnifyList=1..30 (30)"},
        {"Pdf417Rows", {Pdf417, PrinterDots, Horizontal, false, 0, 2}, "Label1=Bar Code Message: | Label2=Module Height (dots) | Label3=Module Width (dots) | Label6=Max # of Data Rows | Label8=Total Symbol Width = | Label9=Comment Line: | CheckLabel=Total Symbol Height = | TotalLength | CheckValue | BCHeight | NBWidth | Magnify | Comment | EditorButton=Editor | MagnifyList=3..90 (88)"},
        {"Aztec", {Aztec, InchesMils}, "Label1=Bar Code Message: | Label3=Module Size (mils) | Label8=Total Symbol Width = | Label9=Comment Line: | CheckLabel=Total Symbol Height = | TotalLength | CheckValue | NBWidth | Comment | EditorButton=Editor"},
        {"DataMatrixRotated", {DataMatrix, Metric, Vertical270}, "Label1=Bar Code Message: | Label3=Module Size (.001cm) | Label8=Total Symbol Height = | Label9=Comment Line: | CheckLabel=Total Symbol Width = | TotalLength | CheckValue | NBWidth | Comment | EditorButton=Editor"},
        {"AztecDots", {Aztec, PrinterDots}, "Label1=Bar Code Message: | Label3=Module Size (dots) | Label8=Total Symbol Width = | Label9=Comment Line: | CheckLabel=Total Symbol Height = | TotalLength | CheckValue | NBWidth | Comment | EditorButton=Editor"},
        {"Rss14", {Rss14, InchesMils}, "Label1=Bar Code Message: | Label2=Bar Height (inches) | Label3=Narrow Bar Width (mils) | Label5=Composite Message: | Label8=Total Symbol Width = | Label9=Comment Line: | CheckLabel=Total Symbol Height = | TotalLength | CheckValue | BCHeight | NBWidth | Supplement | Comment"},
        {"Rss14StackedNoHeight", {Rss14Stacked, Metric, Vertical90}, "Label1=Bar Code Message: | Label3=Narrow Bar Width (.001cm) | Label5=Composite Message: | Label8=Total Symbol Height = | Label9=Comment Line: | CheckLabel=Total Symbol Width = | TotalLength | CheckValue | NBWidth | Supplement | Comment"},
        {"Rss14StackedOmniNoHeight", {Rss14StackedOmni, PrinterDots}, "Label1=Bar Code Message: | Label3=Narrow Bar Width (dots) | Label5=Composite Message: | Label8=Total Symbol Width = | Label9=Comment Line: | CheckLabel=Total Symbol Height = | TotalLength | CheckValue | NBWidth | Supplement | Comment"},
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

// PDF417 to RSS Limited show their height in CheckValue, but MSI Plessey,
// among them in the menu, keeps its check digit. Before the value labels, the
// job's dots (300 x 600 dpi by default and here, starting as 1 and 2) follow
// the orientation.
TEST(MeasurementsPanel, ShowsTheLastSymbolsSizeAndDerivesDots) {
    const struct {
        const char* name;
        PanelJob setup;
        std::int32_t width, height;
        const char* shown; // TotalLength | CheckValue | DotsAcross x DotsAlong
    } rows[] = {
        // The renderer left "old" and "7" in the value labels.
        // clang-format off
        {"EanUcc128KeepsCheckText", {EanUcc128, InchesMils}, 5080, 1270, "2.00 \" | 7 | 300x600"},
        {"NoSymbolKeepsBoth", {Pdf417, Metric, Vertical90}, 0, 1270, "old | 7 | 600x300"},
        {"Pdf417HeightRounded", {Pdf417, Metric}, 12346, 0, "12.35 cm | 0.00 cm | 300x600"},
        {"RssLimitedDotsInInches", {RssLimited, PrinterDots, Vertical270}, 3810, 2540, "1.50 \" | 1.00 \" | 600x300"},
        {"MsiKeepsCheckDigit", {MsiPlessey, InchesMils}, 5080, 1270, "2.00 \" | 7 | 300x600"},
        {"PostnetEndsBefore", {Postnet, InchesMils, Vertical90}, 5080, 1270, "old | 7 | 1x2"},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        MeasurementsPanel panel;
        panel.setTotalLength("old");
        panel.setCheckValue("7");
        const Job job = refresh(panel, row.setup, row.width, row.height);
        EXPECT_EQ(panel.TotalLength.caption + " | " + panel.CheckValue.caption + " | " +
                      std::to_string(job.DotsAcross) + "x" + std::to_string(job.DotsAlong),
                  row.shown);
    }
}

} // namespace
} // namespace vornik::render
