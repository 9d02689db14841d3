#include "export/printing/queue_printer.h"

#include "export/printing/cups_printer.h"
#include "export/printing/pdf_page_job.h"

namespace vornik::printing {

QueuePrinter::QueuePrinter(PrinterPageWriter writePage, std::string noPrinter)
    : writePage_(std::move(writePage)), noPrinter_(std::move(noPrinter)) {}

std::string QueuePrinter::name() const {
    return chosen_ ? *chosen_ : defaultPrinterName();
}

std::optional<PrinterResolution> QueuePrinter::resolution() const {
    const std::string printer = name();
    if (printer.empty())
        return std::nullopt;
    const auto resolution = printerResolution(printer);
    if (const auto* dots = std::get_if<PrinterResolution>(&resolution))
        return *dots;
    return std::nullopt;
}

std::optional<std::string> QueuePrinter::problem() const {
    const std::string printer = name();
    if (printer.empty())
        return noPrinter_;
    if (auto problem = printerProblem(printer))
        return problem;
    // A printer that does not say its resolution or paper cannot print a
    // symbol at true size either.
    const auto setup = pageSetupFor(printer);
    if (const auto* failure = std::get_if<std::string>(&setup))
        return *failure;
    return std::nullopt;
}

std::optional<std::string> QueuePrinter::print(const PrinterPage& page) const {
    const std::string printer = name();
    if (printer.empty())
        return noPrinter_;
    return printPdfPage(printer, [&](const PageSetup& setup, const std::filesystem::path& path) {
        return writePage_(page, setup, path);
    });
}

} // namespace vornik::printing
