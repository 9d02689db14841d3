#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vornik::cli {

#ifdef VORNIK_VERSION
inline constexpr std::string_view kVersionText = "vornik " VORNIK_VERSION;
#else
inline constexpr std::string_view kVersionText = "vornik 0.1.0";
#endif

// What the program was asked to do.
struct CommandLine {
    std::vector<std::string> execStrings; // every --exec, in the order given
    bool answerYes = false;
    bool help = false;
    bool version = false;
    std::optional<std::string> configurationFile;
    std::optional<std::string> printer;   // --printer: a print queue instead of the default
    bool serve = false;                   // --serve: the job served on the session bus
    std::vector<std::string> sendStrings; // every --send, in the order given
    bool verify = false;                  // --verify: every image file saved is read back

    bool operator==(const CommandLine&) const = default;
};

// A command line the program cannot follow, and why.
struct CommandLineError {
    std::string message;

    bool operator==(const CommandLineError&) const = default;
};

using ParsedCommandLine = std::variant<CommandLine, CommandLineError>;

// ARGUMENTS are the words after the program's name.
ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The full description shown by --help.
std::string_view helpText();

// A few lines on how to run the program headless, shown when it is started
// with nothing to do; they follow a line that ends "run headless like this:".
std::string_view usageText();

} // namespace vornik::cli
