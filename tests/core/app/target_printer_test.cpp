#include "core/app/print_margins.h"
#include "core/app/printer_offset.h"
#include "core/app/target_printer.h"
#include "support/command_session.h"
#include "support/row_name.h"

#include <gtest/gtest.h>

namespace vornik {
namespace {

using testing::PrintTo;

// OK stores the boxes' numbers, whole and at least 1, with DotsAcross and
// DotsAlong following the orientation; the job counts as changed when
// anything differs.
TEST(TargetPrinterTest, OkStoresTheResolutionAndTheSwitch) {
    struct Row {
        const char* name;
        Orientation orientation;
        TargetPrinterFields fields;
        int dpiX, dpiY, across, along;
        bool warnings;
        bool dirty;
    };
    const Row rows[] = {
        {"unchanged",
         Orientation::Horizontal,
         {true, "300", "300"},
         300,
         300,
         300,
         300,
         true,
         false},
        {"600 x 300 on a symbol turned 90 degrees",
         Orientation::Vertical90,
         {true, "600", "300"},
         600,
         300,
         300,
         600,
         true,
         true},
        {"0 is stored as 1", Orientation::Horizontal, {true, "0", ""}, 1, 1, 1, 1, true, true},
        {"more than a printer has is cut to 99999",
         Orientation::Horizontal,
         {true, "1234567890123", " 720"},
         99999,
         720,
         99999,
         720,
         true,
         true},
        {"the warnings switched off",
         Orientation::Horizontal,
         {false, " 300", "300"},
         300,
         300,
         300,
         300,
         false,
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testing::CommandSession session;
        session.job().Orientation = row.orientation;
        session.state().Dirty = false;
        applyTargetPrinter(session.app, row.fields);
        EXPECT_EQ(session.job().TargetDpiX, row.dpiX);
        EXPECT_EQ(session.job().TargetDpiY, row.dpiY);
        EXPECT_EQ(session.job().DotsAcross, row.across);
        EXPECT_EQ(session.job().DotsAlong, row.along);
        EXPECT_EQ(session.job().PrintWarnings, row.warnings);
        EXPECT_EQ(session.state().Dirty, row.dirty);
    }
}

TEST(TargetPrinterTest, TheDialogOpensOnTheJobAndTakesDigitsOnly) {
    testing::CommandSession session;
    ASSERT_TRUE(session.run("[HORIZONTALDPI=203][VERTICALDPI=406][PRINTWARNINGS=OFF]"));
    EXPECT_EQ(targetPrinterFields(session.job()), (TargetPrinterFields{false, "203", "406"}));
    for (const char key : std::string("0123456789\b"))
        EXPECT_TRUE(resolutionBoxTakes(key)) << key;
    for (const char key : std::string("-.e ,x"))
        EXPECT_FALSE(resolutionBoxTakes(key)) << key;
}

// Printer Setup and "Select Printer..." take the chosen printer's resolution;
// Cancel changes nothing.
TEST(TargetPrinterTest, TheChosenPrintersResolutionIsTaken) {
    testing::CommandSession session;
    session.host.printerChoices = {std::nullopt,
                                   std::pair<std::string, PrinterResolution>{"label", {203, 406}}};
    EXPECT_FALSE(session.host.choosePrinter());
    const auto chosen = session.host.choosePrinter();
    ASSERT_TRUE(chosen);
    TargetPrinterFields fields = targetPrinterFields(session.job());
    showPrinterResolution(fields, *chosen);
    EXPECT_EQ(fields, (TargetPrinterFields{true, "203", "406"}));
    applyPrinterSetup(session.app, *chosen);
    EXPECT_EQ(session.job().TargetDpiX, 203);
    EXPECT_EQ(session.job().TargetDpiY, 406);
    EXPECT_EQ(session.host.printerName(), "label");
}

TEST(PrintMarginsTest, TheBoxesReadAsNumbersAndMarginsStayOnThePaper) {
    struct Row {
        const char* name;
        PrintMarginTexts texts;
        float left, top;
        std::optional<std::string> refusal;
    };
    const Row rows[] = {
        {"numbers", {"1", "0.5"}, 1.0f, 0.5f, {}},
        {"no number gives 0", {"abc", ""}, 0.0f, 0.0f, {}},
        {"leading number", {"2.5in", " 3"}, 2.5f, 3.0f, {}},
        {"negative",
         {"-1", "1"},
         0.75f,
         0.25f,
         "A print margin is a number of inches from 0 to 100."},
        {"off any paper",
         {"1", "101"},
         0.75f,
         0.25f,
         "A print margin is a number of inches from 0 to 100."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RunState state;
        state.LeftPrintMargin = 0.75f;
        state.TopPrintMargin = 0.25f;
        EXPECT_EQ(printMarginTexts(state), (PrintMarginTexts{"0.75", "0.25"}));
        EXPECT_EQ(storePrintMargins(state, row.texts), row.refusal);
        EXPECT_EQ(state.LeftPrintMargin, row.left);
        EXPECT_EQ(state.TopPrintMargin, row.top);
    }
}

// Offsets are shown and read in the display unit and kept in inches.
TEST(PrinterOffsetTest, OffsetsTravelInTheDisplayUnit) {
    struct Row {
        const char* name;
        Units units;
        PrinterOffsetTexts texts;
    };
    const Row rows[] = {
        {"inches", Units::InchesMils, {"inches", "0.050", "-0.100"}},
        {"millimetres", Units::Metric, {"mm", "1.27", "-2.54"}},
        {"dots of a 300 x 600 target", Units::PrinterDots, {"printer dots", "15", "-60"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Job job;
        job.Units = row.units;
        job.TargetDpiX = 300;
        job.TargetDpiY = 600;
        const PrinterOffset offset{0.05, -0.1};
        EXPECT_EQ(printerOffsetTexts(job, offset), row.texts);
        const auto read = readPrinterOffset(job, row.texts.horizontal, row.texts.vertical);
        ASSERT_TRUE(std::holds_alternative<PrinterOffset>(read));
        EXPECT_NEAR(std::get<PrinterOffset>(read).leftInches, 0.05, 1e-9);
        EXPECT_NEAR(std::get<PrinterOffset>(read).topInches, -0.1, 1e-9);
    }
}

TEST(PrinterOffsetTest, BadOffsetsAreRefusedInASentence) {
    Job job;
    job.Units = Units::Metric;
    const auto refusal = [&job](std::string_view h, std::string_view v) {
        const auto read = readPrinterOffset(job, h, v);
        return std::holds_alternative<std::string>(read) ? std::get<std::string>(read) : "";
    };
    EXPECT_EQ(refusal("1.5mm", "0"), "An offset is a number, such as 0.02 or -0.5.");
    EXPECT_EQ(refusal("26", "0"),
              "An offset shifts a symbol by at most 1 inch (25.4 mm) either way.");
    EXPECT_EQ(refusal("", ""), "");
}

// Each printer keeps its own offset, under a key any printer name can be
// written in; what is kept but unreadable counts as no offset.
TEST(PrinterOffsetTest, EachPrinterKeepsItsOwnOffset) {
    testing::FakeHost host;
    storePrinterOffset(host, "Office Laser=2", {0.02, -0.01});
    EXPECT_EQ(printerOffsetKey("Office Laser=2"), "PrinterOffset_Office%20Laser%3D2");
    EXPECT_EQ(host.settings.at("PrinterOffset_Office%20Laser%3D2"), "0.02 -0.01");
    EXPECT_EQ(printerOffset(host, "Office Laser=2"), (PrinterOffset{0.02, -0.01}));
    EXPECT_EQ(printerOffset(host, "label"), PrinterOffset{});
    for (const char* kept : {"0.02", "a b", "5 0", "nan 0"}) {
        host.settings["PrinterOffset_label"] = kept;
        EXPECT_EQ(printerOffset(host, "label"), PrinterOffset{}) << kept;
    }
}

} // namespace
} // namespace vornik
