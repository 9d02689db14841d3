#include "core/dde/refusal.h"
#include "support/command_session.h"

#include <gtest/gtest.h>
#include <string>

namespace vornik::dde {
namespace {

using Session = vornik::testing::CommandSession;

// Each refused command comes back with its own reason, in the order sent;
// accepted ones are not in the report.
TEST(RefusalTest, ReportNamesEachRefusedCommandAndWhy) {
    using R = Refusal;
    // clang-format off
    const struct { const char* setup; const char* commands; ExecuteReport expected; } rows[] = {
        {"", "[PDFSECURITY=AUTO][TEXT=ON][FOO]", {}},
        {"[EAN13]", "[supplement='12345']", {{"[supplement='12345']", R::SupplementNotDigits}}},
        {"[PDF417]", "[SUPPLEMENT=1][BARHEIGHT=2]", {{"[SUPPLEMENT=1]", R::SupplementWithPdf417}, {"[BARHEIGHT=2]", R::BarHeightWithPdf417}}},
        {"[CODE128]", "[MAGNIFY=120]", {{"[MAGNIFY=120]", R::MagnifyNotUpcEan}}},
        {"[EAN13]", "[MAGNIFY=-1][MAGNIFY=x]", {{"[MAGNIFY=-1]", R::MagnificationRange}, {"[MAGNIFY=x]", R::NotANumber}}},
        {"", "[PDFSECURITY=9][PDFSECURITY=]", {{"[PDFSECURITY=9]", R::SecurityLevelRange}, {"[PDFSECURITY=]", R::NotANumber}}},
        {"", "[PDFOVERHEAD=100][PDFMAXCOLS=31][PDFMAXROWS=91]", {{"[PDFOVERHEAD=100]", R::OverheadRange}, {"[PDFMAXCOLS=31]", R::MaxColumnsRange}, {"[PDFMAXROWS=91]", R::MaxRowsRange}}},
        {"", "[AZTECECP=1e10][DMFORMAT=8][DMECC=120]", {{"[AZTECECP=1e10]", R::AztecEcPercentRange}, {"[DMFORMAT=8]", R::DmFormatRange}, {"[DMECC=120]", R::DmEccLevel}}},
        {"", "[BARREDUCTION=80][HORIZONTALDPI=0][FONTSIZE=0]", {{"[BARREDUCTION=80]", R::BarReductionRange}, {"[HORIZONTALDPI=0]", R::TargetResolutionRange}, {"[FONTSIZE=0]", R::FontSizeRange}}},
        {"", "[RASTERIMAGERESOLUTION=19][JPEGQUALITY=0][INCWIDTH=-1]", {{"[RASTERIMAGERESOLUTION=19]", R::RasterResolutionRange}, {"[JPEGQUALITY=0]", R::JpegQualityRange}, {"[INCWIDTH=-1]", R::NumberWidthRange}}},
        {"", "[PASTE][PASTECOMMENT][PASTEDATA]", {{"[PASTE]", R::ClipboardHasNoText}, {"[PASTECOMMENT]", R::ClipboardHasNoText}, {"[PASTEDATA]", R::ClipboardHasNoText}}},
        {"", "[SAVEBARCODE][CLOSEMSGFILE][NEXT][PREV]", {{"[SAVEBARCODE]", R::NothingToSave}, {"[CLOSEMSGFILE]", R::NoMessageFileOpen}, {"[NEXT]", R::NoNavigation}, {"[PREV]", R::NoNavigation}}},
        {"", "[print][PRINTNOEJECT][EjectPage]", {{"[print]", R::NothingToPrint}, {"[PRINTNOEJECT]", R::NothingToPrint}}},
        {"[CODE39][MESSAGE='A'][BUILD/COPY]", "[print]", {{"[print]", R::PrintFailed}}},
        {"", "[LEFTPRINTMARGIN=-0.1][TOPPRINTMARGIN=one][TOPPRINTMARGIN=100.5]", {{"[LEFTPRINTMARGIN=-0.1]", R::PrintMarginRange}, {"[TOPPRINTMARGIN=one]", R::NotANumber}, {"[TOPPRINTMARGIN=100.5]", R::PrintMarginRange}}},
        {"", "[APPNORMAL][APPMINIMIZE][LEFTPRINTMARGIN=1][TOPPRINTMARGIN=0.5]", {}},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.setup) + row.commands);
        Session session;
        ASSERT_TRUE(session.run(row.setup));
        const Job before = session.job();
        EXPECT_EQ(session.interpreter.ExecuteWithReport(row.commands), row.expected);
        // The rows refuse all their commands or none: refused ones change
        // nothing of the job.
        if (!row.expected.empty()) {
            EXPECT_TRUE(session.job() == before);
        }
    }
}

TEST(RefusalTest, MarginsAreKeptForPrinting) {
    Session session;
    EXPECT_TRUE(session.run("[LEFTPRINTMARGIN=1.0][TOPPRINTMARGIN= 0.5 ]"));
    EXPECT_EQ(session.state().LeftPrintMargin, 1.0f);
    EXPECT_EQ(session.state().TopPrintMargin, 0.5f);
    EXPECT_FALSE(session.run("[TOPPRINTMARGIN=-2][LEFTPRINTMARGIN=x]"));
    EXPECT_EQ(session.state().LeftPrintMargin, 1.0f);
    EXPECT_EQ(session.state().TopPrintMargin, 0.5f);
    EXPECT_FALSE(session.state().Dirty); // margins are not part of the job
}

// [PASTEDATA] puts the clipboard's text at the message box's cursor, which
// stands at the start of a message set from outside.
TEST(RefusalTest, PasteDataInsertsBeforeTheMessage) {
    Session session;
    session.host.clipboard = "12";
    EXPECT_TRUE(session.run("[MSGTEXT=AB][PASTEDATA]"));
    EXPECT_EQ(session.job().Message, "12AB");
}

TEST(RefusalTest, LineShowsTheKeywordInCapitalsAndTheValueAsSent) {
    const std::string longValue(100, 'x');
    // clang-format off
    const struct { RefusedCommand refused; std::string line; } rows[] = {
        {{"[supplement='12a']", Refusal::SupplementNotDigits}, "refused [SUPPLEMENT='12a']: the supplement takes digits only"},
        {{"[print]", Refusal::PrintFailed}, "refused [PRINT]: the printer did not print it"},
        {{"[savebarcode(/Tmp/A=b.wmf)]", Refusal::NothingToSave}, "refused [SAVEBARCODE(/Tmp/A=b.wmf)]: no symbol has been built to save"},
        {{"[readmsgfile(x)]", Refusal::MessageFileNotRead}, "refused [READMSGFILE(x)]: the message file could not be read"},
        {{"[jpegquality=0]", Refusal::JpegQualityRange}, "refused [JPEGQUALITY=0]: the JPEG quality runs from 1 to 100"},
        {{"[rasterimageresolution=9]", Refusal::RasterResolutionRange}, "refused [RASTERIMAGERESOLUTION=9]: the raster resolution runs from 20 to 1440 dots per inch"},
        {{"[incwidth=5000]", Refusal::NumberWidthRange}, "refused [INCWIDTH=5000]: the number width runs from 0 to 3072 digits"},
        {{"[fontname=" + longValue + "]", Refusal::OutOfMemory}, "refused [FONTNAME=" + longValue.substr(0, 50) + "...: there was not enough memory to carry it out"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(refusalLine(row.refused), row.line);
    }
}

} // namespace
} // namespace vornik::dde
