#pragma once

#include "cli/print_page_module.h"
#include "core/app/host.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vornik::cli {

// The headless program's printer: the one named by --printer, or else the
// print service's default printer. What it is, and whether it can print, is
// asked of the print service (CUPS) each time; a page is drawn as a PDF file
// by the converter module and submitted to the printer's queue.
class HeadlessPrinter {
public:
    // CHOSEN is --printer's name, nullopt for the default printer; the
    // converter module is looked for in PROGRAM_DIRECTORY.
    HeadlessPrinter(std::optional<std::string> chosen,
                    const std::filesystem::path& programDirectory);

    // The printer's name; empty when none is named and there is no default.
    [[nodiscard]] std::string name() const;
    // Its resolution; nullopt when there is no printer or it does not say.
    [[nodiscard]] std::optional<PrinterResolution> resolution() const;
    // Why it cannot take a page now, as a sentence; nullopt when it can.
    [[nodiscard]] std::optional<std::string> problem() const;
    // Prints PAGE on one sheet; nullopt once the printer has taken it.
    [[nodiscard]] std::optional<std::string> print(const PrinterPage& page);

private:
    std::optional<std::string> chosen_;
    PrintPageModule module_;
};

} // namespace vornik::cli
