#include "support/command_session.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace vornik::dde {
namespace {

using namespace std::string_literals;
using Session = vornik::testing::CommandSession;

void none(Job&) {}

// Values a refused command must not overwrite, each off its default.
constexpr const char* kOff = "[CODE128][PDFSECURITY=3][PDFMAXROWS=5][DMECC=50][BARREDUCTION=10]"
                             "[SUPPLEMENT=12345][RATIO=2.0]";

// Each row on a fresh application after its setup. The whole job is compared, so a command
// touching a field it should not, or a refused or ignored one touching any, fails; only a
// change marks the job.
TEST(InterpreterTest, CommandsChangeTheirFieldsOnlyOrNothing) {
    const struct {
        const char* setup;
        const char* command;
        bool accepted;
        void (*change)(Job&); // the job before into the job expected
    } rows[] = {
        // clang-format off
        {kOff, "[PDFSECURITY=9]", false, none}, {kOff, "[PDFSECURITY=8.6]", false, none},
        {kOff, "[PDFSECURITY=HIGH]", false, none}, {kOff, "[PDFOVERHEAD=100]", false, none},
        {kOff, "[PDFMAXCOLS=31]", false, none}, {kOff, "[PDFMAXROWS=91]", false, none},
        {kOff, "[PDFASPECT=wide]", false, none}, {kOff, "[DMFORMAT=8]", false, none},
        {kOff, "[DMECC=120]", false, none}, {kOff, "[BARREDUCTION=80]", false, none},
        {kOff, "[HORIZONTALDPI=0.4]", false, none}, {kOff, "[VERTICALDPI=100000]", false, none},
        {kOff, "[FONTSIZE=0.99]", false, none}, {kOff, "[FONTSIZE=32768]", false, none},
        {kOff, "[MAGNIFY=120]", false, none}, {kOff, "[SUPPLEMENT=12A45]", false, none},
        {"[SUPPLEMENT=1][PDF417]", "[SUPPLEMENT=2]", false, none},
        {"[SUPPLEMENT=1][PDF417]", "[BARHEIGHT=2]", false, none},
        {"[EAN13]", "[MAGNIFY=-10]", false, none},
        {kOff, "[RATIO=3.5]", true, none}, {kOff, "[TEXT=ON]", true, none},
        {kOff, "[FONTSIZE=10]", true, none}, {kOff, "[BARWIDTH=13]", true, none},
        {kOff, "[INCHES]", true, none}, {kOff, "[CODE128]", true, none},
        {kOff, "[FONTSIZE=14", true, none}, {kOff, "[FOO][CODE128 ][MESSAGE][]]", true, none},
        {kOff, "[COPYMESSAGE][COPYCOMMENT]", true, none}, {"[EAN13]", "[MAGNIFY=100]", true, none},
        {"", "[PDFSECURITY=8]", true, [](Job& j) { j.PdfSecurityLevel = 8; }},
        {"[PDFSECURITY=3]", "[pdfsecurity=auto]", true, [](Job& j) { j.PdfSecurityLevel = 9; }},
        {"", "[PDFOVERHEAD=99]", true, [](Job& j) { j.PdfOverheadPercent = 99; }},
        {"[PDFMAXCOLS=5]", "[PDFMAXCOLS=30]", true, [](Job& j) { j.PdfMaxColumns = 30; }},
        {"", "[PDFMAXROWS=-5]", true, [](Job& j) { j.PdfMaxRows = -5; }},
        {"", "[DMFORMAT=7.9]", true, [](Job& j) { j.DmFormat = 7; }},
        {"", "[DMECC=050]", true, [](Job& j) { j.DmEccLevel = 3; }},
        {"", "[BARREDUCTION=-12]", true, [](Job& j) { j.BarWidthAdjust = 2 | kBarWidthGainBit; }},
        {"", "[BARREDUCTION=79]", true, [](Job& j) { j.BarWidthAdjust = 15; }},
        {"", "[BARREDUCTION=-4]", true, [](Job& j) { j.BarWidthAdjust = kBarWidthGainBit; }},
        {"", "[VERTICALDPI=99999]", true, [](Job& j) { j.TargetDpiY = j.DotsAlong = 99999; }},
        {"[VERTDOWN]", "[HORIZONTALDPI=600]", true,
         [](Job& j) { j.TargetDpiX = j.DotsAlong = 600; }},
        {"", "[FONTSIZE=32767]", true, [](Job& j) { j.FontSize = 32767; }},
        {"", "[FONTSIZE=1.9]", true, [](Job& j) { j.FontSize = 1; }},
        {"[RATIO=2.0]", "[RATIO=2.5]", true, [](Job& j) { j.Ratio = 5; }},
        {"", "[BARWIDTH=thin]", true, [](Job& j) { j.NarrowBarWidth = j.Magnification = 0; }},
        {"", "[message='abc',13,0]", true, [](Job& j) { j.Message = "abc\r\0"s; }},
        {"", "[MSGTEXT='x',13=[b]", true, [](Job& j) { j.Message = "'x',13=[b"; }},
        {"", "[SUPPLEMENT=12345]", true, [](Job& j) { j.Supplement = "12345"; }},
        {"", "[COMPOSITE=12A45]", true, [](Job& j) { j.Supplement = "12A45"; }},
        {"", "[TEXT=OFF]", true, [](Job& j) { j.IncludeText = false; }},
        {"", "[FORECOLOR=  navy ]", true, [](Job& j) { j.ForeColor = 0x800000; }},
        {"", "[FONTCOLORRGB=255,128,0]", true, [](Job& j) { j.FontColor = 0x0080FF; }},
        {"", "[FONTSIZE=14] junk [FONTSIZE=15]", true, [](Job& j) { j.FontSize = 14; }},
        {"[CODE128][MESSAGE='X'][FONTSIZE=30][VERTDOWN][BARREDUCTION=10]", "[NEW]\r\n[pdf417]",
         true,
         [](Job& j) { j = Job{}, j.Symbology = Symbology::Pdf417; }},
        {"[CODE128]", "[RSS14SO]", true, [](Job& j) { j.Symbology = Symbology::Rss14StackedOmni; }},
        // Raster image settings.
        {"", "[bitsperpixel=24]", true, [](Job& j) { j.BitsPerPixel = 24; }},
        {"", "[BITSPERPIXEL=4]", true, none}, // not a command: ignored
        {"", "[PNGINTERLACE=ON][BMPCOMPRESSION=ON]", true,
         [](Job& j) { j.PngInterlace = j.BmpCompression = 1; }},
        {"", "[GIFCOMPRESSION=ON][TGACOMPRESSION=ON]", true,
         [](Job& j) { j.GifCompression = j.TgaCompression = 1; }},
        {"", "[TIFFCOMPRESSION=LZW]", true, [](Job& j) { j.TiffCompression = 1; }},
        {"", "[TIFFCOMPRESSION=PACKBITS]", true, [](Job& j) { j.TiffCompression = 2; }},
        {"", "[TIFFCOMPRESSION=GROUP3]", true, [](Job& j) { j.TiffCompression = 3; }},
        {"", "[TIFFCOMPRESSION=GROUP4]", true, [](Job& j) { j.TiffCompression = 4; }},
        {"", "[PNGNOFILTER]", true, [](Job& j) { j.PngFilter = 2; }},
        {"", "[PNGSUBFILTER]", true, [](Job& j) { j.PngFilter = 4; }},
        {"", "[PNGUPFILTER]", true, [](Job& j) { j.PngFilter = 6; }},
        {"", "[PNGAVGFILTER]", true, [](Job& j) { j.PngFilter = 8; }},
        {"", "[PNGPAETHFILTER]", true, [](Job& j) { j.PngFilter = 10; }},
        {"", "[RASTERIMAGERESOLUTION=20]", true, [](Job& j) { j.RasterResolution = 20; }},
        {"", "[RASTERIMAGERESOLUTION= 1440 ]", true, [](Job& j) { j.RasterResolution = 1440; }},
        {"", "[RASTERIMAGERESOLUTION=19]", false, none},
        {"", "[RASTERIMAGERESOLUTION=1441]", false, none},
        {"", "[RASTERIMAGERESOLUTION=fine]", false, none},
        {"", "[RASTERIMAGERESOLUTION=1e99]", false, none},
        {"", "[JPEGQUALITY=1]", true, [](Job& j) { j.JpegQuality = 1; }},
        {"", "[JPEGQUALITY=0]", false, none}, {"", "[JPEGQUALITY=101]", false, none},
        {"", "[JPEGQUALITY=]", false, none},
        {"[PNGINTERLACE=ON][BMPCOMPRESSION=ON][GIFCOMPRESSION=ON][TGACOMPRESSION=ON]"
         "[TIFFCOMPRESSION=LZW][PNGPAETHFILTER][BITSPERPIXEL=24]",
         "[PNGINTERLACE=OFF][BMPCOMPRESSION=OFF][GIFCOMPRESSION=OFF][TGACOMPRESSION=OFF]"
         "[TIFFCOMPRESSION=OFF][PNGALLFILTERS][BITSPERPIXEL=1]", true, [](Job& j) { j = Job{}; }},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.setup) + row.command);
        Session session;
        ASSERT_TRUE(session.run(row.setup));
        session.state().Dirty = false;
        const Job before = session.job();
        Job expected = before;
        row.change(expected);
        EXPECT_EQ(session.run(row.command), row.accepted);
        EXPECT_TRUE(session.job() == expected);
        EXPECT_EQ(session.state().Dirty, !(expected == before));
    }
}

// Width and magnification follow each other as when typed into the boxes.
TEST(InterpreterTest, DimensionBoxesFollowCommands) {
    // Setup, command, then the narrow bar (0.001 cm; a mil is 2.54) and the two boxes.
    const std::tuple<const char*, const char*, double, const char*, const char*> rows[] = {
        {"", "[BARWIDTH=10]", 10 * 2.54, "10", "77"},
        {"[METRIC]", "[BARWIDTH=25.4]", 25.4, "25.4", "77"},
        {"[DOTS]", "[BARWIDTH=4]", 4 * 2540.0 / 300, "4", "103"},
        {"[EAN13]", "[MAGNIFY=120]", 13 * 1.2 * 2.54, "15.6", "120"},
    };
    for (const auto& [setup, command, narrowBar, width, magnify] : rows) {
        SCOPED_TRACE(std::string(setup) + command);
        Session session;
        ASSERT_TRUE(session.run(setup));
        EXPECT_TRUE(session.run(command));
        EXPECT_NEAR(session.job().NarrowBarWidth, narrowBar, 1e-4);
        EXPECT_EQ(session.app.boxes().widthText(), width);
        EXPECT_EQ(session.app.boxes().magnifyText(), magnify);
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
