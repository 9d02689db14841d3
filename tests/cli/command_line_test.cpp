#include "cli/command_line.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vornik::cli {
namespace {

using Line = CommandLine; // exec strings, --yes, --help, --version, file, --printer
using Error = CommandLineError;

TEST(CommandLineParse, GivesTheLineOrTheReason) {
    const std::string needsCommands =
        "option --exec needs the commands to run, as in --exec '[code39]'";
    const std::string needsPrinter =
        "option --printer needs the name of a print queue, as in --printer office-laser";
    // clang-format off
    const struct { const char* name; std::vector<std::string> arguments; ParsedCommandLine expected; } rows[] = {
        {"Nothing", {}, Line{}},
        {"ExecsInOrderWithYes", {"--exec", "[a]", "--exec=[b][message='A=B']", "--yes", "--exec", "-1", "--exec="},
         Line{{"[a]", "[b][message='A=B']", "-1", ""}, true, false, false, {}, {}}},
        {"ShortHelp", {"-h"}, Line{{}, false, true, false, {}, {}}},
        {"Version", {"--version"}, Line{{}, false, false, true, {}, {}}},
        {"FileWithExec", {"--exec", "[x]", "a.vkf"}, Line{{"[x]"}, false, false, false, "a.vkf", {}}},
        {"LoneDashIsAFile", {"-"}, Line{{}, false, false, false, "-", {}}},
        {"DoubleDashEndsOptions", {"--", "--yes"}, Line{{}, false, false, false, "--yes", {}}},
        {"UnknownOption", {"--help", "--frobnicate"}, Error{"unknown option --frobnicate"}},
        {"UnknownShortOption", {"-x"}, Error{"unknown option -x"}},
        {"ExecPrefix", {"--execute", "[x]"}, Error{"unknown option --execute"}},
        {"ExecAtTheEnd", {"--yes", "--exec"}, Error{needsCommands}},
        {"ExecFollowedByOption", {"--exec", "--yes"}, Error{needsCommands}},
        {"FlagWithValue", {"--yes=no"}, Error{"option --yes takes no value"}},
        {"Printer", {"--printer", "office-laser", "--exec", "[x]"}, Line{{"[x]"}, false, false, false, {}, "office-laser"}},
        {"PrinterWithEquals", {"--printer=lab 2", "--exec", "[x]"}, Line{{"[x]"}, false, false, false, {}, "lab 2"}},
        {"PrinterAtTheEnd", {"--exec", "[x]", "--printer"}, Error{needsPrinter}},
        {"PrinterFollowedByOption", {"--printer", "--exec", "[x]"}, Error{needsPrinter}},
        {"PrinterEmpty", {"--printer=", "--exec", "[x]"}, Error{needsPrinter}},
        {"TwoPrinters", {"--printer", "a", "--printer=b"}, Error{"only one printer can be named, but both a and b were"}},
        {"TwoFiles", {"a.vkf", "--exec", "[x]", "b.vkf"}, Error{"only one configuration file can be named, but both a.vkf and b.vkf were"}},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(parseCommandLine(row.arguments) == row.expected);
    }
}

} // namespace
} // namespace vornik::cli
