#include "cli/command_line.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vornik::cli {

// Lets a failed comparison show both command lines in words.
void PrintTo(const ParsedCommandLine& parsed, std::ostream* out) {
    if (const auto* error = std::get_if<CommandLineError>(&parsed)) {
        *out << "error \"" << error->message << "\"";
        return;
    }
    const auto& line = std::get<CommandLine>(parsed);
    *out << "{exec:";
    for (const auto& commands : line.execStrings)
        *out << " \"" << commands << "\"";
    *out << " yes=" << line.answerYes << " help=" << line.help << " version=" << line.version
         << " file=" << line.configurationFile.value_or("(none)") << "}";
}

namespace {

struct ParseCase {
    std::string name;
    std::vector<std::string> arguments;
    ParsedCommandLine expected;
};

// Tests are listed by the row's name, not its bytes.
void PrintTo(const ParseCase& row, std::ostream* out) {
    *out << row.name;
}

class ParseTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseTest, GivesTheExpectedValue) {
    const auto& row = GetParam();
    const auto parsed = parseCommandLine(row.arguments);
    EXPECT_EQ(parsed, row.expected);
}

CommandLine execs(std::vector<std::string> strings, bool answerYes = false) {
    CommandLine line;
    line.execStrings = std::move(strings);
    line.answerYes = answerYes;
    return line;
}

enum class Flag { Yes, Help, Version };

CommandLine flag(Flag which) {
    CommandLine line;
    switch (which) {
    case Flag::Yes:
        line.answerYes = true;
        break;
    case Flag::Help:
        line.help = true;
        break;
    case Flag::Version:
        line.version = true;
        break;
    }
    return line;
}

CommandLine file(std::string name, std::vector<std::string> strings = {}) {
    CommandLine line = execs(std::move(strings));
    line.configurationFile = std::move(name);
    return line;
}

CommandLineError error(std::string message) {
    return CommandLineError{std::move(message)};
}

const std::string kNeedsCommands =
    "option --exec needs the commands to run, as in --exec '[code39]'";

INSTANTIATE_TEST_SUITE_P(
    Rows, ParseTest,
    ::testing::Values(
        ParseCase{"Nothing", {}, CommandLine{}},
        ParseCase{"OneExec", {"--exec", "[code39]"}, execs({"[code39]"})},
        ParseCase{"ExecWithEquals",
                  {"--exec=[code39][message='A=B']"},
                  execs({"[code39][message='A=B']"})},
        ParseCase{"ExecEqualsEmpty", {"--exec="}, execs({""})},
        ParseCase{"ExecsKeepTheirOrder",
                  {"--exec", "[message=]", "--exec=[build/copy]", "--exec", "[code39]"},
                  execs({"[message=]", "[build/copy]", "[code39]"})},
        ParseCase{"ExecValueMayStartWithADash", {"--exec", "-1"}, execs({"-1"})},
        ParseCase{"YesBefore", {"--yes", "--exec", "[x]"}, execs({"[x]"}, true)},
        ParseCase{"YesAfter", {"--exec", "[x]", "--yes"}, execs({"[x]"}, true)},
        ParseCase{"YesAlone", {"--yes"}, flag(Flag::Yes)},
        ParseCase{"Help", {"--help"}, flag(Flag::Help)},
        ParseCase{"ShortHelp", {"-h"}, flag(Flag::Help)},
        ParseCase{"Version", {"--version"}, flag(Flag::Version)},
        ParseCase{"ConfigurationFile", {"labels.vkf"}, file("labels.vkf")},
        ParseCase{"FileWithExec", {"--exec", "[x]", "labels.vkf"}, file("labels.vkf", {"[x]"})},
        ParseCase{"LoneDashIsAFile", {"-"}, file("-")},
        ParseCase{"DoubleDashEndsOptions", {"--", "--yes"}, file("--yes")},
        ParseCase{"UnknownLongOption", {"--frobnicate"}, error("unknown option --frobnicate")},
        ParseCase{"UnknownShortOption", {"-x"}, error("unknown option -x")},
        ParseCase{"UnknownOptionWithValue", {"--send=[x]"}, error("unknown option --send=[x]")},
        ParseCase{"ExecPrefixIsNotExec", {"--execute", "[x]"}, error("unknown option --execute")},
        ParseCase{"WrongCase", {"--EXEC", "[x]"}, error("unknown option --EXEC")},
        ParseCase{"ExecAtTheEnd", {"--yes", "--exec"}, error(kNeedsCommands)},
        ParseCase{"ExecFollowedByOption", {"--exec", "--yes"}, error(kNeedsCommands)},
        ParseCase{"YesWithValue", {"--yes=no"}, error("option --yes takes no value")},
        ParseCase{"HelpWithValue", {"--help=all"}, error("option --help takes no value")},
        ParseCase{"TwoFiles",
                  {"a.vkf", "--exec", "[x]", "b.vkf"},
                  error("only one configuration file can be named, but both a.vkf and b.vkf "
                        "were")},
        ParseCase{
            "ErrorEvenWithHelp", {"--help", "--frobnicate"}, error("unknown option --frobnicate")}),
    [](const auto& info) { return info.param.name; });

// The texts shown to people: they must name what they explain.
struct TextCase {
    std::string name;
    std::string_view text;
    std::vector<std::string> mentions;
};

void PrintTo(const TextCase& row, std::ostream* out) {
    *out << row.name;
}

class TextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextTest, MentionsWhatItExplains) {
    const auto& row = GetParam();
    for (const auto& mention : row.mentions)
        EXPECT_NE(row.text.find(mention), std::string_view::npos) << "missing: " << mention;
    EXPECT_TRUE(row.text.ends_with("\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextTest,
    ::testing::Values(
        TextCase{"Help",
                 helpText(),
                 {"--exec COMMANDS", "--exec=COMMANDS", "--yes", "-h, --help", "--version",
                  "[code39][message='ABC',13][build/copy]", "not case-sensitive", "standard error",
                  "Exit status", "Vornik.conf", "XDG_CONFIG_HOME", "[Settings]",
                  "desktop window is not part of this version yet"}},
        TextCase{"Usage", usageText(), {"vornik [--yes] --exec COMMANDS", "vornik --help"}}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace vornik::cli
