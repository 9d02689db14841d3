#include "core/app/dimension_boxes.h"

#include "core/app/number_format.h"
#include "core/app/numeric_text.h"
#include "core/app/rounding.h"
#include "core/app/units.h"
#include "core/twod/pdf417_layout.h"

#include <algorithm>

namespace vornik {

namespace {

// The magnification is relative to a 13 mil narrow bar.
constexpr double kReferenceMils = 13.0;
constexpr double kCentimetreThousandthsPerMil = 2.54;

// Typing or sending the value a field already holds leaves the job unchanged,
// and so does not mark it changed.
template <typename T> void assign(T& field, T value, RunState& state) {
    if (field != value) {
        field = value;
        state.Dirty = true;
    }
}

// What PDF417's magnification box edits, after PdfLayoutFlag: the aspect
// ratio, or with 1 the column limit and with 2 the row limit.
enum class PdfLayoutBox { AspectRatio, ColumnLimit, RowLimit };

PdfLayoutBox pdfLayoutRule(const Job& job) {
    if (job.PdfLayoutFlag == 1)
        return PdfLayoutBox::ColumnLimit;
    if (job.PdfLayoutFlag == 2)
        return PdfLayoutBox::RowLimit;
    return PdfLayoutBox::AspectRatio;
}

bool editsModuleSize(Symbology symbology) {
    return symbology == Symbology::Aztec || symbology == Symbology::DataMatrix;
}

} // namespace

bool DimensionBoxes::widthBoxShowsNarrowBar() const {
    return job_.Symbology != Symbology::Pdf417 && !editsModuleSize(job_.Symbology);
}

bool DimensionBoxes::coupled(BoxEdit edit) {
    if (edit == BoxEdit::Typed)
        return true;
    if (edit == BoxEdit::Command && state_.CommandJustSetDimension) {
        state_.CommandJustSetDimension = false;
        return true;
    }
    return false;
}

void DimensionBoxes::editWidth(std::string text, BoxEdit edit) {
    widthText_ = std::move(text);
    if (edit == BoxEdit::Display)
        return;
    const float width = ToInternalWidth(widthText_, job_.Units, job_.DotsAcross);
    if (job_.Symbology == Symbology::Pdf417)
        assign(job_.PdfModuleWidth, width, state_);
    else if (editsModuleSize(job_.Symbology))
        assign(job_.ModuleSize, width, state_);
    else
        assign(job_.NarrowBarWidth, width, state_);
    if (job_.Symbology != Symbology::Pdf417 && coupled(edit))
        magnificationFollowsWidth();
}

void DimensionBoxes::editHeight(std::string text, BoxEdit edit) {
    heightText_ = std::move(text);
    if (edit == BoxEdit::Display)
        return;
    if (job_.Symbology == Symbology::DataMatrix)
        return; // Data Matrix modules are square: it has no height box
    if (job_.Symbology == Symbology::Pdf417 || job_.Symbology == Symbology::Aztec)
        assign(job_.PdfModuleHeight,
               ToInternalModuleHeight(heightText_, job_.Units, job_.DotsAlong), state_);
    else
        assign(job_.BarHeight, ToInternalHeight(heightText_, job_.Units, job_.DotsAlong), state_);
}

void DimensionBoxes::editMagnify(std::string text, BoxEdit edit) {
    magnifyText_ = std::move(text);
    if (edit == BoxEdit::Display)
        return;
    if (job_.Symbology == Symbology::Pdf417) {
        editPdfLayoutLimit();
        return;
    }
    assign(job_.Magnification, toSingle(leadingNumber(magnifyText_)), state_);
    if (coupled(edit))
        widthFollowsMagnification();
}

// PDF417's box holds what its layout rule is steered by: the aspect ratio,
// or with a fixed row or column count the column or row limit. The box takes
// three digits, but no symbol has more than 30 columns or 90 rows, so a
// larger limit means the same as the largest; it is stored as that, which is
// also all a command or a configuration file may set.
void DimensionBoxes::editPdfLayoutLimit() {
    const double value = leadingNumber(magnifyText_);
    switch (pdfLayoutRule(job_)) {
    case PdfLayoutBox::AspectRatio:
        assign(job_.PdfAspectRatio, value, state_);
        return;
    case PdfLayoutBox::ColumnLimit:
        assign(job_.PdfMaxColumns, std::min(nearest(value), twod::kMostColumns), state_);
        return;
    case PdfLayoutBox::RowLimit:
        assign(job_.PdfMaxRows, std::min(nearest(value), twod::kMostRows), state_);
        return;
    }
}

std::string DimensionBoxes::pdfLayoutText() const {
    switch (pdfLayoutRule(job_)) {
    case PdfLayoutBox::AspectRatio:
        break;
    case PdfLayoutBox::ColumnLimit:
        return std::to_string(job_.PdfMaxColumns);
    case PdfLayoutBox::RowLimit:
        return std::to_string(job_.PdfMaxRows);
    }
    return formatNumber(job_.PdfAspectRatio, "0.000");
}

void DimensionBoxes::commandSetMagnification(double magnification) {
    assign(job_.Magnification, toSingle(magnification), state_);
    magnifyText_ = formatNumber(magnification, "###");
    state_.CommandJustSetDimension = false;
    widthFollowsMagnification();
}

void DimensionBoxes::magnificationFollowsWidth() {
    assign(job_.Magnification,
           toSingle(job_.NarrowBarWidth * 100.0 / kReferenceMils / kCentimetreThousandthsPerMil),
           state_);
    magnifyText_ = formatNumber(job_.Magnification, "##0");
}

void DimensionBoxes::widthFollowsMagnification() {
    const double mils = kReferenceMils * job_.Magnification / 100.0;
    assign(job_.NarrowBarWidth, toSingle(mils * kCentimetreThousandthsPerMil), state_);
    if (!widthBoxShowsNarrowBar())
        return;
    switch (job_.Units) {
    case Units::InchesMils:
        widthText_ = formatNumber(mils, "#0.0#");
        break;
    case Units::Metric:
        widthText_ = formatNumber(mils * kCentimetreThousandthsPerMil, "#0.0#");
        break;
    case Units::PrinterDots:
        widthText_ = formatNumber(mils * job_.DotsAcross / 1000.0, "##0");
        break;
    }
}

void DimensionBoxes::showStartupTexts() {
    widthText_ = "13";
    heightText_ = "1";
    magnifyText_ = "100";
}

std::string DimensionBoxes::formatWidthForDisplay(float internalWidth) const {
    switch (job_.Units) {
    case Units::InchesMils:
        return formatNumber(internalWidth / 2.54, "#0.00#");
    case Units::Metric:
        return formatNumber(internalWidth, "#0.00#");
    case Units::PrinterDots:
        return formatNumber(internalWidth / 2540.0 * job_.DotsAcross, "##0");
    }
    return formatNumber(internalWidth, "#0.00#");
}

void DimensionBoxes::showJobValues() {
    const bool pdf = job_.Symbology == Symbology::Pdf417;
    const float width = pdf                               ? job_.PdfModuleWidth
                        : editsModuleSize(job_.Symbology) ? job_.ModuleSize
                                                          : job_.NarrowBarWidth;
    widthText_ = formatWidthForDisplay(width);
    if (pdf || job_.Symbology == Symbology::Aztec) {
        // A module height is a width-like length (0.001 cm) measured along the bars.
        const double height = job_.PdfModuleHeight;
        heightText_ = job_.Units == Units::InchesMils ? formatNumber(height / 2.54, "#0.00#")
                      : job_.Units == Units::Metric
                          ? formatNumber(height, "#0.00#")
                          : formatNumber(height / 2540.0 * job_.DotsAlong, "##0");
    } else {
        const double height = job_.BarHeight;
        heightText_ = job_.Units == Units::InchesMils ? formatNumber(height / 2.54, "#0.00#")
                      : job_.Units == Units::Metric
                          ? formatNumber(height, "#0.00#")
                          : formatNumber(height / 2.54 * job_.DotsAlong, "##0");
    }
    magnifyText_ = pdf ? pdfLayoutText() : formatNumber(job_.Magnification, "##0");
}

} // namespace vornik
