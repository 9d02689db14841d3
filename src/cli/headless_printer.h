#pragma once

#include "export/printing/queue_printer.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vornik::cli {

// The headless program's printer: the one named by --printer (CHOSEN), or
// else the print service's default printer. A page is drawn as a PDF file by
// the converter module, looked for in PROGRAM_DIRECTORY and loaded the first
// time a page is printed, since drawing needs Qt and the program has none.
[[nodiscard]] printing::QueuePrinter headlessPrinter(std::optional<std::string> chosen,
                                                     const std::filesystem::path& programDirectory);

} // namespace vornik::cli
