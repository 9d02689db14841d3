#pragma once

#include "cli/settings_file.h"
#include "core/app/host.h"
#include "export/printing/queue_printer.h"
#include "gui/window_memory.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace vornik::gui {

// The desktop program's host: message boxes, dialogs, the system clipboard
// and the busy pointer are the real ones; the settings are the same file the
// headless program uses. The window hears of new pictures and of view changes
// through the two callbacks.
class GuiHost : public Host {
public:
    explicit GuiHost(cli::SettingsFile settings);

    // The window that owns dialogs; message boxes have none before it exists.
    void setDialogParent(QWidget* parent) { parent_ = parent; }
    // Where the program's own files are, the user guide among them.
    void setProgramDirectory(std::filesystem::path folder) {
        programDirectory_ = std::move(folder);
    }
    std::function<void(const render::CurrentPicture&)> pictureShown;
    std::function<void()> viewRefreshed;
    // Told of each message box as it is shown: a command sent over the bus
    // reports the boxes of its build to the client.
    std::function<void(const MessageBox&)> messageShown;

    MessageAnswer showMessage(const MessageBox& box) override;
    PasteAdviceAnswer showPasteAdvice(std::string_view text) override;
    std::optional<std::string> inputBox(const InputBox& box) override;
    void beep() override;
    void setBusyPointer(bool busy) override;
    std::optional<std::string> chooseFile(const FileDialogRequest& request) override;
    void publishPicture(const render::CurrentPicture& picture,
                        std::span<const std::uint8_t> placeableWmf) override;
    void emptyClipboard() override;
    std::optional<std::string> clipboardText() override;
    void setClipboardText(const std::string& text) override;
    void setWindowState(WindowState state) override;
    void viewChanged() override;
    std::optional<std::string> readSetting(std::string_view key) override;
    void writeSetting(std::string_view key, std::string_view value) override;
    std::optional<PrinterResolution> defaultPrinterResolution() override;
    std::string printerName() override { return printer_.name(); }
    std::optional<std::string> printerProblem() override { return printer_.problem(); }
    std::optional<std::string> printPage(const PrinterPage& page) override;
    std::optional<PrinterResolution> choosePrinter() override;

private:
    cli::SettingsFile settings_;
    printing::QueuePrinter printer_;
    WindowMemory memory_;
    QWidget* parent_ = nullptr;
    std::filesystem::path programDirectory_;
    bool busy_ = false;
};

} // namespace vornik::gui
