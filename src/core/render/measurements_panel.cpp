#include "core/render/measurements_panel.h"

#include "core/app/number_format.h"

namespace vornik::render {

namespace {

// Symbologies that share the panel's layout.
enum class PanelGroup {
    Ratio,    // Code 39, Interleaved and Discrete 2 of 5, Codabar
    UpcEan,   // UPC-A to BookLand
    Code93,   // two check characters
    Code128,  // Code 128 and EAN/UCC 128
    Pdf417,   // module width and height, layout limit in the Magnify box
    Matrix,   // Aztec Code and Data Matrix: one module size
    Msi,      // ratio, check digit always
    Rss,      // composite message in the supplement box
    FourState // POSTNET and BPO: fixed dimensions
};

PanelGroup groupOf(Symbology symbology) {
    using enum Symbology;
    switch (symbology) {
    case Code39:
    case Code39FullAscii:
    case Interleaved2of5:
    case Discrete2of5:
    case Codabar:
        return PanelGroup::Ratio;
    case UpcA:
    case UpcE:
    case UpcE1:
    case Ean8:
    case Ean13:
    case BookLand:
        return PanelGroup::UpcEan;
    case Code93:
        return PanelGroup::Code93;
    case Code128:
    case EanUcc128:
        return PanelGroup::Code128;
    case Pdf417:
        return PanelGroup::Pdf417;
    case Aztec:
    case DataMatrix:
        return PanelGroup::Matrix;
    case MsiPlessey:
        return PanelGroup::Msi;
    case Rss14:
    case Rss14Stacked:
    case Rss14StackedOmni:
    case RssLimited:
        return PanelGroup::Rss;
    case Postnet:
    case Bpo4State:
        return PanelGroup::FourState;
    }
    return PanelGroup::Ratio;
}

// The captions of the height and width labels in one display unit.
struct UnitCaptions {
    const char* barHeight;
    const char* narrowBar;
    const char* moduleHeight;
    const char* moduleWidth;
    const char* moduleSize;
};

constexpr UnitCaptions kInchCaptions{"Bar Height (inches)", "Narrow Bar Width (mils)",
                                     "Module Height (mils)", "Module Width (mils)",
                                     "Module Size (mils)"};
constexpr UnitCaptions kMetricCaptions{"Bar Height (cm)", "Narrow Bar Width (.001cm)",
                                       "Module Height (.001cm)", "Module Width (.001cm)",
                                       "Module Size (.001cm)"};
constexpr UnitCaptions kDotCaptions{"Bar Height (printer dots)", "Narrow Bar Width (dots)",
                                    "Module Height (dots)", "Module Width (dots)",
                                    "Module Size (dots)"};

const UnitCaptions& captionsFor(Units units) {
    switch (units) {
    case Units::InchesMils:
        return kInchCaptions;
    case Units::Metric:
        return kMetricCaptions;
    case Units::PrinterDots:
        return kDotCaptions;
    }
    return kInchCaptions;
}

const char* supplementCaption(Symbology symbology) {
    if (symbology == Symbology::Ean8 || symbology == Symbology::Ean13)
        return "EAN Supplemental:";
    if (symbology == Symbology::BookLand)
        return "Price/Supplemental:";
    return "UPC Supplemental:";
}

bool rotated(const Job& job) {
    return job.Orientation != Orientation::Horizontal;
}

std::vector<std::int32_t> countingList(std::int32_t first, std::int32_t last) {
    std::vector<std::int32_t> items;
    for (std::int32_t item = first; item <= last; ++item)
        items.push_back(item);
    return items;
}

} // namespace

std::string formatSymbolLength(std::int32_t units, Units displayUnits) {
    if (displayUnits == Units::Metric)
        return formatNumber(units / 1000.0, "#0.00\" cm\"");
    return formatNumber(units / 2540.0, "#0.00 \\\"");
}

std::array<NamedPanelItem, 17> MeasurementsPanel::controls() const {
    return {{{"Label1", &Label1},
             {"Label2", &Label2},
             {"Label3", &Label3},
             {"Label5", &Label5},
             {"Label6", &Label6},
             {"Label8", &Label8},
             {"Label9", &Label9},
             {"CheckLabel", &CheckLabel},
             {"TotalLength", &TotalLength},
             {"CheckValue", &CheckValue},
             {"BCHeight", &BCHeight},
             {"NBWidth", &NBWidth},
             {"RatioList", &RatioList},
             {"Magnify", &Magnify},
             {"Supplement", &Supplement},
             {"Comment", &Comment},
             {"EditorButton", &EditorButton}}};
}

void MeasurementsPanel::Refresh(Job& job, std::int32_t SymbolWidth, std::int32_t SymbolHeight) {
    showComment(job.Symbology);
    showMessageCaption(job.Symbology);
    firstPass(job.Symbology);
    showTotalCaption(job);
    if (groupOf(job.Symbology) == PanelGroup::FourState)
        return; // fixed dimensions: no boxes, and the job is left as it is
    showUnitCaptions(job);
    secondPass(job);
    deriveDots(job);
    showLengths(job, SymbolWidth, SymbolHeight);
}

void MeasurementsPanel::showComment(Symbology symbology) {
    const bool comment = groupOf(symbology) != PanelGroup::FourState;
    Label9.visible = Comment.visible = comment;
    if (comment)
        return;
    for (PanelItem* item : {&Label2, &Label3, &BCHeight, &NBWidth})
        item->visible = false;
}

void MeasurementsPanel::showMessageCaption(Symbology symbology) {
    Label1.caption = symbology == Symbology::BookLand ? "ISBN Number:" : "Bar Code Message:";
    CheckLabel.visible = false;
}

// First pass: hides what the symbology does not use (RSS shows its
// composite box here).
void MeasurementsPanel::firstPass(Symbology symbology) {
    switch (groupOf(symbology)) {
    case PanelGroup::Ratio:
        Magnify.visible = Label5.visible = Supplement.visible = false;
        break;
    case PanelGroup::UpcEan:
        RatioList.visible = false;
        break;
    case PanelGroup::Rss:
        RatioList.visible = Magnify.visible = Label6.visible = false;
        Label5 = {true, "Composite Message:"};
        Supplement.visible = true;
        break;
    case PanelGroup::Code93:
    case PanelGroup::Code128:
    case PanelGroup::Pdf417:
    case PanelGroup::Matrix:
    case PanelGroup::Msi:
    case PanelGroup::FourState:
        RatioList.visible = Magnify.visible = Label5.visible = Supplement.visible = false;
        if (symbology != Symbology::Pdf417)
            Label6.visible = false;
        break;
    }
    CheckValue.visible = EditorButton.visible = false;
    MagnifyList.clear();
}

void MeasurementsPanel::showTotalCaption(const Job& job) {
    Label8.caption = rotated(job) ? "Total Symbol Height =" : "Total Symbol Width =";
    Label8.visible = TotalLength.visible = true;
}

void MeasurementsPanel::showUnitCaptions(const Job& job) {
    const UnitCaptions& captions = captionsFor(job.Units);
    const bool pdf = job.Symbology == Symbology::Pdf417;
    Label2.caption = pdf ? captions.moduleHeight : captions.barHeight;
    Label3.caption = pdf ? captions.moduleWidth : captions.narrowBar;
    Label2.visible = Label3.visible = BCHeight.visible = NBWidth.visible = true;
}

// Second pass: shows and captions what the symbology uses.
void MeasurementsPanel::secondPass(const Job& job) {
    switch (groupOf(job.Symbology)) {
    case PanelGroup::Ratio:
    case PanelGroup::Msi:
        return showRatio(job);
    case PanelGroup::UpcEan:
        return showUpcEan(job);
    case PanelGroup::Code93:
        return showCheck("Check Digit Values =");
    case PanelGroup::Code128:
        return showCheck("Check Digit Value =");
    case PanelGroup::Pdf417:
        return showPdf417(job);
    case PanelGroup::Matrix:
        return showModuleSize(job);
    case PanelGroup::Rss:
        return showRss(job);
    case PanelGroup::FourState:
        return;
    }
}

void MeasurementsPanel::showRatio(const Job& job) {
    Label6 = {true, "Narrow To Wide Ratio"};
    RatioList.visible = true;
    const bool code39 =
        job.Symbology == Symbology::Code39 || job.Symbology == Symbology::Code39FullAscii;
    if (job.Symbology == Symbology::MsiPlessey || (code39 && job.CheckDigit))
        showCheck("Check Digit Value =");
}

void MeasurementsPanel::showUpcEan(const Job& job) {
    Label6 = {true, "Magnification (percent)"};
    Magnify.visible = true;
    showCheck(rotated(job) ? "Bar To Bar Height =" : "Bar To Bar Width =");
    Label5 = {true, supplementCaption(job.Symbology)};
    Supplement.visible = true;
}

void MeasurementsPanel::showCheck(const char* caption) {
    CheckLabel = {true, caption};
    CheckValue.visible = true;
}

// Two-dimensional symbols show their second dimension beside the total.
void MeasurementsPanel::showSizeCheck(const Job& job) {
    showCheck(rotated(job) ? "Total Symbol Width =" : "Total Symbol Height =");
}

void MeasurementsPanel::showPdf417(const Job& job) {
    showSizeCheck(job);
    EditorButton.visible = true;
    if (job.PdfShowCodewords != 0) {
        Label5 = {true, "Generated Code Words"};
        Supplement.visible = true;
    }
    Label6.visible = Magnify.visible = true;
    if (job.PdfLayoutFlag == 1) {
        Label6.caption = "Max # of Data Columns";
        MagnifyList = countingList(1, 30);
    } else if (job.PdfLayoutFlag == 2) {
        Label6.caption = "Max # of Data Rows";
        MagnifyList = countingList(3, 90);
    } else {
        Label6.caption = "Symbol Aspect Ratio";
    }
}

void MeasurementsPanel::showModuleSize(const Job& job) {
    showSizeCheck(job);
    EditorButton.visible = true;
    Label2.visible = Label6.visible = BCHeight.visible = false;
    Label3.caption = captionsFor(job.Units).moduleSize;
}

void MeasurementsPanel::showRss(const Job& job) {
    showSizeCheck(job);
    if (job.Symbology == Symbology::Rss14Stacked || job.Symbology == Symbology::Rss14StackedOmni)
        Label2.visible = BCHeight.visible = false;
}

void MeasurementsPanel::showLengths(const Job& job, std::int32_t SymbolWidth,
                                    std::int32_t SymbolHeight) {
    if (SymbolWidth == 0)
        return;
    TotalLength.caption = formatSymbolLength(SymbolWidth, job.Units);
    // PDF417 to RSS Limited show their height there. MSI Plessey sits among
    // them in the menu, but it is a linear symbology: its label holds its
    // check digit, which a height (of some earlier symbol) must not replace.
    const auto number = static_cast<std::int32_t>(job.Symbology);
    if (number >= 15 && number <= 22 && job.Symbology != Symbology::MsiPlessey)
        CheckValue.caption = formatSymbolLength(SymbolHeight, job.Units);
}

} // namespace vornik::render
