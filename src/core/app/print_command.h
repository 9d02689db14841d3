#pragma once

#include "core/app/printer_page.h"

namespace vornik {

class Application;

enum class PrintOutcome {
    Printed,
    NothingToPrint, // no symbol is on display
    Failed,         // told to the user
};

// The print routine: the symbol on display goes onto the open printer page,
// a page being opened when none is, its top-left corner at the print margins
// plus the current printer's offset. With EJECT the page goes to the printer;
// without, it stays open for more symbols, on the same sheet.
[[nodiscard]] PrintOutcome printSymbol(Application& app, bool eject);

// Sends the open page to the printer. With no page open there is nothing to
// send, and that counts as done.
[[nodiscard]] PrintOutcome ejectPage(Application& app);

// The page that printing the symbol now would send: the open page with the
// symbol at the margins. What a print preview shows.
[[nodiscard]] PrinterPage pageWithSymbol(Application& app);

// A page of its own with a ruled cross one inch from the paper's left and top
// edges, printed without the printer's offset: where the cross lands tells
// the offset to set.
[[nodiscard]] PrintOutcome printCalibrationPage(Application& app);

} // namespace vornik
