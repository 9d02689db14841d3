// The command language over the bus: each string answered with the
// acknowledgement and the lines vornik --exec writes for it.

#include "served_job.h"

namespace vornik::bus::testing {
namespace {

// Each row's commands, sent to a fresh server through gdbus, get the same
// acknowledgement and report as --exec gives them: its exit status 1 is a
// negative acknowledgement, and its standard error the report.
TEST_F(ServedJob, ExecuteAcknowledgesAndReportsAsExecDoes) {
    // clang-format off
    const struct { const char* name; std::string commands; bool acknowledged; } rows[] = {
        {"BuildWithCarriageReturn", "[code39][message='ABC',13][build/copy]", true},
        {"SecurityNineRefused", "[PDFSECURITY=9]", false},
        {"SecurityAuto", "[PDFSECURITY=AUTO]", true},
        {"BarGain", "[BARREDUCTION=-12]", true},
        {"BarReductionRefused", "[BARREDUCTION=80]", false},
        {"DmEccRefused", "[DMECC=120]", false},
        {"RatioListed", "[RATIO=2.5]", true},
        {"RatioIgnored", "[RATIO=3.5]", true},
        {"MagnifyCode128Refused", "[code128][MAGNIFY=120]", false},
        {"MagnifyEan13", "[ean13][MAGNIFY=120]", true},
        {"TextAlreadyOn", "[TEXT=ON]", true},
        {"SupplementRefused", "[SUPPLEMENT=12A45]", false},
        {"RefusedThenRun", "[DMECC=120][code39][message='A'][build/copy][savebarcode(a.svg)]", false},
        {"NoBracket", "code39 message", true},
        {"Empty", "", true},
        {"SaveFailed", "[code39][message='AB'][build/copy][savebarcode(/nonexistent/x.svg)]", false},
        {"NoWindowHeadless", "[appminimize]", true},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        startServer();
        const Call execute = gdbus("org.vornik.Vornik1.Execute", {row.commands});
        EXPECT_EQ(execute.out, row.acknowledged ? "(true,)" : "(false,)") << execute.err;
        const Call withReport = gdbus("org.vornik.Vornik1.ExecuteWithReport", {row.commands});
        const Call expected = exec({row.commands});
        EXPECT_EQ(withReport.out, gvariantReply(row.acknowledged, expected.err));
        EXPECT_EQ(send({"[appexit]"}).status, 0);
        // The server's exit status sums up its run as --exec's does.
        EXPECT_EQ(serverExit(), std::optional<int>(expected.status)) << serverErrors();
    }
}

// The commands run as the user who runs the server: a file saved with a
// relative name lands in the server's folder.
TEST_F(ServedJob, FilesAreWrittenWhereTheServerRuns) {
    startServer();
    const Call saved = gdbus("org.vornik.Vornik1.Execute",
                             {"[code128][message='VORNIK'][build/copy][savebarcode(v.svg)]"});
    EXPECT_EQ(saved.out, "(true,)");
    EXPECT_TRUE(readFile(folder() / "v.svg").starts_with("<?xml"));
}

} // namespace
} // namespace vornik::bus::testing
