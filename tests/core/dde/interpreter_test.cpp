#include "core/app/symbology.h"
#include "support/command_session.h"

#include <gtest/gtest.h>
#include <string>

namespace vornik::dde {
namespace {

using namespace std::string_literals;

using Session = vornik::testing::CommandSession;

// Each command runs on a fresh application after the setup, and must leave
// the job as it was, and unmarked.
void expectUnchanged(const char* setup, bool acknowledged,
                     std::initializer_list<const char*> commands) {
    for (const char* command : commands) {
        SCOPED_TRACE(std::string(setup) + command);
        Session session;
        ASSERT_TRUE(session.run(setup));
        session.state().Dirty = false;
        const Job before = session.job();
        EXPECT_EQ(session.run(command), acknowledged);
        EXPECT_TRUE(session.job() == before);
        EXPECT_FALSE(session.state().Dirty);
    }
}

TEST(InterpreterTest, RefusedOrIgnoredCommandsChangeNothing) {
    // Values a refused command must not overwrite, each off its default.
    const char* setup = "[CODE128][PDFSECURITY=3][PDFMAXROWS=5][DMECC=50][BARREDUCTION=10]"
                        "[SUPPLEMENT=12345][RATIO=2.0]";
    expectUnchanged(setup, false,
                    {"[PDFSECURITY=9]", "[PDFSECURITY=8.6]", "[PDFSECURITY=HIGH]",
                     "[PDFOVERHEAD=100]", "[PDFMAXCOLS=31]", "[PDFMAXROWS=91]", "[PDFASPECT=wide]",
                     "[DMFORMAT=8]", "[DMECC=120]", "[BARREDUCTION=80]", "[HORIZONTALDPI=0.4]",
                     "[VERTICALDPI=100000]", "[FONTSIZE=0.99]", "[FONTSIZE=32768]", "[MAGNIFY=120]",
                     "[SUPPLEMENT=12A45]"});
    expectUnchanged("[SUPPLEMENT=1][PDF417]", false, {"[SUPPLEMENT=2]", "[BARHEIGHT=2]"});
    expectUnchanged("[EAN13]", false, {"[MAGNIFY=-10]"});
    expectUnchanged(setup, true,
                    {"[RATIO=3.5]", "[TEXT=ON]", "[FONTSIZE=10]", "[BARWIDTH=13]", "[INCHES]",
                     "[CODE128]", "[FONTSIZE=14", "[FOO][CODE128 ][MESSAGE][]]",
                     "[COPYMESSAGE][COPYCOMMENT]"});
    expectUnchanged("[EAN13]", true, {"[MAGNIFY=100]"});
}

struct ChangeCase {
    const char* setup; // run first, on a fresh application
    const char* command;
    void (*change)(Job&); // the job before into the job expected
};

// The whole job is compared, so a command touching a field it should not fails.
TEST(InterpreterTest, AcceptedCommandsChangeTheirFieldsOnly) {
    const ChangeCase cases[] = {
        {"", "[PDFSECURITY=8]", [](Job& j) { j.PdfSecurityLevel = 8; }},
        {"[PDFSECURITY=3]", "[pdfsecurity=auto]", [](Job& j) { j.PdfSecurityLevel = 9; }},
        {"", "[PDFOVERHEAD=99]", [](Job& j) { j.PdfOverheadPercent = 99; }},
        {"[PDFMAXCOLS=5]", "[PDFMAXCOLS=30]", [](Job& j) { j.PdfMaxColumns = 30; }},
        {"", "[PDFMAXROWS=-5]", [](Job& j) { j.PdfMaxRows = -5; }},
        {"", "[DMFORMAT=7.9]", [](Job& j) { j.DmFormat = 7; }},
        {"", "[DMECC=050]", [](Job& j) { j.DmEccLevel = 3; }},
        {"", "[BARREDUCTION=-12]", [](Job& j) { j.BarWidthAdjust = 2 | kBarWidthGainBit; }},
        {"", "[BARREDUCTION=79]", [](Job& j) { j.BarWidthAdjust = 15; }},
        {"", "[BARREDUCTION=-4]", [](Job& j) { j.BarWidthAdjust = kBarWidthGainBit; }},
        {"", "[VERTICALDPI=99999]", [](Job& j) { j.TargetDpiY = j.DotsAlong = 99999; }},
        {"[VERTDOWN]", "[HORIZONTALDPI=600]", [](Job& j) { j.TargetDpiX = j.DotsAlong = 600; }},
        {"", "[FONTSIZE=32767]", [](Job& j) { j.FontSize = 32767; }},
        {"", "[FONTSIZE=1.9]", [](Job& j) { j.FontSize = 1; }},
        {"[RATIO=2.0]", "[RATIO=2.5]", [](Job& j) { j.Ratio = 5; }},
        {"", "[BARWIDTH=thin]", [](Job& j) { j.NarrowBarWidth = j.Magnification = 0; }},
        {"", "[message='abc',13,0]", [](Job& j) { j.Message = "abc\r\0"s; }},
        {"", "[MSGTEXT='x',13=[b]", [](Job& j) { j.Message = "'x',13=[b"; }},
        {"", "[SUPPLEMENT=12345]", [](Job& j) { j.Supplement = "12345"; }},
        {"", "[COMPOSITE=12A45]", [](Job& j) { j.Supplement = "12A45"; }},
        {"", "[TEXT=OFF]", [](Job& j) { j.IncludeText = false; }},
        {"", "[FORECOLOR=  navy ]", [](Job& j) { j.ForeColor = 0x800000; }},
        {"", "[FONTCOLORRGB=255,128,0]", [](Job& j) { j.FontColor = 0x0080FF; }},
        {"", "[FONTSIZE=14] junk [FONTSIZE=15]", [](Job& j) { j.FontSize = 14; }},
        {"[CODE128][MESSAGE='X'][FONTSIZE=30][VERTDOWN][BARREDUCTION=10]", "[NEW]\r\n[pdf417]",
         [](Job& j) { j = Job{}, j.Symbology = Symbology::Pdf417; }},
    };
    for (const ChangeCase& row : cases) {
        SCOPED_TRACE(std::string(row.setup) + row.command);
        Session session;
        ASSERT_TRUE(session.run(row.setup));
        session.state().Dirty = false;
        Job expected = session.job();
        row.change(expected);
        EXPECT_TRUE(session.run(row.command));
        EXPECT_TRUE(session.job() == expected);
        EXPECT_TRUE(session.state().Dirty);
    }
}

// Every keyword of the catalogue selects its symbology.
TEST(InterpreterTest, SymbologyKeywordsSelectTheirSymbology) {
    for (const SymbologyEntry& entry : kSymbologyCatalogue) {
        for (std::string_view keyword : entry.keywords) {
            if (keyword.empty())
                continue;
            SCOPED_TRACE(keyword);
            Session session;
            ASSERT_TRUE(session.run(keyword == "[CODE128]" ? "[CODE39]" : "[CODE128]"));
            EXPECT_TRUE(session.run(keyword));
            EXPECT_EQ(session.job().Symbology, entry.symbology);
        }
    }
}

struct BoxCase {
    const char* setup;
    const char* command;
    double narrowBar; // thousandths of a centimetre; a mil is 2.54
    const char* width;
    const char* magnify;
};

// Width and magnification follow each other as when typed into the boxes.
TEST(InterpreterTest, DimensionBoxesFollowCommands) {
    const BoxCase cases[] = {
        {"", "[BARWIDTH=10]", 10 * 2.54, "10", "77"},
        {"[METRIC]", "[BARWIDTH=25.4]", 25.4, "25.4", "77"},
        {"[DOTS]", "[BARWIDTH=4]", 4 * 2540.0 / 300, "4", "103"},
        {"[EAN13]", "[MAGNIFY=120]", 13 * 1.2 * 2.54, "15.6", "120"},
    };
    for (const BoxCase& row : cases) {
        SCOPED_TRACE(std::string(row.setup) + row.command);
        Session session;
        ASSERT_TRUE(session.run(row.setup));
        EXPECT_TRUE(session.run(row.command));
        EXPECT_NEAR(session.job().NarrowBarWidth, row.narrowBar, 1e-4);
        EXPECT_EQ(session.app.boxes().widthText(), row.width);
        EXPECT_EQ(session.app.boxes().magnifyText(), row.magnify);
    }
}

// A refused command does not stop later ones; any command, even a refused
// one, means automated use, which never sees the paste advice.
TEST(InterpreterTest, RefusedCommandDoesNotStopLaterOnes) {
    Session session;
    EXPECT_TRUE(session.run(" [BEEP"));
    EXPECT_FALSE(session.state().WordWarningDone);
    EXPECT_FALSE(session.run("[PDFSECURITY=9][PDFOVERHEAD=20][DMECC=120][METRIC]"));
    EXPECT_EQ(session.job().PdfOverheadPercent, 20);
    EXPECT_EQ(session.job().Units, Units::Metric);
    EXPECT_TRUE(session.state().WordWarningDone);
}

TEST(InterpreterTest, ActionsOnABuiltSymbol) {
    Session session;
    const auto& built = session.recordLinearBuilds();
    session.host.clipboard = "old picture";
    EXPECT_TRUE(session.run("[code39][message='ABC',13][build/copy]"));
    EXPECT_EQ(built, std::vector<std::string>{"ABC\r"});
    EXPECT_EQ(session.clipboardAtBuild.at(0), std::nullopt); // emptied before
    // The raw text of [BARCODE=] is the message, built at once.
    EXPECT_TRUE(session.run("[BARCODE=Hello,'x',13]"));
    EXPECT_EQ(built.back(), "Hello,'x',13");
    EXPECT_EQ(session.job().Message, "Hello,'x',13");
    // Switching text or bearer bars to the state they are in rebuilds nothing.
    EXPECT_TRUE(session.run("[TEXT=ON][BEARERBARS=OFF]"));
    EXPECT_EQ(built.size(), 2u);
    EXPECT_TRUE(session.run("[TEXT=OFF][BEARERBARS=ON]"));
    EXPECT_EQ(built.size(), 4u);
    // [NEW] never asks about unsaved changes.
    int questions = 0;
    session.app.querySaveChanges = [&questions](Application&) { return ++questions, false; };
    EXPECT_TRUE(session.run("[NEW]"));
    EXPECT_EQ(questions, 0);
    EXPECT_FALSE(session.state().Dirty);
}

TEST(InterpreterTest, PasteAndCopy) {
    Session session;
    const auto& built = session.recordLinearBuilds();
    ASSERT_TRUE(session.run("[MSGTEXT=old][COMMENT=note]"));
    // An empty clipboard refuses every paste and loses nothing; the build of
    // [PASTE/BUILD/COPY] still runs.
    for (const char* paste : {"[PASTE]", "[PASTEMESSAGE]", "[PASTECOMMENT]", "[PASTE/BUILD/COPY]"})
        EXPECT_FALSE(session.run(paste)) << paste;
    EXPECT_EQ(session.job().Message, "old");
    EXPECT_EQ(session.job().Comment, "note");
    EXPECT_EQ(built.size(), 1u);
    session.host.clipboard = "A\0B\r\n"s;
    EXPECT_TRUE(session.run("[PASTECOMMENT]"));
    EXPECT_EQ(session.job().Comment, "A\0B\r\n"s);
    session.host.clipboard = "XYZ";
    EXPECT_TRUE(session.run("[PASTE/BUILD/COPY]"));
    EXPECT_EQ(built.back(), "XYZ");
    EXPECT_TRUE(session.run("[COPYCOMMENT][PASTE]"));
    EXPECT_EQ(session.job().Message, "A\0B\r\n"s);
    EXPECT_TRUE(session.run("[MSGTEXT=new][COPYMESSAGE]"));
    EXPECT_EQ(session.host.clipboard, "new");
}

} // namespace
} // namespace vornik::dde
