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

bool saveConfig(CommandCall& call) {
    return files::SaveConfiguration(call.app);
}

bool saveConfigAs(CommandCall& call) {
    return files::WriteConfiguration(call.app, pathOf(call, "[SAVECONFIG("));
}

bool openConfig(CommandCall& call) {
    return files::LoadConfiguration(call.app, pathOf(call, "[OPENCONFIG("));
}

bool openMessageFile(CommandCall& call) {
    return files::OpenMessageFile(call.app, pathOf(call, "[OPENMSGFILE("));
}

bool readMessageFile(CommandCall& call) {
    return files::ReadMessageFile(call.app, pathOf(call, "[READMSGFILE("));
}

bool closeMessageFile(CommandCall& call) {
    return files::CloseMessageFile(call.app);
}

// Next and Previous need their buttons on show: a message file is open or
// numbering is on. A step past an end of the file is refused, after the
// same symbol has been built again.
bool next(CommandCall& call) {
    return call.app.state().NavigationShown && serial::NextMessage(call.app);
}

bool previous(CommandCall& call) {
    return call.app.state().NavigationShown && serial::PreviousMessage(call.app);
}

bool incEnable(CommandCall& call) {
    serial::enableNumbering(call.app);
    return true;
}

bool incDisable(CommandCall& call) {
    serial::disableNumbering(call.app);
    return true;
}

template <double Job::*Field> bool numberingValue(CommandCall& call) {
    const auto value = wholeNumber(call.value);
    if (!value)
        return false;
    call.set(call.job().*Field, *value);
    return true;
}

// A width beyond what any message holds, or below none, is refused.
bool incWidth(CommandCall& call) {
    const auto value = wholeNumber(call.value);
    if (!value || *value < 0.0 || *value > serial::kMaxNumberDigits)
        return false;
    call.set(call.job().IncWidth, *value);
    return true;
}

template <std::string Job::*Field> bool numberingText(CommandCall& call) {
    call.set(call.job().*Field, decodeEscapedText(call.value));
    return true;
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
