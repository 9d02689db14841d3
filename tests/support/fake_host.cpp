#include "support/fake_host.h"

namespace vornik::testing {

namespace {

MessageAnswer affirmative(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
        return MessageAnswer::Yes;
    case MessageButtons::RetryCancel:
        return MessageAnswer::Retry;
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
        return MessageAnswer::Ok;
    }
    return MessageAnswer::Ok;
}

} // namespace

MessageAnswer FakeHost::showMessage(const MessageBox& box) {
    messages.push_back(box);
    if (answers.empty())
        return affirmative(box.buttons);
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<std::string> FakeHost::inputBox(const InputBox& box) {
    inputBoxes.push_back(box);
    if (inputAnswers.empty())
        return std::nullopt;
    auto answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

PasteAdviceAnswer FakeHost::showPasteAdvice(std::string_view text) {
    pasteAdviceTexts.emplace_back(text);
    if (pasteAdviceAnswers.empty())
        return {.closedWithOk = true, .dontShowAgainChecked = false};
    const PasteAdviceAnswer answer = pasteAdviceAnswers.front();
    pasteAdviceAnswers.pop_front();
    return answer;
}

std::optional<std::string> FakeHost::chooseFile(const FileDialogRequest& request) {
    fileDialogs.push_back(request);
    if (fileChoices.empty())
        return std::nullopt;
    auto choice = fileChoices.front();
    fileChoices.pop_front();
    return choice;
}

void FakeHost::emptyClipboard() {
    ++clipboardEmptied;
    clipboard.reset();
}

std::optional<std::string> FakeHost::readSetting(std::string_view key) {
    if (auto found = settings.find(key); found != settings.end())
        return found->second;
    return std::nullopt;
}

void FakeHost::writeSetting(std::string_view key, std::string_view value) {
    settings[std::string(key)] = std::string(value);
}

std::optional<std::string> FakeHost::printerProblem() {
    if (!printer)
        return "There is no printer.";
    return printerTrouble;
}

std::optional<std::string> FakeHost::printPage(const PrinterPage& page) {
    if (auto problem = printerProblem())
        return problem;
    if (pageRefusal)
        return pageRefusal;
    printedPages.push_back(page);
    return std::nullopt;
}

std::optional<PrinterResolution> FakeHost::choosePrinter() {
    if (printerChoices.empty())
        return std::nullopt;
    auto choice = printerChoices.front();
    printerChoices.pop_front();
    if (!choice)
        return std::nullopt;
    currentPrinterName = choice->first;
    printer = choice->second;
    return printer;
}

} // namespace vornik::testing
