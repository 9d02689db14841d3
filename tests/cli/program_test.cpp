// Runs the built vornik program as a user would and checks what it says, how
// it exits and what it leaves in the settings file.

#include "cli/command_line.h"
#include "cli/settings_file.h"
#include "run_in.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vornik::cli {
namespace {

using vornik::testing::readFile;
using vornik::testing::TempFolder;

const std::string kMissing =
    "Vornik: Missing or invalid bar code message!  Please re-enter bar code text.\n";
const std::string kMine = "; mine\n[Window]\nw=3\n";
const std::string kSecurity =
    "vornik: refused [PDFSECURITY=9]: the PDF417 security level runs from 0 to 8, or is AUTO\n";

TEST(Program, ExitsReportsAndSavesItsSettingsAsExpected) {
    const std::vector<std::string> bad = {"--exec", "[code39][message=][build/copy]"};
    const std::string usage(usageText());
    // The environment has no display and a fresh settings folder besides ENV;
    // SAVES: the settings file gets the preference at shut-down.
    // clang-format off
    const struct { const char* name; std::vector<std::string> arguments; std::string env; int exitStatus; std::string err, out; bool saves; } rows[] = {
        {"Help", {"--help", "--exec", "[x]"}, "", 0, "", std::string(helpText()), false},
        {"Version", {"--version"}, "", 0, "", std::string(kVersionText) + "\n", false},
        {"MissingMessage", bad, "", 2, kMissing, "", true},
        {"Refused", {"--exec", "[PDFSECURITY=9]"}, "", 1, kSecurity, "", true},
        {"Accepted", {"--exec", "[PDFSECURITY=AUTO]"}, "", 0, "", "", true},
        {"Pdf417BesideItsPatternFile", {"--exec", "[pdf417][message='Hello'][build/copy][savebarcode(p.wmf)]"}, "", 0, "", "", true},
        {"OneJobForAllStrings", {"--exec", "[code39][message=]", "--exec", "[build/copy]"}, "", 2, kMissing, "", true},
        {"TwoBeatsOne", {bad[0], bad[1], "--exec=[PDFSECURITY=9]", "--yes"}, "", 2, kMissing + kSecurity, "", true},
        {"OneRefusal", {"--exec", "[PDFSECURITY=AUTO]", "--exec", "[PDFSECURITY=9]", "--exec", "[APPEXIT]"}, "", 1, kSecurity, "", true},
        {"NothingAfterAppExit", {"--exec", "[APPEXIT]", bad[0], bad[1]}, "", 0, "", "", true},
        {"UnknownOption", {"--frobnicate"}, "", 2, "vornik: unknown option --frobnicate\nTry 'vornik --help' for more information.\n", "", false},
        {"NoArguments", {}, "DISPLAY=", 2, "vornik: no display; run headless like this:\n" + usage, "", false},
        {"OnlyYesOnADesktop", {"--yes"}, "WAYLAND_DISPLAY=w-9", 2, "vornik: --yes runs headless, and there is nothing to run; run headless like this:\n" + usage, "", false},
        {"MissingConfigurationFile", {bad[0], bad[1], "labels.vkf"}, "", 2, "Vornik: File: labels.vkf could not be used: No such file or directory.\n" + kMissing, "", true},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const TempFolder folder;
        const auto settings = folder.write("config/Vornik/Vornik.conf", kMine);
        std::string command =
            "env -u DISPLAY -u WAYLAND_DISPLAY " + row.env + " " + shellWord(VORNIK_PROGRAM);
        for (const auto& argument : row.arguments)
            command += " " + shellWord(argument);
        EXPECT_EQ(runIn(folder.path(), command), row.exitStatus);
        EXPECT_EQ(readFile(folder.path() / "err"), row.err);
        EXPECT_EQ(readFile(folder.path() / "out"), row.out);
        EXPECT_EQ(readFile(settings),
                  row.saves ? kMine + "\n[Settings]\nShowWordWarning=-1\n" : kMine);
    }
}

} // namespace
} // namespace vornik::cli
