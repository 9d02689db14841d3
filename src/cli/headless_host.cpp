#include "cli/headless_host.h"

#include <utility>

namespace vornik::cli {

namespace {

// The answer of a user who goes ahead: what --yes stands for.
MessageAnswer goAhead(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
        return MessageAnswer::Yes;
    case MessageButtons::RetryCancel:
        return MessageAnswer::Retry;
    }
    return MessageAnswer::Cancel;
}

// The answer of a user who backs out; a box with only OK can still only be
// closed with OK.
MessageAnswer backOut(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
    case MessageButtons::RetryCancel:
        return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

// Which button a headless answer stands for, as the user would read it.
std::string_view buttonName(MessageAnswer answer) {
    switch (answer) {
    case MessageAnswer::Ok:
        return "OK";
    case MessageAnswer::Cancel:
        return "Cancel";
    case MessageAnswer::Yes:
        return "Yes";
    case MessageAnswer::No:
        return "No";
    case MessageAnswer::Retry:
        return "Retry";
    }
    return "Cancel";
}

} // namespace

HeadlessHost::HeadlessHost(std::ostream& errors, SettingsFile settings, HeadlessPolicy policy,
                           printing::QueuePrinter printer)
    : errors_(errors), settings_(std::move(settings)), policy_(policy),
      printer_(std::move(printer)) {}

MessageAnswer HeadlessHost::showMessage(const MessageBox& box) {
    errors_ << box.title << ": " << box.text << '\n';
    const MessageAnswer answer = policy_.answerYes ? goAhead(box.buttons) : backOut(box.buttons);
    // A question answered for the user says so, and how to answer it the
    // other way, so that a stopped run is never a mystery.
    if (box.buttons != MessageButtons::Ok) {
        errors_ << "vornik: answered " << buttonName(answer);
        if (!policy_.answerYes)
            errors_ << " (run with --yes to go ahead)";
        errors_ << '\n';
    }
    errors_ << std::flush;
    return answer;
}

std::optional<std::string> HeadlessHost::chooseFile(const FileDialogRequest& request) {
    errors_ << "vornik: \"" << request.title
            << "\" needs a file dialog, which this program does not have; answered Cancel "
               "(name the file in the command, as in [saveconfig(FILE)])\n"
            << std::flush;
    return std::nullopt;
}

void HeadlessHost::setWindowState(WindowState state) {
    const std::string_view wanted = state == WindowState::Minimized ? "minimise" : "show";
    errors_ << "vornik: there is no window to " << wanted << ": this program runs headless\n"
            << std::flush;
}

// The advice only explains how to paste into a word processor; with nobody
// to read it, it counts as read and closed, asking nothing to change.
PasteAdviceAnswer HeadlessHost::showPasteAdvice(std::string_view) {
    return {.closedWithOk = true, .dontShowAgainChecked = false};
}

// Nobody can type an answer: the question is shown, and cancelled.
std::optional<std::string> HeadlessHost::inputBox(const InputBox& box) {
    errors_ << box.title << ": " << box.prompt << "\nvornik: answered Cancel\n" << std::flush;
    return std::nullopt;
}

// A bell written into a file or a pipe would only corrupt the log.
void HeadlessHost::beep() {
    if (policy_.audibleBeep)
        errors_ << '\a' << std::flush;
}

std::optional<std::string> HeadlessHost::readSetting(std::string_view key) {
    return settings_.read(key);
}

void HeadlessHost::writeSetting(std::string_view key, std::string_view value) {
    if (!settings_.write(key, value))
        errors_ << "vornik: cannot save the setting " << key << ": " << settings_.lastError()
                << '\n'
                << std::flush;
}

} // namespace vornik::cli
