#include "core/app/main_menu.h"
#include "core/app/print_command.h"
#include "core/app/printer_offset.h"
#include "core/dde/interpreter.h"
#include "core/render/calibration_page.h"
#include "support/command_session.h"

#include <gtest/gtest.h>

namespace vornik {
namespace {

// A session with a printer and a Code 39 symbol on display.
struct PrintingSession : testing::CommandSession {
    PrintingSession() {
        host.printer = PrinterResolution{600, 600};
        run("[CODE39][MESSAGE='VORNIK'][BUILD/COPY]");
    }
    std::vector<std::string> refusals(std::string_view executeString) {
        std::vector<std::string> texts;
        for (const auto& refused : interpreter.ExecuteWithReport(executeString))
            texts.push_back(dde::refusalText(refused.reason));
        return texts;
    }
};

struct Corner {
    double left;
    double top;
    bool operator==(const Corner&) const = default;
};

std::vector<Corner> cornersOf(const PrinterPage& page) {
    std::vector<Corner> corners;
    for (const PlacedPicture& placed : page)
        corners.push_back({placed.leftInches, placed.topInches});
    return corners;
}

// Symbols printed without an eject gather on one page, each at the margins
// it was printed with; the eject sends that page, once.
TEST(PrintCommandTest, SymbolsWithoutAnEjectShareOnePage) {
    PrintingSession session;
    ASSERT_TRUE(session.run("[LEFTPRINTMARGIN=1][TOPPRINTMARGIN=0.5][PRINTNOEJECT]"
                            "[LEFTPRINTMARGIN=2.25][TOPPRINTMARGIN=3][PRINTNOEJECT]"));
    EXPECT_TRUE(session.host.printedPages.empty());
    ASSERT_TRUE(session.run("[EJECTPAGE]"));
    ASSERT_EQ(session.host.printedPages.size(), 1u);
    EXPECT_EQ(cornersOf(session.host.printedPages[0]),
              (std::vector<Corner>{{1.0, 0.5}, {2.25, 3.0}}));
    EXPECT_EQ(session.host.printedPages[0][0].picture.metafile,
              session.state().CurrentPicture.metafile);
    ASSERT_TRUE(session.run("[EJECTPAGE]"));
    EXPECT_EQ(session.host.printedPages.size(), 1u);
}

// [PRINT] adds the symbol to an open page and sends it; the next symbol
// starts a new page.
TEST(PrintCommandTest, PrintEndsTheOpenPage) {
    PrintingSession session;
    ASSERT_TRUE(session.run("[PRINTNOEJECT][LEFTPRINTMARGIN=1][PRINT][PRINT]"));
    ASSERT_EQ(session.host.printedPages.size(), 2u);
    EXPECT_EQ(cornersOf(session.host.printedPages[0]), (std::vector<Corner>{{0, 0}, {1, 0}}));
    EXPECT_EQ(cornersOf(session.host.printedPages[1]), (std::vector<Corner>{{1, 0}}));
    EXPECT_TRUE(session.state().OpenPrinterPage.empty());
}

// A page left open goes to the printer when the program ends.
TEST(PrintCommandTest, AnOpenPageIsPrintedAtTheEnd) {
    PrintingSession session;
    ASSERT_TRUE(session.run("[PRINTNOEJECT]"));
    ASSERT_TRUE(session.app.shutDown(false));
    EXPECT_EQ(session.host.printedPages.size(), 1u);
}

// The printer's offset, kept per printer, moves every symbol printed on it.
TEST(PrintCommandTest, ThePrintersOffsetIsAddedToTheMargins) {
    PrintingSession session;
    storePrinterOffset(session.host, "office", {0.125, -0.25});
    storePrinterOffset(session.host, "label", {0.5, 0.5});
    ASSERT_TRUE(session.run("[LEFTPRINTMARGIN=1][TOPPRINTMARGIN=1][PRINT]"));
    ASSERT_EQ(session.host.printedPages.size(), 1u);
    EXPECT_EQ(cornersOf(session.host.printedPages[0]), (std::vector<Corner>{{1.125, 0.75}}));
}

// What cannot be printed is refused, told in a sentence and counted, and
// leaves no page behind.
TEST(PrintCommandTest, FailuresAreToldAndRefused) {
    struct Row {
        const char* name;
        std::optional<std::string> trouble;
        std::optional<std::string> refusal;
        const char* command;
        const char* told;
    };
    const Row rows[] = {
        {"stopped",
         "The printer office is stopped.",
         {},
         "[PRINT]",
         "The bar code was not printed. The printer office is stopped."},
        {"refused at eject",
         {},
         "The printer office refused the job.",
         "[PRINTNOEJECT][EJECTPAGE]",
         "The page of bar codes was not printed. The printer office refused the job."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PrintingSession session;
        session.host.printerTrouble = row.trouble;
        session.host.pageRefusal = row.refusal;
        session.host.messages.clear();
        EXPECT_EQ(session.refusals(row.command),
                  std::vector<std::string>{"the printer did not print it"});
        ASSERT_EQ(session.host.messages.size(), 1u);
        EXPECT_EQ(session.host.messages[0].text, row.told);
        EXPECT_EQ(session.host.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(session.app.failedFileOperations(), 1);
        EXPECT_TRUE(session.state().OpenPrinterPage.empty());
        EXPECT_TRUE(session.host.printedPages.empty());
    }
}

// Without a symbol on display there is nothing to print: refused, silently,
// and the open page is left as it was.
TEST(PrintCommandTest, NothingBuiltIsRefused) {
    testing::CommandSession session;
    session.host.printer = PrinterResolution{300, 300};
    const auto report = session.interpreter.ExecuteWithReport("[PRINT][PRINTNOEJECT]");
    ASSERT_EQ(report.size(), 2u);
    EXPECT_EQ(dde::refusalText(report[0].reason), "no symbol has been built to print");
    EXPECT_TRUE(session.host.messages.empty());
    EXPECT_TRUE(session.host.printedPages.empty());
    EXPECT_EQ(session.app.failedFileOperations(), 0);
}

// A preview shows the open page and the symbol where printing would put it,
// and changes nothing.
TEST(PrintCommandTest, ThePreviewPageIsTheOpenPageWithTheSymbol) {
    PrintingSession session;
    ASSERT_TRUE(session.run("[PRINTNOEJECT][LEFTPRINTMARGIN=2]"));
    EXPECT_EQ(cornersOf(pageWithSymbol(session.app)), (std::vector<Corner>{{0, 0}, {2, 0}}));
    EXPECT_EQ(session.state().OpenPrinterPage.size(), 1u);
}

// The preview is there while a symbol is on display or a page is open; Print
// needs a symbol.
TEST(PrintCommandTest, ThePreviewItemFollowsTheSymbolOrAnOpenPage) {
    PrintingSession session;
    ASSERT_TRUE(session.run("[PRINTNOEJECT][NEW]"));
    ASSERT_FALSE(session.state().SymbolBuilt);
    const auto menus = mainMenuBar(session.app);
    EXPECT_TRUE(findMenuItem(menus, "PPreview")->enabled);
    EXPECT_FALSE(findMenuItem(menus, "PPrint")->enabled);
    EXPECT_EQ(pageWithSymbol(session.app).size(), 1u);
    ASSERT_TRUE(session.run("[EJECTPAGE]"));
    const auto ejected = mainMenuBar(session.app);
    EXPECT_FALSE(findMenuItem(ejected, "PPreview")->enabled);
}

// The calibration page is a sheet of its own at the paper's corner, without
// the offset it is there to measure, and leaves an open page alone.
TEST(PrintCommandTest, TheCalibrationPageStandsAtThePapersCorner) {
    PrintingSession session;
    storePrinterOffset(session.host, "office", {0.25, 0.25});
    ASSERT_TRUE(session.run("[PRINTNOEJECT]"));
    EXPECT_EQ(printCalibrationPage(session.app), PrintOutcome::Printed);
    ASSERT_EQ(session.host.printedPages.size(), 1u);
    EXPECT_EQ(cornersOf(session.host.printedPages[0]), (std::vector<Corner>{{0, 0}}));
    EXPECT_EQ(session.host.printedPages[0][0].picture.xExtent, 17780);
    EXPECT_EQ(session.state().OpenPrinterPage.size(), 1u);
}

// The cross: a horizontal and a vertical line whose centres lie on the
// calibration point, one inch from the picture's left and top edges.
TEST(CalibrationPageTest, TheCrossIsCentredOneInchIn) {
    const render::CurrentPicture picture = render::calibrationPicture();
    bool horizontal = false;
    bool vertical = false;
    for (const auto& op : picture.metafile->ops) {
        const auto* r = std::get_if<render::op::Rectangle>(&op);
        if (r == nullptr)
            continue;
        const int width = r->right - r->left;
        const int height = r->top - r->bottom;
        const double middleX = (r->left + r->right) / 2.0;
        const double middleY = -(r->top + r->bottom) / 2.0;
        if (width == 2540 && height == 20 && middleX == 2540 && middleY == 2540)
            horizontal = true;
        if (width == 20 && height == 2540 && middleX == 2540 && middleY == 2540)
            vertical = true;
    }
    EXPECT_TRUE(horizontal);
    EXPECT_TRUE(vertical);
}

} // namespace
} // namespace vornik
