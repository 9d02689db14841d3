// Choosing a symbology, as the Symbology menu, the command keywords, a
// configuration file and start-up all do it.

#include "core/app/application.h"
#include "core/app/number_format.h"

namespace vornik {

namespace {

// The symbologies whose message box shows the whole 8-bit character range and
// whose supplement box may hold PDF417's generated codewords.
bool isTwoDimensionalWithFullCharset(Symbology symbology) {
    return symbology == Symbology::Pdf417 || symbology == Symbology::Aztec ||
           symbology == Symbology::DataMatrix;
}

} // namespace

void Application::MCode_Click(Symbology symbology) {
    const Symbology old = job_.Symbology;
    if (symbology == old)
        return;
    if (symbology == Symbology::Pdf417 && pdfLoadTables && !pdfLoadTables(*this)) {
        pdfTables_.patternFileMissing = false;
        return;
    }

    state_.Dirty = true;
    state_.SymbolBuilt = false;
    if (isTwoDimensionalWithFullCharset(old) && job_.PdfShowCodewords != 0)
        job_.Supplement.clear();
    job_.Symbology = symbology;
    if (isTwoDimensionalWithFullCharset(symbology))
        state_.BarPatternSaveEnabled = false;
    if (isUpcEanFamily(symbology) && !isUpcEanFamily(old))
        boxes_.editMagnify(formatNumber(job_.Magnification, "##0"), BoxEdit::Display);
    refreshPanel();
}

void Application::refreshPanel() {
    deriveDots(job_);
    panel_.Refresh(job_, state_.SymbolWidth, state_.SymbolHeight);
    boxes_.showJobValues();
    host_.viewChanged();
}

} // namespace vornik
