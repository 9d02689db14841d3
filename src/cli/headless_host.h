#pragma once

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
// buffer inside the process, and there is no printer.
class HeadlessHost : public Host {
public:
    HeadlessHost(std::ostream& errors, SettingsFile settings, HeadlessPolicy policy);

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

    std::optional<PrinterResolution> defaultPrinterResolution() override { return std::nullopt; }
    std::string printerName() override { return {}; }
    std::optional<std::string> printerProblem() override { return "There is no printer."; }
    std::optional<std::string> printPage(const PrinterPage&) override { return printerProblem(); }

private:
    std::ostream& errors_;
    SettingsFile settings_;
    HeadlessPolicy policy_;
    std::optional<std::string> clipboard_;
};

} // namespace vornik::cli
