// org.freedesktop.Application on the headless server: Open loads .vkf
// files, ActivateAction runs build, next, previous and print, and every
// failure is a sentence.

#include "served_job.h"

namespace vornik::bus::testing {
namespace {

constexpr const char* kOpen = "org.freedesktop.Application.Open";
constexpr const char* kAction = "org.freedesktop.Application.ActivateAction";

TEST_F(ServedJob, OpenLoadsAConfigurationFile) {
    ASSERT_EQ(
        exec({"[code128][message='FROMFILE'][saveconfig(" + (folder() / "f.vkf").string() + ")]"})
            .status,
        0);
    startServer();
    const std::string uri = "file://" + (folder() / "f.vkf").string();
    const Call opened = gdbus(kOpen, {"['" + uri + "']", "{}"});
    EXPECT_EQ(opened.out, "()") << opened.err;
    EXPECT_EQ(gdbus("org.vornik.Vornik1.Execute", {"[build/copy][saveconfig(g.vkf)]"}).out,
              "(true,)");
    EXPECT_NE(readFile(folder() / "g.vkf").find("FROMFILE"), std::string::npos);
}

// vornik --serve FILE.vkf serves the job the file holds, as --exec runs on it.
TEST_F(ServedJob, TheServerStartsWithItsConfigurationFile) {
    ASSERT_EQ(
        exec({"[code128][message='AT START'][saveconfig(" + (folder() / "s.vkf").string() + ")]"})
            .status,
        0);
    startServer({"s.vkf"});
    EXPECT_EQ(gdbus("org.vornik.Vornik1.Execute", {"[saveconfig(t.vkf)]"}).out, "(true,)");
    EXPECT_NE(readFile(folder() / "t.vkf").find("AT START"), std::string::npos);
    EXPECT_EQ(serverErrors(), "");
}

TEST_F(ServedJob, OpenTellsWhyAFileWasNotOpenedAndKeepsTheJob) {
    const std::string notConfiguration = (folder() / "notes.vkf").string();
    std::ofstream(notConfiguration) << "shopping list\n";
    // What --exec tells of the same file, the first line: the box's.
    const std::string told = exec({"[openconfig(" + notConfiguration + ")]"}).err;
    startServer();
    ASSERT_EQ(gdbus("org.vornik.Vornik1.Execute", {"[message='KEEP']"}).out, "(true,)");
    // clang-format off
    const struct { const char* name; std::string uri; std::string error; } rows[] = {
        {"NotAConfiguration", "file://" + notConfiguration,
         "GDBus.Error:org.vornik.Vornik1.Error.NotOpened: " + told.substr(0, told.find('\n'))},
        {"NotLocal", "https://example.org/a.vkf",
         "GDBus.Error:org.vornik.Vornik1.Error.NotOpened: https://example.org/a.vkf is not a file "
         "on this computer; only local configuration files (.vkf) can be opened."},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Call refused = gdbus(kOpen, {"['" + row.uri + "']", "{}"});
        EXPECT_NE(refused.status, 0);
        EXPECT_EQ(refused.err, "Error: " + row.error + "\n");
    }
    ASSERT_EQ(gdbus("org.vornik.Vornik1.Execute", {"[saveconfig(k.vkf)]"}).out, "(true,)");
    EXPECT_NE(readFile(folder() / "k.vkf").find("KEEP"), std::string::npos);
}

TEST_F(ServedJob, ActionsRunTheirCommands) {
    startServer();
    ASSERT_EQ(
        gdbus("org.vornik.Vornik1.Execute", {"[code128][incstart=7][incwidth=2][incenable]"}).out,
        "(true,)");
    // clang-format off
    const struct { const char* name; std::string action; std::string error; } rows[] = {
        {"Next", "next", ""},
        {"Previous", "previous", ""},
        {"Build", "build", ""},
        {"PrintWithoutPrinter", "print", "GDBus.Error:org.vornik.Vornik1.Error.Refused: Vornik: "},
        {"Unknown", "frobnicate", "GDBus.Error:org.freedesktop.DBus.Error.InvalidArgs: There is no "
                                  "action frobnicate; the actions are build, next, previous and print."},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Call done = gdbus(kAction, {row.action, "[]", "{}"});
        if (row.error.empty()) {
            EXPECT_EQ(done.out, "()") << done.err;
            continue;
        }
        EXPECT_TRUE(done.err.starts_with("Error: " + row.error)) << done.err;
    }
    // [incdisable] leaves nothing to step through: next is refused with its reason.
    ASSERT_EQ(gdbus("org.vornik.Vornik1.Execute", {"[incdisable]"}).out, "(true,)");
    EXPECT_EQ(gdbus(kAction, {"next", "[]", "{}"}).err,
              "Error: GDBus.Error:org.vornik.Vornik1.Error.Refused: vornik: refused [NEXT]: there "
              "is no message file or numbering to step through\n");
}

// vornik --serve has no window to show; a desktop program the user starts
// meanwhile opens a window of its own instead of handing itself over to a
// server nobody sees.
TEST_F(ServedJob, ActivateSaysThereIsNoWindowAndTheDesktopOpensItsOwn) {
    startServer();
    const Call shown = gdbus("org.freedesktop.Application.Activate", {"{}"});
    EXPECT_NE(shown.status, 0);
    EXPECT_EQ(shown.err, "Error: GDBus.Error:org.vornik.Vornik1.Error.NoWindow: This program "
                         "serves without a window (vornik --serve): there is no window to show.\n");

    BackgroundProgram desktop(
        folder(), {"env", "QT_QPA_PLATFORM=offscreen", VORNIK_DESKTOP_PROGRAM}, "desktop.err");
    const std::string ownWindow = "vornik: another program already serves org.vornik.Vornik on "
                                  "this session bus; the window runs on, but scripts cannot "
                                  "reach it\n";
    std::optional<int> ended;
    for (int tries = 0; tries < 200 && !ended; ++tries) {
        if (readFile(folder() / "desktop.err").find(ownWindow) != std::string::npos)
            break;
        ended = desktop.waitForExit(std::chrono::milliseconds(50));
    }
    EXPECT_EQ(ended, std::nullopt) << "the desktop program handed itself over and ended";
    EXPECT_NE(readFile(folder() / "desktop.err").find(ownWindow), std::string::npos)
        << readFile(folder() / "desktop.err");
    EXPECT_EQ(serverExitSoon(), std::nullopt) << serverErrors();
}

} // namespace
} // namespace vornik::bus::testing
