#include "core/serial/increment_dialog.h"

#include "core/app/application.h"
#include "core/app/display_set.h"
#include "core/app/number_format.h"
#include "core/app/numeric_text.h"
#include "core/app/program_texts.h"
#include "core/app/rounding.h"
#include "core/files/message_file.h"
#include "core/serial/navigation.h"

#include <algorithm>

namespace vornik::serial {

namespace {

constexpr char kBackspace = '\b';

bool isDigit(char key) {
    return key >= '0' && key <= '9';
}

// The selection held within TEXT, so that a box and its copy can never
// disagree by more than the text's end.
BoxSelection within(BoxSelection selection, const std::string& text) {
    const std::size_t start = std::min(selection.start, text.size());
    return {start, std::min(selection.length, text.size() - start)};
}

} // namespace

IncrementDialog::IncrementDialog(const Job& job)
    : StartNumber(formatNumber(job.IncStart, "")), IncrementValue(formatNumber(job.IncValue, "")),
      NumDigits(job.IncWidth == 0.0 ? std::string() : formatNumber(job.IncWidth, "")),
      Preamble(job.IncPreamble), Postamble(job.IncPostamble), IncMsg(job.IncTarget),
      IncrementEnabled(job.IncEnabled == 1), ansiDisplay_(job.AnsiDisplay) {}

KeyVerdict IncrementDialog::numberKey(NumberBox box, char key) {
    if (isDigit(key) || key == kBackspace)
        return KeyVerdict::Insert;
    if (box != NumberBox::IncrementValue || key != '-')
        return KeyVerdict::Refused;
    if (leadingNumber(IncrementValue) >= 0.0)
        IncrementValue = "-" + IncrementValue;
    return KeyVerdict::Consumed;
}

std::string IncrementDialog::screenText(TextBox box) const {
    return vornik::screenText(DisplayForm(workingCopy(box)), ansiDisplay_);
}

std::size_t IncrementDialog::replaceSelection(TextBox box, BoxSelection selection,
                                              std::string_view text) {
    std::string& copy = workingCopy(box);
    const BoxSelection at = within(selection, copy);
    copy.replace(at.start, at.length, text);
    return at.start + text.size();
}

std::size_t IncrementDialog::typeCharacter(TextBox box, BoxSelection selection, char32_t typed) {
    const std::optional<unsigned char> code = typedCode(typed, ansiDisplay_);
    if (!code)
        return within(selection, workingCopy(box)).start;
    return replaceSelection(box, selection, std::string(1, static_cast<char>(*code)));
}

std::size_t IncrementDialog::backspace(TextBox box, BoxSelection selection) {
    const BoxSelection at = within(selection, workingCopy(box));
    if (at.length > 0 || at.start == 0)
        return replaceSelection(box, at, "");
    return replaceSelection(box, {at.start - 1, 1}, "");
}

std::size_t IncrementDialog::deleteForward(TextBox box, BoxSelection selection) {
    const BoxSelection at = within(selection, workingCopy(box));
    return replaceSelection(box, at.length > 0 ? at : BoxSelection{at.start, 1}, "");
}

std::size_t IncrementDialog::pasteText(Host& host, TextBox box, BoxSelection selection) {
    const std::optional<std::string> text = host.clipboardText();
    if (!text)
        return within(selection, workingCopy(box)).start;
    return replaceSelection(box, selection, *text);
}

void IncrementDialog::copyText(Host& host, TextBox box, BoxSelection selection) const {
    const std::string& copy = workingCopy(box);
    const BoxSelection at = within(selection, copy);
    if (at.length > 0)
        host.setClipboardText(copy.substr(at.start, at.length));
}

void IncrementDialog::focusText(TextBox box, std::size_t caret) {
    focused_ = box;
    caret_ = caret;
}

bool IncrementDialog::insertCharacter(unsigned char code) {
    if (!focused_)
        return false;
    std::string& text = workingCopy(*focused_);
    caret_ = std::min(caret_, text.size());
    text.insert(caret_, 1, static_cast<char>(code));
    ++caret_;
    return true;
}

std::optional<std::string_view> IncrementDialog::validationWarning() const {
    if (!IncrementEnabled)
        return std::nullopt;
    const double digits = leadingNumber(NumDigits);
    if (digits != 0.0 && digits < static_cast<double>(StartNumber.size()))
        return kFewerDigitsWarning;
    const double total = static_cast<double>(Postamble.size() + Preamble.size()) + digits;
    if (!IncMsg && nearest(total) != 2 && nearest(total) != 5)
        return kSupplementDigitsWarning;
    return std::nullopt;
}

bool IncrementDialog::ok(Application& app) const {
    if (const auto warning = validationWarning()) {
        app.host().beep();
        app.host().showMessage({.title = std::string(kProgramTitle),
                                .text = std::string(*warning),
                                .icon = MessageIcon::None,
                                .buttons = MessageButtons::Ok});
        return false;
    }
    RunState& state = app.state();
    if (IncrementEnabled)
        state.NavigationShown = true;
    else if (state.MessageFileOpen)
        files::StepMessage(app, 0);
    else
        state.NavigationShown = false;

    Job& job = app.job();
    const Job before = job;
    job.IncPreamble = Preamble;
    job.IncPostamble = Postamble;
    job.IncStart = leadingNumber(StartNumber);
    job.IncValue = leadingNumber(IncrementValue);
    // Only digits can be typed into the box, but a paste is no keystroke; a
    // count below none means none, as a command or a configuration file has it.
    job.IncWidth = std::max(0.0, leadingNumber(NumDigits));
    job.IncEnabled = IncrementEnabled ? 1 : 0;
    job.IncTarget = IncMsg;
    if (job != before)
        state.Dirty = true;
    if (state.MessageFileOpen)
        Step(app, 0);
    app.host().viewChanged();
    return true;
}

void afterIncrementDialog(Application& app) {
    if (app.job().IncEnabled != 1)
        return;
    Step(app, 0);
    app.Build();
}

} // namespace vornik::serial
