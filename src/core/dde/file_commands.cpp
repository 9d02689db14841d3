// Commands of the configuration and message files and of the numbering:
// opening and saving, stepping with Next and Previous, and the numbering's
// settings.

#include "core/app/numeric_text.h"
#include "core/dde/command_call.h"
#include "core/dde/execute_string.h"
#include "core/files/configuration.h"
#include "core/files/message_file.h"
#include "core/serial/navigation.h"
#include "core/serial/numbering.h"

#include <array>

namespace vornik::dde {

namespace {

std::string pathOf(const CommandCall& call, std::string_view keyword) {
    return filePath(call.command, keyword.size());
}

// What a file operation that tells its own failure came to.
Outcome outcomeOf(bool done, Refusal refusal) {
    if (!done)
        return refusal;
    return kAccepted;
}

Outcome saveConfig(CommandCall& call) {
    return outcomeOf(files::SaveConfiguration(call.app), Refusal::ConfigurationNotSaved);
}

Outcome saveConfigAs(CommandCall& call) {
    return outcomeOf(files::WriteConfiguration(call.app, pathOf(call, "[SAVECONFIG(")),
                     Refusal::ConfigurationNotSaved);
}

Outcome openConfig(CommandCall& call) {
    return outcomeOf(files::LoadConfiguration(call.app, pathOf(call, "[OPENCONFIG(")),
                     Refusal::ConfigurationNotLoaded);
}

Outcome openMessageFile(CommandCall& call) {
    return outcomeOf(files::OpenMessageFile(call.app, pathOf(call, "[OPENMSGFILE(")),
                     Refusal::MessageFileNotOpened);
}

Outcome readMessageFile(CommandCall& call) {
    return outcomeOf(files::ReadMessageFile(call.app, pathOf(call, "[READMSGFILE(")),
                     Refusal::MessageFileNotRead);
}

Outcome closeMessageFile(CommandCall& call) {
    return outcomeOf(files::CloseMessageFile(call.app), Refusal::NoMessageFileOpen);
}

// Next and Previous need their buttons on show: a message file is open or
// numbering is on. A step past an end of the file is refused, after the
// same symbol has been built again.
Outcome next(CommandCall& call) {
    if (!call.app.state().NavigationShown)
        return Refusal::NoNavigation;
    return outcomeOf(serial::NextMessage(call.app), Refusal::NoNextMessage);
}

Outcome previous(CommandCall& call) {
    if (!call.app.state().NavigationShown)
        return Refusal::NoNavigation;
    return outcomeOf(serial::PreviousMessage(call.app), Refusal::NoPreviousMessage);
}

Outcome incEnable(CommandCall& call) {
    serial::enableNumbering(call.app);
    return kAccepted;
}

Outcome incDisable(CommandCall& call) {
    serial::disableNumbering(call.app);
    return kAccepted;
}

template <double Job::*Field> Outcome numberingValue(CommandCall& call) {
    const auto value = wholeNumber(call.value);
    if (!value)
        return Refusal::NotANumber;
    call.set(call.job().*Field, *value);
    return kAccepted;
}

// A width beyond what any message holds, or below none, is refused.
Outcome incWidth(CommandCall& call) {
    const auto value = wholeNumber(call.value);
    if (!value)
        return Refusal::NotANumber;
    if (*value < 0.0 || *value > serial::kMaxNumberDigits)
        return Refusal::NumberWidthRange;
    call.set(call.job().IncWidth, *value);
    return kAccepted;
}

template <std::string Job::*Field> Outcome numberingText(CommandCall& call) {
    call.set(call.job().*Field, decodeEscapedText(call.value));
    return kAccepted;
}

constexpr auto kFileCommands = std::to_array<CommandEntry>({
    {"[NEXT]", Match::Exact, next},
    {"[PREVIOUS]", Match::Exact, previous},
    {"[PREV]", Match::Exact, previous},
    {"[SAVECONFIG]", Match::Exact, saveConfig},
    {"[CLOSEMSGFILE]", Match::Exact, closeMessageFile},
    {"[INCENABLE]", Match::Exact, incEnable},
    {"[INCDISABLE]", Match::Exact, incDisable},
    {"[INCPREAMBLE=", Match::Prefix, numberingText<&Job::IncPreamble>},
    {"[INCPOSTAMBLE=", Match::Prefix, numberingText<&Job::IncPostamble>},
    {"[INCSTART=", Match::Prefix, numberingValue<&Job::IncStart>},
    {"[INCVALUE=", Match::Prefix, numberingValue<&Job::IncValue>},
    {"[INCWIDTH=", Match::Prefix, incWidth},
    {"[SAVECONFIG(", Match::Prefix, saveConfigAs},
    {"[OPENCONFIG(", Match::Prefix, openConfig},
    {"[OPENMSGFILE(", Match::Prefix, openMessageFile},
    {"[READMSGFILE(", Match::Prefix, readMessageFile},
});

} // namespace

std::span<const CommandEntry> fileCommands() {
    return kFileCommands;
}

} // namespace vornik::dde
