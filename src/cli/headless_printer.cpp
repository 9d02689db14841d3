#include "cli/headless_printer.h"

#include "export/module/wmfconv.h"
#include "export/printing/cups_printer.h"
#include "export/printing/pdf_page_job.h"

namespace vornik::cli {
namespace {

constexpr const char* kNoPrinter =
    "There is no printer to print on: the print service (CUPS) has no default printer. Name "
    "one with --printer NAME.";

} // namespace

HeadlessPrinter::HeadlessPrinter(std::optional<std::string> chosen,
                                 const std::filesystem::path& programDirectory)
    : chosen_(std::move(chosen)), module_(programDirectory / kConverterModuleFile) {}

std::string HeadlessPrinter::name() const {
    return chosen_ ? *chosen_ : printing::defaultPrinterName();
}

std::optional<PrinterResolution> HeadlessPrinter::resolution() const {
    const std::string printer = name();
    if (printer.empty())
        return std::nullopt;
    const auto resolution = printing::printerResolution(printer);
    if (const auto* dots = std::get_if<PrinterResolution>(&resolution))
        return *dots;
    return std::nullopt;
}

std::optional<std::string> HeadlessPrinter::problem() const {
    const std::string printer = name();
    if (printer.empty())
        return kNoPrinter;
    if (auto problem = printing::printerProblem(printer))
        return problem;
    // A printer that does not say its resolution or paper cannot print a
    // symbol at true size either.
    const auto setup = printing::pageSetupFor(printer);
    if (const auto* failure = std::get_if<std::string>(&setup))
        return *failure;
    return std::nullopt;
}

std::optional<std::string> HeadlessPrinter::print(const PrinterPage& page) {
    const std::string printer = name();
    if (printer.empty())
        return kNoPrinter;
    return printing::printPdfPage(
        printer, [&](const printing::PageSetup& setup, const std::filesystem::path& path) {
            return module_.writePdf(page, setup, path);
        });
}

} // namespace vornik::cli
