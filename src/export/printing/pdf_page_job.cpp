#include "export/printing/pdf_page_job.h"

#include "export/printing/cups_printer.h"
#include "export/printing/private_folder.h"

namespace vornik::printing {

std::variant<PageSetup, std::string> pageSetupFor(const std::string& printer) {
    const auto resolution = printerResolution(printer);
    if (const auto* failure = std::get_if<std::string>(&resolution))
        return *failure;
    const auto paper = printerPaper(printer);
    if (const auto* failure = std::get_if<std::string>(&paper))
        return *failure;
    return PageSetup{std::get<PaperSize>(paper),
                     pageDotsPerInch(std::get<PrinterResolution>(resolution))};
}

std::optional<std::string> printPdfPage(const std::string& printer, const PagePdfWriter& write) {
    if (auto problem = printerProblem(printer))
        return problem;
    const auto setup = pageSetupFor(printer);
    if (const auto* failure = std::get_if<std::string>(&setup))
        return *failure;
    auto folder = PrivateFolder::make();
    if (const auto* failure = std::get_if<std::string>(&folder))
        return "The page for the printer " + printer + " could not be prepared: " + *failure + ".";
    const std::filesystem::path file = std::get<PrivateFolder>(folder).path() / "page.pdf";
    if (auto failure = write(std::get<PageSetup>(setup), file))
        return failure;
    // The folder, with the file, goes when this returns: the service has
    // its own copy of a job it took.
    return submitPdf(printer, file);
}

} // namespace vornik::printing
