// Commands without a value: actions, and settings switched on or off.

#include "core/app/print_command.h"
#include "core/app/save_bar_code.h"
#include "core/dde/command_call.h"

#include <array>

namespace vornik::dde {

namespace {

Outcome buildCopy(CommandCall& call) {
    call.app.host().emptyClipboard();
    call.app.Build();
    return kAccepted;
}

Outcome pasteMessage(CommandCall& call) {
    auto text = call.app.host().clipboardText();
    if (!text)
        return Refusal::ClipboardHasNoText;
    call.set(call.job().Message, *text);
    return kAccepted;
}

Outcome pasteBuildCopy(CommandCall& call) {
    const Outcome pasted = pasteMessage(call);
    buildCopy(call);
    return pasted;
}

// The main window's Paste: the clipboard's text goes into the message box at
// its cursor, which stands at the start of a message set from outside, as
// every message is under automation.
Outcome pasteData(CommandCall& call) {
    auto text = call.app.host().clipboardText();
    if (!text)
        return Refusal::ClipboardHasNoText;
    call.set(call.job().Message, *text + call.job().Message);
    return kAccepted;
}

Outcome copyMessage(CommandCall& call) {
    call.app.host().setClipboardText(call.job().Message);
    return kAccepted;
}

Outcome copyComment(CommandCall& call) {
    call.app.host().setClipboardText(call.job().Comment);
    return kAccepted;
}

Outcome pasteComment(CommandCall& call) {
    auto text = call.app.host().clipboardText();
    if (!text)
        return Refusal::ClipboardHasNoText;
    call.set(call.job().Comment, *text);
    return kAccepted;
}

Outcome saveBarCodeCommand(CommandCall& call) {
    return saveOutcome(saveBarCode(call.app));
}

Outcome newJob(CommandCall& call) {
    call.app.ResetJob();
    return kAccepted;
}

Outcome beep(CommandCall& call) {
    call.app.host().beep();
    return kAccepted;
}

Outcome printOutcome(PrintOutcome outcome) {
    switch (outcome) {
    case PrintOutcome::Printed:
        return kAccepted;
    case PrintOutcome::NothingToPrint:
        return Refusal::NothingToPrint;
    case PrintOutcome::Failed:
        return Refusal::PrintFailed;
    }
    return Refusal::PrintFailed;
}

template <bool Eject> Outcome print(CommandCall& call) {
    return printOutcome(printSymbol(call.app, Eject));
}

Outcome ejectPageCommand(CommandCall& call) {
    return printOutcome(ejectPage(call.app));
}

Outcome fitToDotsCommand(CommandCall& call) {
    call.app.fitToPrinterDots();
    return kAccepted;
}

template <WindowState State> Outcome windowState(CommandCall& call) {
    call.app.host().setWindowState(State);
    return kAccepted;
}

Outcome appExit(CommandCall& call) {
    call.app.state().ExitRequested = true;
    return kAccepted;
}

// A command that switches a toggle of the Preferences menu only when the
// requested state differs, so that a symbol on display is rebuilt once.
template <bool Job::*Field, void (Application::*Toggle)(), bool Wanted>
Outcome switchThroughMenu(CommandCall& call) {
    if (call.job().*Field != Wanted)
        (call.app.*Toggle)();
    return kAccepted;
}

template <Orientation Value> Outcome orientation(CommandCall& call) {
    call.app.setOrientation(Value);
    return kAccepted;
}

template <Units Value> Outcome units(CommandCall& call) {
    call.app.setUnits(Value);
    return kAccepted;
}

template <CommentAlignment Value> Outcome commentAlign(CommandCall& call) {
    call.app.setCommentAlign(Value);
    return kAccepted;
}

template <bool Ansi> Outcome displaySet(CommandCall& call) {
    call.app.setAnsiDisplay(Ansi);
    return kAccepted;
}

template <std::int32_t Value> Outcome pdfCharacterSet(CommandCall& call) {
    call.app.setPdfCharacterSet(Value);
    return kAccepted;
}

template <bool Bold, bool Italic> Outcome fontStyle(CommandCall& call) {
    call.set(call.job().FontBold, Bold);
    call.set(call.job().FontItalic, Italic);
    return kAccepted;
}

constexpr auto kActions = std::to_array<CommandEntry>({
    {"[BUILD/COPY]", Match::Exact, buildCopy},
    {"[BUILDCOPY]", Match::Exact, buildCopy},
    {"[PASTE]", Match::Exact, pasteMessage},
    {"[PASTEMESSAGE]", Match::Exact, pasteMessage},
    {"[PASTE/BUILD/COPY]", Match::Exact, pasteBuildCopy},
    {"[PASTEDATA]", Match::Exact, pasteData},
    {"[COPYMESSAGE]", Match::Exact, copyMessage},
    {"[COPYCOMMENT]", Match::Exact, copyComment},
    {"[PASTECOMMENT]", Match::Exact, pasteComment},
    {"[PRINT]", Match::Exact, print<true>},
    {"[PRINTNOEJECT]", Match::Exact, print<false>},
    {"[EJECTPAGE]", Match::Exact, ejectPageCommand},
    {"[FITTODOTS]", Match::Exact, fitToDotsCommand},
    {"[NEW]", Match::Exact, newJob},
    {"[SAVEBARCODE]", Match::Exact, saveBarCodeCommand},
    {"[INCMESSAGE]", Match::Exact, setField<&Job::IncTarget, true>},
    {"[INCSUPPLEMENT]", Match::Exact, setField<&Job::IncTarget, false>},
    {"[TEXTABOVE=ON]", Match::Exact, setField<&Job::TextAbove, true>},
    {"[TEXTABOVE=OFF]", Match::Exact, setField<&Job::TextAbove, false>},
    {"[COMMENTABOVE=ON]", Match::Exact, setField<&Job::CommentAbove, true>},
    {"[COMMENTABOVE=OFF]", Match::Exact, setField<&Job::CommentAbove, false>},
    {"[COMMENTALIGNLEFT]", Match::Exact, commentAlign<CommentAlignment::Left>},
    {"[COMMENTALIGNCENTER]", Match::Exact, commentAlign<CommentAlignment::Center>},
    {"[COMMENTALIGNRIGHT]", Match::Exact, commentAlign<CommentAlignment::Right>},
    {"[TEXT=ON]", Match::Exact,
     switchThroughMenu<&Job::IncludeText, &Application::toggleIncludeText, true>},
    {"[TEXT=OFF]", Match::Exact,
     switchThroughMenu<&Job::IncludeText, &Application::toggleIncludeText, false>},
    {"[BEARERBARS=ON]", Match::Exact,
     switchThroughMenu<&Job::BearerBars, &Application::toggleBearerBars, true>},
    {"[BEARERBARS=OFF]", Match::Exact,
     switchThroughMenu<&Job::BearerBars, &Application::toggleBearerBars, false>},
    {"[QUIETZONES=ON]", Match::Exact, setField<&Job::QuietZones, true>},
    {"[QUIETZONES=OFF]", Match::Exact, setField<&Job::QuietZones, false>},
    {"[CODE39CHECK=ON]", Match::Exact, setField<&Job::CheckDigit, true>},
    {"[I2OF5CHECK=ON]", Match::Exact, setField<&Job::CheckDigit, true>},
    {"[CODE39CHECK=OFF]", Match::Exact, setField<&Job::CheckDigit, false>},
    {"[I2OF5CHECK=OFF]", Match::Exact, setField<&Job::CheckDigit, false>},
    {"[DISPLAYASCII]", Match::Exact, displaySet<false>},
    {"[DISPLAYANSI]", Match::Exact, displaySet<true>},
    {"[MESSAGEWARNINGS=ON]", Match::Exact, setField<&Job::MessageWarnings, true>},
    {"[MESSAGEWARNINGS=OFF]", Match::Exact, setField<&Job::MessageWarnings, false>},
    {"[PRINTWARNINGS=ON]", Match::Exact, setField<&Job::PrintWarnings, true>},
    {"[PRINTWARNINGS=OFF]", Match::Exact, setField<&Job::PrintWarnings, false>},
    {"[FIXDRIVER=ON]", Match::Exact, setField<&Job::FixDriver, true>},
    {"[FIXDRIVER=OFF]", Match::Exact, setField<&Job::FixDriver, false>},
    {"[HORIZONTAL]", Match::Exact, orientation<Orientation::Horizontal>},
    {"[VERTDOWN]", Match::Exact, orientation<Orientation::Vertical90>},
    {"[VERTUP]", Match::Exact, orientation<Orientation::Vertical270>},
    {"[INCHES]", Match::Exact, units<Units::InchesMils>},
    {"[METRIC]", Match::Exact, units<Units::Metric>},
    {"[DOTS]", Match::Exact, units<Units::PrinterDots>},
    {"[TRANSPARENT]", Match::Exact, setField<&Job::Transparent, true>},
    {"[SAVEMODEMETA]", Match::Exact, setField<&Job::ClipboardMode, 0>},
    {"[SAVEMODEBMP]", Match::Exact, setField<&Job::ClipboardMode, 1>},
    {"[UNDERLINE=ON]", Match::Exact, setField<&Job::FontUnderline, true>},
    {"[UNDERLINE=OFF]", Match::Exact, setField<&Job::FontUnderline, false>},
    {"[STRIKEOUT=ON]", Match::Exact, setField<&Job::FontStrikeout, true>},
    {"[STRIKEOUT=OFF]", Match::Exact, setField<&Job::FontStrikeout, false>},
    {"[FONTSCALING=ON]", Match::Exact, setField<&Job::AutoFontScaling, true>},
    {"[FONTSCALING=OFF]", Match::Exact, setField<&Job::AutoFontScaling, false>},
    {"[FONTREGULAR]", Match::Exact, fontStyle<false, false>},
    {"[FONTBOLD]", Match::Exact, fontStyle<true, false>},
    {"[FONTITALIC]", Match::Exact, fontStyle<false, true>},
    {"[FONTBOLDITALIC]", Match::Exact, fontStyle<true, true>},
    {"[PDFSECURITY=AUTO]", Match::Exact, setField<&Job::PdfSecurityLevel, 9>},
    {"[PDFMODE=AUTOEBN]", Match::Exact, setField<&Job::PdfMode, 0>},
    {"[PDFMODE=AUTOEB]", Match::Exact, setField<&Job::PdfMode, 1>},
    {"[PDFMODE=EXC]", Match::Exact, setField<&Job::PdfMode, 2>},
    {"[PDFMODE=BIN]", Match::Exact, setField<&Job::PdfMode, 3>},
    {"[PDFMODE=NUM]", Match::Exact, setField<&Job::PdfMode, 4>},
    {"[PDFCODEWORDS=ON]", Match::Exact, setField<&Job::PdfShowCodewords, 1>},
    {"[PDFCODEWORDS=OFF]", Match::Exact, setField<&Job::PdfShowCodewords, 0>},
    {"[TRUNCATEDPDF=ON]", Match::Exact, setField<&Job::PdfTruncated, 1>},
    {"[TRUNCATEDPDF=OFF]", Match::Exact, setField<&Job::PdfTruncated, 0>},
    {"[PDFSET=DISPLAYSET]", Match::Exact, pdfCharacterSet<0>},
    {"[PDFSET=ASCII]", Match::Exact, pdfCharacterSet<1>},
    {"[PDFSET=ANSI]", Match::Exact, pdfCharacterSet<2>},
    {"[AZTECMENU=ON]", Match::Exact, setField<&Job::AztecMenuFlag, 1>},
    {"[AZTECMENU=OFF]", Match::Exact, setField<&Job::AztecMenuFlag, 0>},
    {"[DMSTANDARD=ON]", Match::Exact, setField<&Job::DmStandard, 1>},
    {"[DMSTANDARD=OFF]", Match::Exact, setField<&Job::DmStandard, 0>},
    {"[BEEP]", Match::Exact, beep},
    {"[APPNORMAL]", Match::Exact, windowState<WindowState::Normal>},
    {"[APPMINIMIZE]", Match::Exact, windowState<WindowState::Minimized>},
    {"[APPEXIT]", Match::Exact, appExit},
});

} // namespace

std::span<const CommandEntry> actionCommands() {
    return kActions;
}

Outcome selectSymbology(CommandCall& call, Symbology symbology) {
    call.app.MCode_Click(symbology);
    // Refused when the selection was abandoned (PDF417 without its pattern
    // file), so that the client does not build with the old symbology unawares.
    if (call.app.job().Symbology != symbology)
        return Refusal::SymbologyNotSelected;
    return kAccepted;
}

} // namespace vornik::dde
