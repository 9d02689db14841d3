// Runs the built vornik program as a user would and checks what it says and
// how it exits.

#include "cli/command_line.h"
#include "cli/settings_file.h"
#include "support/temp_folder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace vornik::cli {
namespace {

namespace fs = std::filesystem;
using vornik::testing::readFile;
using vornik::testing::TempFolder;

struct Outcome {
    int exitStatus = -1; // -1 when the program did not exit by itself
    std::string out;
    std::string err;
};

// The environment of this test run without anything that would reach the
// user's own display or settings, plus EXTRA.
std::vector<std::string> childEnvironment(const std::map<std::string, std::string>& extra) {
    std::vector<std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string variable = *entry;
        const auto name = variable.substr(0, variable.find('='));
        if (name != "DISPLAY" && name != "WAYLAND_DISPLAY" && name != "XDG_CONFIG_HOME" &&
            name != "HOME" && !extra.contains(name))
            variables.push_back(variable);
    }
    for (const auto& [name, value] : extra)
        variables.push_back(name + "=" + value);
    return variables;
}

std::vector<char*> pointersTo(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (auto& text : strings)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Runs the program with ARGUMENTS; its output goes to files in FOLDER so that
// neither stream can block the other.
Outcome runProgram(const TempFolder& folder, std::vector<std::string> arguments,
                   const std::map<std::string, std::string>& extraEnvironment) {
    const auto outPath = folder.path() / "stdout.txt";
    const auto errPath = folder.path() / "stderr.txt";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    arguments.insert(arguments.begin(), VORNIK_PROGRAM);
    auto argv = pointersTo(arguments);
    auto variables = childEnvironment(extraEnvironment);
    auto envp = pointersTo(variables);

    Outcome outcome;
    pid_t child = 0;
    const int spawnError =
        posix_spawn(&child, VORNIK_PROGRAM, &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawnError != 0)
        return outcome;
    int status = 0;
    if (::waitpid(child, &status, 0) == child && WIFEXITED(status))
        outcome.exitStatus = WEXITSTATUS(status);
    outcome.out = readFile(outPath);
    outcome.err = readFile(errPath);
    return outcome;
}

std::string noDisplayUsage() {
    return "vornik: no display; run headless like this:\n" + std::string(usageText());
}

std::string desktopUsage() {
    return "vornik: the desktop window is not part of this version yet; run headless like this:\n" +
           std::string(usageText());
}

const std::string kMissingMessage =
    "Vornik: Missing or invalid bar code message!  Please re-enter bar code text.\n";

const std::string kHelpHint = "Try 'vornik --help' for more information.\n";

struct ProgramCase {
    std::string name;
    std::vector<std::string> arguments;
    std::map<std::string, std::string> environment; // besides a fresh XDG_CONFIG_HOME
    int exitStatus;
    std::optional<std::string> err; // nullopt: not checked
    std::optional<std::string> out; // nullopt: not checked
};

// Tests are listed by the row's name, not its bytes.
void PrintTo(const ProgramCase& row, std::ostream* out) {
    *out << row.name;
}

class ProgramTest : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(ProgramTest, ExitsAndReportsAsExpected) {
    const auto& row = GetParam();
    const TempFolder folder;
    auto environment = row.environment;
    environment["XDG_CONFIG_HOME"] = (folder.path() / "config").string();
    environment["HOME"] = (folder.path() / "home").string();

    const auto outcome = runProgram(folder, row.arguments, environment);
    EXPECT_EQ(outcome.exitStatus, row.exitStatus) << "stderr: " << outcome.err;
    if (row.err) {
        EXPECT_EQ(outcome.err, *row.err);
    }
    if (row.out) {
        EXPECT_EQ(outcome.out, *row.out);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ProgramTest,
    ::testing::Values(
        ProgramCase{"Help", {"--help"}, {}, 0, "", std::string(helpText())},
        ProgramCase{"HelpWinsOverExec",
                    {"--exec", "[PDFSECURITY=9]", "-h"},
                    {},
                    0,
                    "",
                    std::string(helpText())},
        ProgramCase{"Version", {"--version"}, {}, 0, "", "vornik 0.1.0\n"},
        ProgramCase{"MissingMessage",
                    {"--exec", "[code39][message=][build/copy]"},
                    {},
                    2,
                    kMissingMessage,
                    ""},
        ProgramCase{"KeywordsIgnoreCase",
                    {"--exec", "[CODE39][Message=][Build/Copy]"},
                    {},
                    2,
                    kMissingMessage,
                    ""},
        ProgramCase{"RefusedValue", {"--exec", "[PDFSECURITY=9]"}, {}, 1, std::nullopt, ""},
        ProgramCase{"AcceptedValue", {"--exec", "[PDFSECURITY=AUTO]"}, {}, 0, "", ""},
        ProgramCase{"AcceptedSettings",
                    {"--exec", "[code39][message='VORNIK-1'][barwidth=10][text=on]"},
                    {},
                    0,
                    "",
                    ""},
        ProgramCase{"ExecWithEquals", {"--exec=[PDFSECURITY=9]"}, {}, 1, std::nullopt, ""},
        ProgramCase{"SecondStringBuildsTheFirstStringsJob",
                    {"--exec", "[code39][message=]", "--exec", "[build/copy]"},
                    {},
                    2,
                    kMissingMessage,
                    ""},
        ProgramCase{"ARefusalAfterwardsStillFails",
                    {"--exec", "[code39][message=][build/copy]", "--exec", "[PDFSECURITY=9]"},
                    {},
                    2,
                    kMissingMessage,
                    ""},
        ProgramCase{"ASuccessAfterwardsStillFails",
                    {"--exec", "[code39][message=][build/copy]", "--exec", "[PDFSECURITY=AUTO]"},
                    {},
                    2,
                    kMissingMessage,
                    ""},
        ProgramCase{"OneRefusalAmongSuccesses",
                    {"--exec", "[PDFSECURITY=AUTO]", "--exec", "[PDFSECURITY=9]", "--exec",
                     "[PDFSECURITY=AUTO]"},
                    {},
                    1,
                    std::nullopt,
                    ""},
        ProgramCase{"NothingRunsAfterAppExit",
                    {"--exec", "[APPEXIT]", "--exec", "[code39][message=][build/copy]"},
                    {},
                    0,
                    "",
                    ""},
        ProgramCase{"YesDoesNotSilenceErrors",
                    {"--yes", "--exec", "[code39][message=][build/copy]"},
                    {},
                    2,
                    kMissingMessage,
                    ""},
        ProgramCase{"UnknownOption",
                    {"--frobnicate"},
                    {},
                    2,
                    "vornik: unknown option --frobnicate\n" + kHelpHint,
                    ""},
        ProgramCase{"ExecWithoutCommands",
                    {"--exec"},
                    {},
                    2,
                    "vornik: option --exec needs the commands to run, as in --exec '[code39]'\n" +
                        kHelpHint,
                    ""},
        ProgramCase{"TwoFiles",
                    {"a.vkf", "b.vkf"},
                    {},
                    2,
                    "vornik: only one configuration file can be named, but both a.vkf and "
                    "b.vkf were\n" +
                        kHelpHint,
                    ""},
        ProgramCase{"NoArgumentsNoDisplay", {}, {}, 2, noDisplayUsage(), ""},
        ProgramCase{"OnlyYesNoDisplay", {"--yes"}, {}, 2, noDisplayUsage(), ""},
        ProgramCase{"NoArgumentsEmptyDisplay", {}, {{"DISPLAY", ""}}, 2, noDisplayUsage(), ""},
        ProgramCase{"NoArgumentsX11", {}, {{"DISPLAY", ":99"}}, 2, desktopUsage(), ""},
        ProgramCase{
            "NoArgumentsWayland", {}, {{"WAYLAND_DISPLAY", "wayland-9"}}, 2, desktopUsage(), ""},
        ProgramCase{"ConfigurationFile",
                    {"labels.vkf"},
                    {},
                    2,
                    "vornik: cannot open labels.vkf: configuration files are not supported by "
                    "this version yet\n",
                    ""},
        ProgramCase{"ConfigurationFileRunsNothing",
                    {"--exec", "[code39][message=][build/copy]", "labels.vkf"},
                    {},
                    2,
                    "vornik: cannot open labels.vkf: configuration files are not supported by "
                    "this version yet\n",
                    ""}),
    [](const auto& info) { return info.param.name; });

// A run that reaches the core keeps its preference in the settings file and
// leaves every other line of that file alone.
TEST(ProgramSettings, ARunKeepsTheRestOfTheSettingsFile) {
    const TempFolder folder;
    const auto config = folder.path() / "config";
    const auto file = folder.write("config/Vornik/Vornik.conf", "; mine\n[Window]\nw=3\n");

    const auto outcome = runProgram(folder, {"--exec", "[PDFSECURITY=AUTO]"},
                                    {{"XDG_CONFIG_HOME", config.string()}});
    EXPECT_EQ(outcome.exitStatus, 0) << "stderr: " << outcome.err;
    const auto text = readFile(file);
    EXPECT_TRUE(text.starts_with("; mine\n[Window]\nw=3\n")) << text;
    EXPECT_NE(SettingsFile(file).read("ShowWordWarning"), std::nullopt) << text;
}

// Help, usage errors and refused files never touch the settings.
TEST(ProgramSettings, RunsThatReachNoJobCreateNoSettingsFile) {
    const std::vector<std::vector<std::string>> calls = {
        {"--help"}, {"--version"}, {"--frobnicate"}, {}, {"labels.vkf"}};
    for (const auto& arguments : calls) {
        const TempFolder folder;
        const auto config = folder.path() / "config";
        (void)runProgram(folder, arguments, {{"XDG_CONFIG_HOME", config.string()}});
        EXPECT_FALSE(fs::exists(config)) << ::testing::PrintToString(arguments);
    }
}

} // namespace
} // namespace vornik::cli
