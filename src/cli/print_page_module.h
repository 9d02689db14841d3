#pragma once

#include "core/app/printer_page.h"
#include "export/module/print_page.h"
#include "export/printing/page_setup.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vornik::cli {

// The headless program's way to draw a printer page as a PDF file: through
// the converter module beside the program, loaded the first time a page is
// drawn, since drawing needs Qt and the program itself has none.
class PrintPageModule {
public:
    explicit PrintPageModule(std::filesystem::path moduleFile) : file_(std::move(moduleFile)) {}

    // PAGE as a PDF file of SETUP at PATH; nullopt once written, otherwise
    // why not, as a sentence.
    [[nodiscard]] std::optional<std::string> writePdf(const PrinterPage& page,
                                                      const printing::PageSetup& setup,
                                                      const std::filesystem::path& path);

private:
    using EntryPoint = decltype(&vornik_write_print_page);

    std::optional<std::string> load();

    std::filesystem::path file_;
    EntryPoint entry_ = nullptr;
};

} // namespace vornik::cli
