#include "cli/headless_printer.h"

#include "cli/print_page_module.h"
#include "export/module/wmfconv.h"

#include <memory>

namespace vornik::cli {
namespace {

constexpr const char* kNoPrinter =
    "There is no printer to print on: the print service (CUPS) has no default printer. Name "
    "one with --printer NAME.";

} // namespace

printing::QueuePrinter headlessPrinter(std::optional<std::string> chosen,
                                       const std::filesystem::path& programDirectory) {
    auto module = std::make_shared<PrintPageModule>(programDirectory / kConverterModuleFile);
    printing::QueuePrinter printer(
        [module](const PrinterPage& page, const printing::PageSetup& setup,
                 const std::filesystem::path& path) { return module->writePdf(page, setup, path); },
        kNoPrinter);
    if (chosen)
        printer.choose(std::move(*chosen));
    return printer;
}

} // namespace vornik::cli
