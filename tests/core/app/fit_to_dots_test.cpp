#include "core/app/fit_to_dots.h"
#include "support/command_session.h"
#include "support/row_name.h"

#include <gtest/gtest.h>

namespace vornik {
namespace {

using testing::PrintTo;

constexpr float kMil = 2.54f; // 0.001 cm

TEST(FitToDotsTest, LengthsBecomeWholeDotsOfAtLeastThree) {
    struct Row {
        const char* name;
        float length;
        int dotsPerInch;
        float fitted;
    };
    const Row rows[] = {
        {"7 mils at 300 dpi: 2.1 dots, raised to 3", 7 * kMil, 300, 25.4f},
        {"13 mils at 300 dpi: 3.9 dots, 4", 13 * kMil, 300, 33.866667f},
        {"10 mils at 300 dpi: exactly 3", 10 * kMil, 300, 25.4f},
        {"13 mils at 600 dpi: 7.8 dots, 8", 13 * kMil, 600, 33.866667f},
        {"20 mils at 203 dpi: 4.06 dots, 4", 20 * kMil, 203, 50.049261f},
        {"nothing at all: 3 dots", 0, 300, 25.4f},
        {"a resolution of 0 counts as 1", 10 * kMil, 0, 7620.0f},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_FLOAT_EQ(fittedLength(row.length, row.dotsPerInch), row.fitted);
    }
}

// Each symbology's own widths are fitted, across or along the bars as the
// orientation turns the printer's axes; the others are left alone.
TEST(FitToDotsTest, EachSymbologyFitsItsOwnWidths) {
    struct Row {
        const char* name;
        Symbology symbology;
        Orientation orientation;
        int dpiX;
        int dpiY;
        Job expected;
    };
    Job start;
    start.NarrowBarWidth = 7 * kMil;
    start.PdfModuleWidth = 7 * kMil;
    start.PdfModuleHeight = 20 * kMil;
    start.ModuleSize = 13 * kMil;
    const auto with = [&start](auto change) {
        Job job = start;
        change(job);
        return job;
    };
    const Row rows[] = {
        {"Code 128: the narrow bar", Symbology::Code128, Orientation::Horizontal, 300, 300,
         with([](Job& j) { j.NarrowBarWidth = 25.4f; })},
        {"turned Code 128 on 300 x 600: across is y", Symbology::Code128, Orientation::Vertical90,
         300, 600, with([](Job& j) { j.NarrowBarWidth = 16.933333f; })},
        {"UPC-A: the magnification follows", Symbology::UpcA, Orientation::Horizontal, 300, 300,
         with([](Job& j) {
             j.NarrowBarWidth = 25.4f;
             j.Magnification = 76.923077f;
         })},
        {"PDF417: width across, height along", Symbology::Pdf417, Orientation::Horizontal, 300, 600,
         with([](Job& j) {
             j.PdfModuleWidth = 25.4f;
             j.PdfModuleHeight = 50.8f;
         })},
        {"Data Matrix: at the coarser resolution", Symbology::DataMatrix, Orientation::Horizontal,
         600, 300, with([](Job& j) { j.ModuleSize = 33.866667f; })},
        {"POSTNET keeps its fixed bars", Symbology::Postnet, Orientation::Horizontal, 300, 300,
         start},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Job job = start;
        job.Symbology = row.symbology;
        job.Orientation = row.orientation;
        job.TargetDpiX = row.dpiX;
        job.TargetDpiY = row.dpiY;
        Job expected = row.expected;
        expected.Symbology = row.symbology;
        expected.Orientation = row.orientation;
        expected.TargetDpiX = row.dpiX;
        expected.TargetDpiY = row.dpiY;
        deriveDots(expected);
        const Job fitted = fittedToDots(job);
        EXPECT_FLOAT_EQ(fitted.NarrowBarWidth, expected.NarrowBarWidth);
        EXPECT_FLOAT_EQ(fitted.Magnification, expected.Magnification);
        EXPECT_FLOAT_EQ(fitted.PdfModuleWidth, expected.PdfModuleWidth);
        EXPECT_FLOAT_EQ(fitted.PdfModuleHeight, expected.PdfModuleHeight);
        EXPECT_FLOAT_EQ(fitted.ModuleSize, expected.ModuleSize);
    }
}

// [FITTODOTS] marks the job changed, shows the fitted width in the box and
// rebuilds the symbol, which three whole dots no longer make the printer
// resolution warning call too narrow.
TEST(FitToDotsTest, TheCommandFitsRebuildsAndNoLongerWarns) {
    testing::CommandSession session;
    ASSERT_TRUE(session.run("[CODE128][MESSAGE='VORNIK'][HORIZONTALDPI=300][VERTICALDPI=300]"
                            "[BARWIDTH=7][MESSAGEWARNINGS=OFF]"));
    session.host.answers = {MessageAnswer::Ok};
    ASSERT_TRUE(session.run("[BUILD/COPY]"));
    ASSERT_EQ(session.host.messages.size(), 1u);
    EXPECT_EQ(session.host.messages[0].title, "Printer Resolution Warning");
    session.host.messages.clear();
    session.state().Dirty = false;
    const std::size_t builds = session.host.published.size();

    ASSERT_TRUE(session.run("[FITTODOTS]"));
    EXPECT_FLOAT_EQ(session.job().NarrowBarWidth, 25.4f);
    EXPECT_TRUE(session.state().Dirty);
    EXPECT_EQ(session.app.boxes().widthText(), "10.00");
    EXPECT_EQ(session.host.published.size(), builds + 1);
    EXPECT_TRUE(session.host.messages.empty());

    session.state().Dirty = false;
    ASSERT_TRUE(session.run("[FITTODOTS]"));
    EXPECT_FALSE(session.state().Dirty);
    EXPECT_EQ(session.host.published.size(), builds + 1);
}

} // namespace
} // namespace vornik
