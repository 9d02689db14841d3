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
    const std::string needsSent =
        "option --send needs the commands to send, as in --send '[code39]'";
    // clang-format off
    const struct { const char* name; std::vector<std::string> arguments; ParsedCommandLine expected; } rows[] = {
        {"Nothing", {}, Line{}},
        {"ExecsInOrderWithYes", {"--exec", "[a]", "--exec=[b][message='A=B']", "--yes", "--exec", "-1", "--exec="},
         Line{{"[a]", "[b][message='A=B']", "-1", ""}, true, false, false, {}, {}, false, {}}},
        {"ShortHelp", {"-h"}, Line{{}, false, true, false, {}, {}, false, {}}},
        {"Version", {"--version"}, Line{{}, false, false, true, {}, {}, false, {}}},
        {"FileWithExec", {"--exec", "[x]", "a.vkf"}, Line{{"[x]"}, false, false, false, "a.vkf", {}, false, {}}},
        {"LoneDashIsAFile", {"-"}, Line{{}, false, false, false, "-", {}, false, {}}},
        {"DoubleDashEndsOptions", {"--", "--yes"}, Line{{}, false, false, false, "--yes", {}, false, {}}},
        {"UnknownOption", {"--help", "--frobnicate"}, Error{"unknown option --frobnicate"}},
        {"UnknownShortOption", {"-x"}, Error{"unknown option -x"}},
        {"ExecPrefix", {"--execute", "[x]"}, Error{"unknown option --execute"}},
        {"ExecAtTheEnd", {"--yes", "--exec"}, Error{needsCommands}},
        {"ExecFollowedByOption", {"--exec", "--yes"}, Error{needsCommands}},
        {"FlagWithValue", {"--yes=no"}, Error{"option --yes takes no value"}},
        {"Printer", {"--printer", "office-laser", "--exec", "[x]"}, Line{{"[x]"}, false, false, false, {}, "office-laser", false, {}}},
        {"PrinterWithEquals", {"--printer=lab 2", "--exec", "[x]"}, Line{{"[x]"}, false, false, false, {}, "lab 2", false, {}}},
        {"PrinterAtTheEnd", {"--exec", "[x]", "--printer"}, Error{needsPrinter}},
        {"PrinterFollowedByOption", {"--printer", "--exec", "[x]"}, Error{needsPrinter}},
        {"PrinterEmpty", {"--printer=", "--exec", "[x]"}, Error{needsPrinter}},
        {"TwoPrinters", {"--printer", "a", "--printer=b"}, Error{"only one printer can be named, but both a and b were"}},
        {"TwoFiles", {"a.vkf", "--exec", "[x]", "b.vkf"}, Error{"only one configuration file can be named, but both a.vkf and b.vkf were"}},
        {"Serve", {"--serve", "--yes", "--printer", "q", "a.vkf"}, Line{{}, true, false, false, "a.vkf", "q", true, {}}},
        {"SendsInOrder", {"--send", "[a]", "--send=[b]", "--send", "-1"}, Line{{}, false, false, false, {}, {}, false, {"[a]", "[b]", "-1"}}},
        {"SendAtTheEnd", {"--send"}, Error{needsSent}},
        {"SendFollowedByOption", {"--send", "--serve"}, Error{needsSent}},
        {"ServeWithExec", {"--serve", "--exec", "[x]"}, Error{"--serve and --exec cannot be given together: send the commands to the server with vornik --send"}},
        {"ServeWithSend", {"--send", "[x]", "--serve"}, Error{"--serve and --send cannot be given together: run the server and the client as two programs"}},
        {"SendWithExec", {"--send", "[x]", "--exec", "[y]"}, Error{"--send and --exec cannot be given together: the commands run either in a running program (--send) or in this one (--exec)"}},
        {"SendWithFile", {"--send", "[x]", "a.vkf"}, Error{"--send takes no configuration file: send [openconfig(a.vkf)] to open it in the running program"}},
        {"SendWithYes", {"--yes", "--send", "[x]"}, Error{"--yes and --printer belong to the program that runs the commands: give them to vornik --serve"}},
        {"SendWithPrinter", {"--send", "[x]", "--printer=q"}, Error{"--yes and --printer belong to the program that runs the commands: give them to vornik --serve"}},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(parseCommandLine(row.arguments) == row.expected);
    }
}

} // namespace
} // namespace vornik::cli
