// The Preferences menu's commands that change how the symbol is drawn. Each
// marks the job changed; those that change the drawing rebuild a symbol that
// is on display, so the user sees the effect at once.

#include "core/app/application.h"

namespace vornik {

void Application::rebuildIfBuilt() {
    if (state_.SymbolBuilt)
        Build();
}

// Text placement options mean nothing to PDF417, so toggling them leaves its
// symbol alone.
void Application::rebuildTextOption() {
    if (job_.Symbology != Symbology::Pdf417)
        rebuildIfBuilt();
}

void Application::toggleIncludeText() {
    job_.IncludeText = !job_.IncludeText;
    state_.Dirty = true;
    rebuildTextOption();
}

void Application::toggleTextAbove() {
    job_.TextAbove = !job_.TextAbove;
    state_.Dirty = true;
    rebuildTextOption();
}

void Application::toggleCommentAbove() {
    job_.CommentAbove = !job_.CommentAbove;
    state_.Dirty = true;
    rebuildTextOption();
}

void Application::toggleAutoFontScaling() {
    job_.AutoFontScaling = !job_.AutoFontScaling;
    state_.Dirty = true;
    if (job_.IncludeText)
        rebuildIfBuilt();
}

void Application::toggleQuietZones() {
    job_.QuietZones = !job_.QuietZones;
    state_.Dirty = true;
    rebuildIfBuilt();
}

void Application::toggleBearerBars() {
    job_.BearerBars = !job_.BearerBars;
    state_.Dirty = true;
    rebuildIfBuilt();
}

// The panel shows the check digit's label only while the digit is drawn,
// and a value switched off is cleared rather than left standing.
void Application::toggleCheckDigit() {
    job_.CheckDigit = !job_.CheckDigit;
    state_.Dirty = true;
    if (!job_.CheckDigit)
        panel_.setCheckValue("");
    refreshPanel();
    rebuildIfBuilt();
}

void Application::setCommentAlign(CommentAlignment alignment) {
    if (job_.CommentAlign == alignment)
        return;
    job_.CommentAlign = alignment;
    state_.Dirty = true;
    rebuildIfBuilt();
}

void Application::setOrientation(Orientation orientation) {
    if (job_.Orientation != orientation)
        state_.Dirty = true;
    job_.Orientation = orientation;
    refreshPanel();
    rebuildIfBuilt();
}

void Application::setUnits(Units units) {
    if (job_.Units != units)
        state_.Dirty = true;
    job_.Units = units;
    refreshPanel();
}

void Application::setTargetResolution(int dotsPerInchX, int dotsPerInchY) {
    if (job_.TargetDpiX == dotsPerInchX && job_.TargetDpiY == dotsPerInchY)
        return;
    job_.TargetDpiX = dotsPerInchX;
    job_.TargetDpiY = dotsPerInchY;
    state_.Dirty = true;
    refreshPanel();
}

void Application::setPdfCharacterSet(std::int32_t characterSet) {
    if (job_.PdfCharacterSet != characterSet)
        state_.Dirty = true;
    job_.PdfCharacterSet = characterSet;
}

void Application::setAnsiDisplay(bool ansi) {
    if (job_.AnsiDisplay != ansi)
        state_.Dirty = true;
    job_.AnsiDisplay = ansi;
    host_.viewChanged();
}

} // namespace vornik
