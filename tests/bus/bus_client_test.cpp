// vornik --send: the report on standard error and the exit status are those
// of vornik --exec for the same strings.

#include "served_job.h"

namespace vornik::bus::testing {
namespace {

TEST_F(ServedJob, SendReportsAndExitsAsExecDoes) {
    // clang-format off
    const struct { const char* name; std::vector<std::string> strings; int status; } rows[] = {
        {"Built", {"[code39][message='A'][build/copy][savebarcode(a.svg)]"}, 0},
        // Raster images and PDF are drawn by the converter module in the server.
        {"RasterAndPdf", {"[code128][message='A'][build/copy][savebarcode(a.png)][savebarcode(a.pdf)]"}, 0},
        {"OneStringRefused", {"[dmecc=120]", "[code39][message='A'][build/copy]"}, 1},
        {"BuildWithoutSymbol", {"[code39][message='ABC',13][build/copy]"}, 2},
        {"SaveFailedAfterRefusal", {"[pdfsecurity=9]", "[code39][message='A'][build/copy][savebarcode(/nonexistent/a.svg)]"}, 2},
        {"NothingSent", {""}, 0},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        startServer();
        const Call sent = send(row.strings);
        const Call expected = exec(row.strings);
        EXPECT_EQ(sent.status, row.status);
        EXPECT_EQ(expected.status, row.status);
        EXPECT_EQ(sent.err, expected.err);
        EXPECT_EQ(sent.out, "");
        EXPECT_EQ(send({"[appexit]"}).status, 0);
        EXPECT_TRUE(serverExit().has_value());
    }
}

TEST_F(ServedJob, SendWithNobodyServingSaysSoAndFails) {
    const Call sent = send({"[code39]"});
    EXPECT_EQ(sent.status, 2);
    EXPECT_EQ(sent.err, "vornik: no program serves org.vornik.Vornik on the session bus, and the "
                        "bus cannot start one: start the window, or run vornik --serve\n");
}

TEST_F(ServedJob, SendWithoutASessionBusSaysSoAndFails) {
    const int status = cli::runIn(folder(), "DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/bus " +
                                                std::string(VORNIK_PROGRAM) + " --send '[code39]'");
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(readFile(folder() / "err")
                    .starts_with("vornik: there is no session bus to send the commands over ("))
        << readFile(folder() / "err");
}

TEST_F(ServedJob, ASecondServerIsTurnedAway) {
    startServer();
    const int status = cli::runIn(folder(), std::string(VORNIK_PROGRAM) + " --serve");
    EXPECT_EQ(status, 2);
    EXPECT_EQ(readFile(folder() / "err"),
              "vornik: another program already serves org.vornik.Vornik on this session bus\n");
}

} // namespace
} // namespace vornik::bus::testing
