#pragma once

#include "core/app/host.h"

#include <optional>
#include <string>

namespace vornik::fuzz {

// A host with nobody in front of it: message boxes are answered without being
// shown, either as a user who goes ahead (OK, Yes, Retry) or as one who backs
// out (Cancel, No), input boxes and file dialogs are cancelled, and settings
// and printers do not exist. The clipboard holds text in memory only.
class QuietHost : public Host {
public:
    explicit QuietHost(bool goAhead) : goAhead_(goAhead) {}

    MessageAnswer showMessage(const MessageBox& box) override;
    PasteAdviceAnswer showPasteAdvice(std::string_view) override { return {}; }
    void beep() override {}
    void setBusyPointer(bool) override {}
    void publishPicture(const render::CurrentPicture&, std::span<const std::uint8_t>) override {}
    void emptyClipboard() override { clipboard_.reset(); }
    std::optional<std::string> clipboardText() override { return clipboard_; }
    void setClipboardText(const std::string& text) override { clipboard_ = text; }
    void viewChanged() override {}
    std::optional<std::string> readSetting(std::string_view) override { return std::nullopt; }
    void writeSetting(std::string_view, std::string_view) override {}
    // A printer that takes every page and prints nowhere, so that the print
    // commands run their whole course.
    std::optional<PrinterResolution> defaultPrinterResolution() override {
        return PrinterResolution{600, 600};
    }
    std::string printerName() override { return "fuzz"; }
    std::optional<std::string> printerProblem() override { return std::nullopt; }
    std::optional<std::string> printPage(const PrinterPage&) override { return std::nullopt; }

private:
    bool goAhead_;
    std::optional<std::string> clipboard_;
};

} // namespace vornik::fuzz
