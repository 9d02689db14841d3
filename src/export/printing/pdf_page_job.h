#pragma once

#include "export/printing/page_setup.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <variant>

namespace vornik::printing {

// Draws a page as a PDF file at the path for the setup; nullopt once written,
// otherwise why not.
using PagePdfWriter =
    std::function<std::optional<std::string>(const PageSetup&, const std::filesystem::path&)>;

// The paper and grid a page for PRINTER is drawn on: its default paper, at
// the smaller of its two resolutions; or why they are not known.
[[nodiscard]] std::variant<PageSetup, std::string> pageSetupFor(const std::string& printer);

// Prints one page on PRINTER: makes sure it can take one, has WRITE draw the
// page as a PDF file for its paper and resolution in a private folder,
// submits the file and removes the folder. nullopt once the printer has
// taken the page, otherwise why not, as a sentence.
[[nodiscard]] std::optional<std::string> printPdfPage(const std::string& printer,
                                                      const PagePdfWriter& write);

} // namespace vornik::printing
