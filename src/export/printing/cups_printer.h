#pragma once

// A printer of the print service (CUPS), asked through libcups. Every
// function asks afresh, so a queue stopped or started in the meantime is
// seen. Failures come back as sentences that name the printer.

#include "core/app/host.h"
#include "export/printing/page_setup.h"

#include <filesystem>
#include <optional>
#include <string>
#include <variant>

namespace vornik::printing {

// The title every job of the program carries in the queue.
inline constexpr const char* kJobTitle = "Vornik bar code";

// The print service's default printer; empty when it has none. Only the
// default is asked for: listing every printer would browse the network.
[[nodiscard]] std::string defaultPrinterName();

// Why PRINTER cannot take a page now (unknown, stopped, not accepting jobs,
// the service out of reach); nullopt when it can.
[[nodiscard]] std::optional<std::string> printerProblem(const std::string& printer);

// PRINTER's default resolution across and down, or why it is not known.
[[nodiscard]] std::variant<PrinterResolution, std::string>
printerResolution(const std::string& printer);

// The paper PRINTER takes by default, or why it is not known.
[[nodiscard]] std::variant<PaperSize, std::string> printerPaper(const std::string& printer);

// Sends the PDF file to PRINTER as one job; nullopt once the service has
// taken it, otherwise why not.
[[nodiscard]] std::optional<std::string> submitPdf(const std::string& printer,
                                                   const std::filesystem::path& pdf);

} // namespace vornik::printing
