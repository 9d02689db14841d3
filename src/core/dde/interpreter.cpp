#include "core/dde/interpreter.h"

#include "core/app/application.h"
#include "core/app/program_texts.h"
#include "core/app/symbology.h"
#include "core/dde/command_call.h"
#include "core/dde/execute_string.h"

#include <new>
#include <string>

namespace vornik::dde {

namespace {

bool matches(const CommandEntry& entry, std::string_view upper) {
    switch (entry.match) {
    case Match::Exact:
        return upper == entry.keyword;
    case Match::Prefix:
        return upper.starts_with(entry.keyword);
    }
    return false;
}

const CommandEntry* findEntry(std::span<const CommandEntry> table, std::string_view upper) {
    for (const CommandEntry& entry : table)
        if (matches(entry, upper))
            return &entry;
    return nullptr;
}

// Runs one command; an unknown one is ignored and counts as accepted.
Outcome runCommand(Application& app, std::string_view command) {
    const std::string upper = upperCased(command);
    const CommandEntry* entry = findEntry(actionCommands(), upper);
    if (entry == nullptr) {
        CommandCall call{.app = app, .command = command, .upper = upper};
        if (const auto symbology = symbologyForKeyword(upper))
            return selectSymbology(call, *symbology);
        entry = findEntry(valueCommands(), upper);
    }
    if (entry == nullptr)
        entry = findEntry(rasterCommands(), upper);
    if (entry == nullptr)
        entry = findEntry(fileCommands(), upper);
    if (entry == nullptr)
        return kAccepted;
    const std::size_t keywordLength = entry->keyword.size();
    const std::size_t valueLength =
        entry->match == Match::Prefix ? command.size() - keywordLength - 1 : 0;
    CommandCall call{.app = app,
                     .command = command,
                     .upper = upper,
                     .value = command.substr(keywordLength, valueLength),
                     .upperValue = std::string_view(upper).substr(keywordLength, valueLength)};
    return entry->handler(call);
}

// The command as the user is told of it: a huge one is cut short.
std::string shownCommand(std::string_view command) {
    constexpr std::size_t kLongestShown = 60;
    if (command.size() <= kLongestShown)
        return std::string(command);
    return std::string(command.substr(0, kLongestShown)) + "...";
}

// Running out of memory abandons the one command: it is told like a failed
// save, and the commands after it still run.
Outcome runGuarded(Application& app, std::string_view command) {
    try {
        return runCommand(app, command);
    } catch (const std::bad_alloc&) {
        app.host().showMessage({.title = std::string(kProgramTitle),
                                .text = "There was not enough memory to carry out " +
                                        shownCommand(command) + "; it was abandoned.",
                                .icon = MessageIcon::Exclamation,
                                .buttons = MessageButtons::Ok});
        app.countFailedFileOperation();
        return Refusal::OutOfMemory;
    }
}

} // namespace

bool Interpreter::Execute(std::string_view executeString) {
    return ExecuteWithReport(executeString).empty();
}

ExecuteReport Interpreter::ExecuteWithReport(std::string_view executeString) {
    ExecuteReport report;
    std::string_view remainder = executeString;
    for (std::string_view command = nextCommand(remainder); !command.empty();
         command = nextCommand(remainder)) {
        // Automated use never sees the paste advice.
        app_.state().WordWarningDone = true;
        if (const Outcome refused = runGuarded(app_, command))
            report.push_back({.command = std::string(command), .reason = *refused});
    }
    return report;
}

} // namespace vornik::dde
