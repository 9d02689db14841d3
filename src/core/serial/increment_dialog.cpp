#include "core/serial/increment_dialog.h"

#include "core/app/application.h"
#include "core/app/number_format.h"
#include "core/app/numeric_text.h"
#include "core/app/program_texts.h"
#include "core/app/rounding.h"
#include "core/files/message_file.h"
#include "core/serial/navigation.h"

namespace vornik::serial {

namespace {

constexpr char kBackspace = '\b';

bool isDigit(char key) {
    return key >= '0' && key <= '9';
}

} // namespace

IncrementDialog::IncrementDialog(const Job& job)
    : StartNumber(formatNumber(job.IncStart, "")), IncrementValue(formatNumber(job.IncValue, "")),
      NumDigits(job.IncWidth == 0.0 ? std::string() : formatNumber(job.IncWidth, "")),
      Preamble(job.IncPreamble), Postamble(job.IncPostamble), IncMsg(job.IncTarget),
      IncrementEnabled(job.IncEnabled == 1) {}

KeyVerdict IncrementDialog::numberKey(NumberBox box, char key) {
    if (isDigit(key) || key == kBackspace)
        return KeyVerdict::Insert;
    if (box != NumberBox::IncrementValue || key != '-')
        return KeyVerdict::Refused;
    if (leadingNumber(IncrementValue) >= 0.0)
        IncrementValue = "-" + IncrementValue;
    return KeyVerdict::Consumed;
}

void IncrementDialog::focusText(TextBox box, std::size_t caret) {
    focused_ = box;
    caret_ = caret;
}

bool IncrementDialog::insertCharacter(unsigned char code) {
    if (!focused_)
        return false;
    std::string& text = *focused_ == TextBox::Preamble ? Preamble : Postamble;
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
    job.IncWidth = leadingNumber(NumDigits);
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
