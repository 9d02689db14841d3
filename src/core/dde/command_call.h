#pragma once

#include "core/app/application.h"
#include "core/app/save_bar_code.h"
#include "core/dde/refusal.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vornik::dde {

// One command being carried out: the application it acts on, the command as
// sent and upper-cased, and the value of a keyword ending in "=".
struct CommandCall {
    Application& app;
    std::string_view command; // as sent, "[" to "]"
    std::string_view upper;   // the same, upper-cased
    std::string_view value{}; // as sent, between the keyword and the "]"
    std::string_view upperValue{};

    Job& job() { return app.job(); }

    // Assigns a job field and marks the job changed when the value differs.
    template <typename T, typename U> void set(T& field, U&& value) {
        if (field != value) {
            field = std::forward<U>(value);
            app.state().Dirty = true;
        }
    }
};

// The handler of a command that sets a job field to a fixed value.
template <auto Field, auto Value> Outcome setField(CommandCall& call) {
    call.set(call.job().*Field, Value);
    return kAccepted;
}

// What saving the symbol came to, as a command's outcome.
[[nodiscard]] inline Outcome saveOutcome(SaveOutcome outcome) {
    switch (outcome) {
    case SaveOutcome::Saved:
        return kAccepted;
    case SaveOutcome::NothingToSave:
        return Refusal::NothingToSave;
    case SaveOutcome::Failed:
        return Refusal::SaveFailed;
    }
    return Refusal::SaveFailed;
}

// A handler carries out one command, or refuses it with the reason (a
// negative acknowledgement for the whole execute string).
using CommandHandler = Outcome (*)(CommandCall&);

enum class Match {
    Exact,  // the whole upper-cased command is the keyword
    Prefix, // the upper-cased command starts with the keyword, which ends in "=" or "("
};

struct CommandEntry {
    std::string_view keyword;
    Match match;
    CommandHandler handler;
};

// Commands are matched against the actions, then the symbology keywords of
// the catalogue, then the commands with a value, then the raster settings,
// then those of the files and the numbering, and the first match acts.
[[nodiscard]] std::span<const CommandEntry> actionCommands();
[[nodiscard]] std::span<const CommandEntry> valueCommands();
[[nodiscard]] std::span<const CommandEntry> rasterCommands();
[[nodiscard]] std::span<const CommandEntry> fileCommands();

// Selects the symbology of a catalogue keyword as its menu item does.
[[nodiscard]] Outcome selectSymbology(CommandCall& call, Symbology symbology);

} // namespace vornik::dde
