#include "core/app/preference_commands.h"

#include "core/app/application.h"
#include "core/app/bar_width_captions.h"

namespace vornik {

namespace {

// Assigns a job field and marks the job changed; true when it changed.
template <typename T> bool change(Application& app, T& field, const T& value) {
    if (field == value)
        return false;
    field = value;
    app.state().Dirty = true;
    return true;
}

void rebuildIfBuilt(Application& app) {
    if (app.state().SymbolBuilt)
        app.Build();
}

// The job keeps the face name followed by the NUL that ends it in a font record.
std::string faceName(const std::string& stored) {
    return stored.substr(0, stored.find('\0'));
}

} // namespace

FontChoice currentFontChoice(const Job& job) {
    return {.name = faceName(job.FontName),
            .size = job.FontSize,
            .bold = job.FontBold,
            .italic = job.FontItalic,
            .underline = job.FontUnderline,
            .strikeout = job.FontStrikeout,
            .color = job.FontColor};
}

std::optional<std::string> applyFontChoice(Application& app, const FontChoice& choice) {
    if (choice.name.empty())
        return "A font must be chosen by its name.";
    if (choice.size < kSmallestFontSize || choice.size > kLargestFontSize)
        return "The font size runs from 1 to 32767 points.";
    if (choice == currentFontChoice(app.job()))
        return std::nullopt;
    Job& job = app.job();
    job.FontName = choice.name + '\0';
    job.FontSize = choice.size;
    job.FontBold = choice.bold;
    job.FontItalic = choice.italic;
    job.FontUnderline = choice.underline;
    job.FontStrikeout = choice.strikeout;
    job.FontColor = choice.color;
    app.state().Dirty = true;
    rebuildIfBuilt(app);
    return std::nullopt;
}

void applyForeColor(Application& app, ColorRef color) {
    if (change(app, app.job().ForeColor, color))
        rebuildIfBuilt(app);
}

void applyBackColor(Application& app, ColorRef color) {
    const bool changed = change(app, app.job().BackColor, color);
    if (change(app, app.job().Transparent, false) || changed)
        rebuildIfBuilt(app);
}

void chooseTransparentBackground(Application& app) {
    if (change(app, app.job().Transparent, true))
        rebuildIfBuilt(app);
}

void toggleMessageWarnings(Application& app) {
    change(app, app.job().MessageWarnings, !app.job().MessageWarnings);
}

void togglePrintWarnings(Application& app) {
    change(app, app.job().PrintWarnings, !app.job().PrintWarnings);
}

void toggleFixDriver(Application& app) {
    change(app, app.job().FixDriver, !app.job().FixDriver);
}

void toggleDisableAutoCheck(Application& app) {
    app.job().DisableAutoCheck = !app.job().DisableAutoCheck;
}

bool setBarWidthStep(Application& app, int step) {
    if (step < 0 || step >= kBarWidthSteps)
        return false;
    const std::int32_t adjust = app.job().BarWidthAdjust;
    change(app, app.job().BarWidthAdjust, (adjust & ~kBarWidthStepMask) | step);
    return true;
}

void setBarWidthGain(Application& app, bool gain) {
    const std::int32_t adjust = app.job().BarWidthAdjust;
    const std::int32_t wanted = gain ? adjust | kBarWidthGainBit : adjust & ~kBarWidthGainBit;
    change(app, app.job().BarWidthAdjust, wanted);
}

void clearClipboardFormatChecks(Application& app) {
    app.state().ClipboardFormatChecks.fill(false);
}

} // namespace vornik
