#pragma once

#include "core/app/host.h"

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vornik::testing {

// A host for tests: records everything the core asks of it and answers
// message boxes from a script (OK / Yes when the script is empty).
class FakeHost : public Host {
public:
    MessageAnswer showMessage(const MessageBox& box) override;
    PasteAdviceAnswer showPasteAdvice(std::string_view text) override;
    std::optional<std::string> inputBox(const InputBox& box) override;
    void beep() override { ++beeps; }
    void setBusyPointer(bool busy) override { busyPointerCalls.push_back(busy); }
    std::optional<std::string> chooseFile(const FileDialogRequest& request) override;
    void publishPicture(const render::CurrentPicture& picture,
                        std::span<const std::uint8_t> placeableWmf) override {
        published.push_back(picture);
        publishedFiles.emplace_back(placeableWmf.begin(), placeableWmf.end());
    }
    void emptyClipboard() override;
    std::optional<std::string> clipboardText() override { return clipboard; }
    void setClipboardText(const std::string& text) override { clipboard = text; }
    void viewChanged() override { ++viewChanges; }
    std::optional<std::string> readSetting(std::string_view key) override;
    void writeSetting(std::string_view key, std::string_view value) override;
    std::optional<PrinterResolution> defaultPrinterResolution() override { return printer; }
    std::string printerName() override { return printer ? currentPrinterName : std::string(); }
    std::optional<std::string> printerProblem() override;
    std::optional<std::string> printPage(const PrinterPage& page) override;
    std::optional<PrinterResolution> choosePrinter() override;

    // Scripted answers, taken in order.
    std::deque<MessageAnswer> answers;
    std::deque<PasteAdviceAnswer> pasteAdviceAnswers;
    std::deque<std::optional<std::string>> fileChoices;  // cancelled when empty
    std::deque<std::optional<std::string>> inputAnswers; // Cancel when empty
    // Print setup dialog answers: the printer chosen (name and resolution),
    // cancelled when empty or nullopt.
    std::deque<std::optional<std::pair<std::string, PrinterResolution>>> printerChoices;

    // What happened.
    std::vector<MessageBox> messages;
    std::vector<InputBox> inputBoxes;
    std::vector<render::CurrentPicture> published;
    std::vector<std::vector<std::uint8_t>> publishedFiles;
    std::vector<std::string> pasteAdviceTexts;
    std::vector<FileDialogRequest> fileDialogs;
    std::vector<bool> busyPointerCalls;
    int beeps = 0;
    int clipboardEmptied = 0;
    int viewChanges = 0;
    std::vector<PrinterPage> printedPages;

    // The world as the host presents it.
    std::optional<std::string> clipboard;
    std::map<std::string, std::string, std::less<>> settings;
    std::optional<PrinterResolution> printer; // no printer when empty
    std::string currentPrinterName = "office";
    // Why the printer cannot take a page, or refuses the one sent.
    std::optional<std::string> printerTrouble;
    std::optional<std::string> pageRefusal;
};

} // namespace vornik::testing
