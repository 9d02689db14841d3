#pragma once

#include "cli/headless_printer.h"
#include "cli/settings_file.h"
#include "core/app/host.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace vornik::cli {

// How the headless program stands in for a user who is not there.
struct HeadlessPolicy {
    bool answerYes = false;   // --yes: questions get OK, Yes or Retry
    bool audibleBeep = false; // the error stream is a terminal, so BEL rings
};

// The host of the program run without a window: message boxes become lines on
// the error stream, questions are answered by the policy, the clipboard is a
// buffer inside the process, and the printer is a queue of the print service.
class HeadlessHost : public Host {
public:
    // Without a printer of its own the host prints on the default printer,
    // drawing pages with the converter module found on the library path.
    HeadlessHost(std::ostream& errors, SettingsFile settings, HeadlessPolicy policy,
                 printing::QueuePrinter printer = headlessPrinter(std::nullopt, {}));

    MessageAnswer showMessage(const MessageBox& box) override;
    PasteAdviceAnswer showPasteAdvice(std::string_view text) override;
    std::optional<std::string> inputBox(const InputBox& box) override;
    void beep() override;
    void setBusyPointer(bool) override {}

    // There is no dialog to choose a file in: the user is told to name the
    // file in the command, and the dialog counts as cancelled.
    std::optional<std::string> chooseFile(const FileDialogRequest& request) override;

    // Without a display or a desktop clipboard a symbol reaches the user
    // through the temporary metafile and the save commands only.
    void publishPicture(const render::CurrentPicture&, std::span<const std::uint8_t>) override {}

    void emptyClipboard() override { clipboard_.reset(); }
    std::optional<std::string> clipboardText() override { return clipboard_; }
    void setClipboardText(const std::string& text) override { clipboard_ = text; }

    // There is no window to show or minimise: the user is told so.
    void setWindowState(WindowState state) override;

    void viewChanged() override {}

    std::optional<std::string> readSetting(std::string_view key) override;
    void writeSetting(std::string_view key, std::string_view value) override;

    // The printer named by --printer, or the default printer; there is no
    // print setup dialog to choose another.
    std::optional<PrinterResolution> defaultPrinterResolution() override {
        return printer_.resolution();
    }
    std::string printerName() override { return printer_.name(); }
    std::optional<std::string> printerProblem() override { return printer_.problem(); }
    std::optional<std::string> printPage(const PrinterPage& page) override {
        return printer_.print(page);
    }

private:
    std::ostream& errors_;
    SettingsFile settings_;
    HeadlessPolicy policy_;
    printing::QueuePrinter printer_;
    std::optional<std::string> clipboard_;
};

} // namespace vornik::cli
