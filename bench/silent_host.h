#pragma once

#include "core/app/host.h"

namespace vornik::bench {

// A host that answers everything with OK and remembers nothing, so that a
// benchmark measures the program's own work.
class SilentHost : public Host {
public:
    MessageAnswer showMessage(const MessageBox&) override { return MessageAnswer::Ok; }
    PasteAdviceAnswer showPasteAdvice(std::string_view) override { return {}; }
    void beep() override {}
    void setBusyPointer(bool) override {}
    void publishPicture(const render::CurrentPicture&, std::span<const std::uint8_t>) override {}
    void emptyClipboard() override {}
    std::optional<std::string> clipboardText() override { return std::nullopt; }
    void setClipboardText(const std::string&) override {}
    void viewChanged() override {}
    std::optional<std::string> readSetting(std::string_view) override { return std::nullopt; }
    void writeSetting(std::string_view, std::string_view) override {}
    std::optional<PrinterResolution> defaultPrinterResolution() override { return std::nullopt; }
    std::string printerName() override { return {}; }
    std::optional<std::string> printerProblem() override { return "There is no printer."; }
    std::optional<std::string> printPage(const PrinterPage&) override { return printerProblem(); }
};

} // namespace vornik::bench
