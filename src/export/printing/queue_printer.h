#pragma once

#include "core/app/host.h"
#include "export/printing/page_setup.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace vornik::printing {

// Draws PAGE as a PDF file of SETUP's paper and grid at PATH; nullopt once
// written, otherwise why not. The desktop program draws in its own process;
// the headless one through its converter module, to stay free of Qt.
using PrinterPageWriter = std::function<std::optional<std::string>(
    const PrinterPage& page, const PageSetup& setup, const std::filesystem::path& path)>;

// The printer a program prints on: one chosen by name, or else the print
// service's default printer. What it is, and whether it can print, is asked
// of the print service each time, so a queue stopped or started in the
// meantime is seen; a page goes to its queue as a PDF file.
class QueuePrinter {
public:
    // NO_PRINTER is the sentence for a program with no printer chosen and no
    // default printer: it says how to choose one in that program.
    QueuePrinter(PrinterPageWriter writePage, std::string noPrinter);

    void choose(std::string name) { chosen_ = std::move(name); }

    // The printer's name; empty when none is chosen and there is no default.
    [[nodiscard]] std::string name() const;
    // Its resolution; nullopt when there is no printer or it does not say.
    [[nodiscard]] std::optional<PrinterResolution> resolution() const;
    // Why it cannot take a page now, as a sentence; nullopt when it can.
    [[nodiscard]] std::optional<std::string> problem() const;
    // Prints PAGE on one sheet; nullopt once the printer has taken it.
    [[nodiscard]] std::optional<std::string> print(const PrinterPage& page) const;

private:
    PrinterPageWriter writePage_;
    std::string noPrinter_;
    std::optional<std::string> chosen_;
};

} // namespace vornik::printing
