#include "core/app/print_command.h"

#include "core/app/application.h"
#include "core/app/printer_offset.h"
#include "core/app/program_texts.h"
#include "core/render/calibration_page.h"

#include <string>

namespace vornik {

namespace {

void reportPrintFailure(Application& app, const std::string& what, const std::string& reason) {
    app.host().showMessage({.title = std::string(kProgramTitle),
                            .text = what + " " + reason,
                            .icon = MessageIcon::Exclamation,
                            .buttons = MessageButtons::Ok});
    app.countFailedFileOperation();
}

// Sends PAGE; a failure is told with WHAT was not printed.
PrintOutcome sendPage(Application& app, const PrinterPage& page, const std::string& what) {
    if (const auto refusal = app.host().printPage(page)) {
        reportPrintFailure(app, what, *refusal);
        return PrintOutcome::Failed;
    }
    return PrintOutcome::Printed;
}

PlacedPicture symbolAtMargins(Application& app) {
    const RunState& state = app.state();
    const PrinterOffset offset = printerOffset(app.host(), app.host().printerName());
    return {.picture = state.CurrentPicture,
            .leftInches = state.LeftPrintMargin + offset.leftInches,
            .topInches = state.TopPrintMargin + offset.topInches};
}

bool symbolOnDisplay(const Application& app) {
    return app.state().SymbolBuilt && app.state().CurrentPicture.metafile != nullptr;
}

} // namespace

PrintOutcome printSymbol(Application& app, bool eject) {
    if (!symbolOnDisplay(app))
        return PrintOutcome::NothingToPrint;
    if (const auto problem = app.host().printerProblem()) {
        reportPrintFailure(app, "The bar code was not printed.", *problem);
        return PrintOutcome::Failed;
    }
    app.state().OpenPrinterPage.push_back(symbolAtMargins(app));
    return eject ? ejectPage(app) : PrintOutcome::Printed;
}

// A page the printer did not take is dropped, not kept for the next eject:
// otherwise one failure would be told again at every later eject and at exit.
PrintOutcome ejectPage(Application& app) {
    PrinterPage page;
    page.swap(app.state().OpenPrinterPage);
    if (page.empty())
        return PrintOutcome::Printed;
    return sendPage(app, page, "The page of bar codes was not printed.");
}

PrinterPage pageWithSymbol(Application& app) {
    PrinterPage page = app.state().OpenPrinterPage;
    if (symbolOnDisplay(app))
        page.push_back(symbolAtMargins(app));
    return page;
}

PrintOutcome printCalibrationPage(Application& app) {
    if (const auto problem = app.host().printerProblem()) {
        reportPrintFailure(app, "The calibration page was not printed.", *problem);
        return PrintOutcome::Failed;
    }
    const PrinterPage page{{.picture = render::calibrationPicture()}};
    return sendPage(app, page, "The calibration page was not printed.");
}

} // namespace vornik
