#pragma once

#include "core/app/printer_page.h"
#include "export/printing/page_setup.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vornik::printing {

// PAGE as a one-page PDF file of SETUP's paper, without margins, so that
// every position is measured from the paper's edge; the symbols' edges fall
// on SETUP's grid of dots. nullopt once written, otherwise why not.
[[nodiscard]] std::optional<std::string> writePrinterPagePdf(const PrinterPage& page,
                                                             const PageSetup& setup,
                                                             const std::filesystem::path& path);

} // namespace vornik::printing
