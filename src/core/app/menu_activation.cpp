// What a click on a menu item does: the core command it stands for, or the
// window's part when the item needs a dialog or window of the front end.

#include "core/app/application.h"
#include "core/app/file_menu_commands.h"
#include "core/app/main_menu.h"
#include "core/app/preference_commands.h"
#include "core/app/read_back_preference.h"
#include "core/files/bar_pattern_file.h"
#include "core/files/configuration.h"
#include "core/files/message_file.h"
#include "core/render/fim.h"
#include "core/serial/navigation.h"

#include <array>
#include <span>

namespace vornik {

namespace {

// A command gets the item's control-array index (-1 for a single control).
using MenuCommand = MenuOutcome (*)(Application&, int index);

struct MenuCommandEntry {
    std::string_view control;
    MenuCommand command;
};

// The command ran; what it came to (a cancelled dialog, a file that did not
// open) the user has seen.
template <auto Command> MenuOutcome run(Application& app, int) {
    (void)Command(app);
    return {};
}

template <void (Application::*Command)()> MenuOutcome member(Application& app, int) {
    (app.*Command)();
    return {};
}

template <FrontEndAction Action> MenuOutcome frontEnd(Application&, int) {
    return {.status = MenuStatus::FrontEnd, .action = Action};
}

MenuOutcome refused(std::string reason) {
    return {.status = MenuStatus::Refused, .refusal = std::move(reason)};
}

MenuOutcome build(Application& app, int) {
    app.Build();
    return {};
}

MenuOutcome selectSymbology(Application& app, int index) {
    app.MCode_Click(static_cast<Symbology>(index));
    return {};
}

MenuOutcome drawMark(Application& app, int index) {
    (void)render::drawFacingIdentificationMark(app, index);
    return {};
}

MenuOutcome align(Application& app, int index) {
    app.setCommentAlign(static_cast<CommentAlignment>(index));
    return {};
}

MenuOutcome orient(Application& app, int index) {
    app.setOrientation(static_cast<Orientation>(index));
    return {};
}

template <Units Value> MenuOutcome units(Application& app, int) {
    app.setUnits(Value);
    return {};
}

template <bool Ansi> MenuOutcome displaySet(Application& app, int) {
    app.setAnsiDisplay(Ansi);
    return {};
}

MenuOutcome pdfCharacterSet(Application& app, int index) {
    app.setPdfCharacterSet(index);
    return {};
}

MenuOutcome barWidthDirection(Application& app, int index) {
    setBarWidthGain(app, index == 1);
    return {};
}

MenuOutcome barWidthStep(Application& app, int index) {
    (void)setBarWidthStep(app, index);
    return {};
}

constexpr auto kMenuCommands = std::to_array<MenuCommandEntry>({
    // File
    {"MNew", run<MNew_Click>},
    {"MOpen", run<files::OpenConfiguration>},
    {"MSave", run<files::SaveConfiguration>},
    {"MSaveAs", run<files::SaveConfigurationAs>},
    {"MReadMsg", run<MReadMsg_Click>},
    {"MOpenMsg", run<MOpenMsg_Click>},
    {"MCloseMessage", run<files::CloseMessageFile>},
    {"MPrinter", frontEnd<FrontEndAction::TargetPrinterDialog>},
    {"PSetup", frontEnd<FrontEndAction::PrinterSetupDialog>},
    {"POffset", frontEnd<FrontEndAction::PrinterOffsetDialog>},
    {"PPrint", frontEnd<FrontEndAction::PrintDialog>},
    {"PPreview", frontEnd<FrontEndAction::PrintPreview>},
    {"MBSave", run<MBSave_Click>},
    {"mnuRaster", frontEnd<FrontEndAction::RasterPropertiesDialog>},
    {"dbpSave", run<files::SaveBarPatternFile>},
    {"MExit", frontEnd<FrontEndAction::Exit>},
    // Edit
    {"MCopy", build},
    {"CopyOpt", run<clearClipboardFormatChecks>},
    {"MPaste", frontEnd<FrontEndAction::Paste>},
    {"MIncNum", frontEnd<FrontEndAction::IncrementalNumbering>},
    {"MNext", run<serial::NextMessage>},
    {"MPrev", run<serial::PreviousMessage>},
    // Preferences
    {"Pref", member<&Application::toggleIncludeText>},
    {"TextAbove", member<&Application::toggleTextAbove>},
    {"CommentAbove", member<&Application::toggleCommentAbove>},
    {"align", align},
    {"MAutoFont", member<&Application::toggleAutoFontScaling>},
    {"MCustFont", frontEnd<FrontEndAction::FontDialog>},
    {"MFColor", frontEnd<FrontEndAction::ForeColorDialog>},
    {"Transparent", run<chooseTransparentBackground>},
    {"SMBColor", frontEnd<FrontEndAction::BackColorDialog>},
    {"QuietZones", member<&Application::toggleQuietZones>},
    {"BearerBars", member<&Application::toggleBearerBars>},
    {"Code39Check", member<&Application::toggleCheckDigit>},
    {"DisableAutoCheck", run<toggleDisableAutoCheck>},
    {"RedGain", barWidthDirection},
    {"BWRVal", barWidthStep},
    {"mAztecOpt", frontEnd<FrontEndAction::AztecOptionsDialog>},
    {"PDFOps", frontEnd<FrontEndAction::Pdf417OptionsDialog>},
    {"DMOpts", frontEnd<FrontEndAction::DataMatrixOptionsDialog>},
    {"MOrient", orient},
    {"Inches", units<Units::InchesMils>},
    {"Metric", units<Units::Metric>},
    {"PrinterDots", units<Units::PrinterDots>},
    {"FitToDots", member<&Application::fitToPrinterDots>},
    {"ASCIISet", displaySet<false>},
    {"ANSISet", displaySet<true>},
    {"Conv", pdfCharacterSet},
    {"MsgWarn", run<toggleMessageWarnings>},
    {"PrnWarn", run<togglePrintWarnings>},
    {"ReadBack", run<toggleReadBack>},
    {"FixDis", run<toggleFixDriver>},
    // Symbology
    {"MCode", selectSymbology},
    {"FIM", drawMark},
    // Help
    {"MIndex", frontEnd<FrontEndAction::HelpIndex>},
    {"mnuOnWeb", frontEnd<FrontEndAction::WebPage>},
    {"MAbout", frontEnd<FrontEndAction::AboutBox>},
});

MenuCommand commandOf(std::string_view control) {
    for (const MenuCommandEntry& entry : kMenuCommands)
        if (entry.control == control)
            return entry.command;
    return nullptr;
}

std::string itemName(std::string_view control, int index) {
    std::string name(control);
    if (index >= 0)
        name += "(" + std::to_string(index) + ")";
    return name;
}

// Why the item cannot be clicked now; empty when it can.
std::string refusalFor(const MenuItemView& item) {
    const std::string quoted = "\"" + plainCaption(item.caption) + "\"";
    if (item.separator && item.control.empty())
        return "A separator is not a command.";
    if (item.separator)
        return item.control + " is a separator, not a command.";
    if (!item.children.empty())
        return quoted + " opens a submenu; it is not a command.";
    if (!item.enabled)
        return quoted + " is not available now.";
    return {};
}

} // namespace

MenuOutcome activateMenuItem(Application& app, std::string_view control, int index) {
    const ClipboardOffer clipboard{.text = app.host().clipboardText().has_value()};
    const std::vector<MenuItemView> menus = mainMenuBar(app, clipboard);
    const MenuItemView* item = findMenuItem(menus, control, index);
    if (item == nullptr)
        return refused("The main window has no menu item " + itemName(control, index) + ".");
    if (std::string reason = refusalFor(*item); !reason.empty())
        return refused(std::move(reason));
    const MenuCommand command = commandOf(control);
    if (command == nullptr)
        return refused("\"" + plainCaption(item->caption) + "\" has no command.");

    MenuOutcome outcome = command(app, index);
    if (outcome.status == MenuStatus::Done)
        app.host().viewChanged();
    return outcome;
}

} // namespace vornik
