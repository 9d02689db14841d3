#include "core/app/save_bar_code.h"
#include "core/linear/zint_modules.h"
#include "core/render/fim.h"
#include "core/render/linear_drawing.h"
#include "core/render/linear_renderer.h"
#include "core/render/placeable_wmf.h"
#include "support/command_session.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace vornik::render {
namespace {

using Session = vornik::testing::CommandSession;

// The calls of one kind in a metafile, in order.
template <class Op> std::vector<Op> callsOf(const Metafile& metafile) {
    std::vector<Op> calls;
    for (const MetaOp& call : metafile.ops)
        if (const auto* found = std::get_if<Op>(&call))
            calls.push_back(*found);
    return calls;
}

// A session that ran the commands and then a build.
std::unique_ptr<Session> built(const std::string& commands) {
    auto session = std::make_unique<Session>();
    EXPECT_TRUE(session->run(commands + "[BUILD/COPY]")) << commands;
    return session;
}

const Metafile& pictureOf(Session& session) {
    return *session.state().CurrentPicture.metafile;
}

std::vector<std::uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Code 39 "A" at 13 mils (X = 33) and ratio 2.5 (Wd = nearest(82.5) = 82):
// three characters of six narrow and three wide elements, two gaps between
// them (the last one is dropped), so W = 3 x (6 x 33 + 3 x 82) + 2 x 33.
// The text line is nearest(10 x 35.15) = 352 high, under 2540 of bars.
constexpr int kCode39AWidth = 3 * (6 * 33 + 3 * 82) + 2 * 33;
constexpr int kCode39AHeight = 2540 + 352;

TEST(LinearRendererTest, Code39LaysOutAndPublishesAtTrueSize) {
    const std::tuple<const char*, int, int> rows[] = {
        {"", kCode39AWidth, kCode39AHeight},
        {"[VERTDOWN]", kCode39AHeight, kCode39AWidth},
        {"[VERTUP]", kCode39AHeight, kCode39AWidth},
        {"[QUIETZONES=ON]", kCode39AWidth + 20 * 33, kCode39AHeight},
        {"[QUIETZONES=ON][BEARERBARS=ON]", kCode39AWidth + 24 * 33, kCode39AHeight},
        {"[TEXT=OFF]", kCode39AWidth, 2540},
        {"[COMMENT=Lot 7]", kCode39AWidth, kCode39AHeight + 352},
    };
    for (const auto& [commands, xExtent, yExtent] : rows) {
        SCOPED_TRACE(commands);
        const auto session = built(std::string("[CODE39][MESSAGE='A']") + commands);
        ASSERT_EQ(session->host.published.size(), 1u);
        const CurrentPicture& picture = session->host.published[0];
        EXPECT_EQ(std::pair(picture.xExtent, picture.yExtent), std::pair(xExtent, yExtent));
        EXPECT_TRUE(session->state().SymbolBuilt);
        // The temporary file holds the published bytes, and reads back as the picture.
        const auto file = readBytes(session->state().TempMetafilePath);
        EXPECT_EQ(file, session->host.publishedFiles[0]);
        const auto read = readPlaceableWmf(file);
        ASSERT_TRUE(std::holds_alternative<PlaceablePicture>(read));
        const auto& placeable = std::get<PlaceablePicture>(read);
        EXPECT_EQ((std::pair<int, int>(placeable.xExtent, placeable.yExtent)),
                  std::pair(xExtent, yExtent));
        EXPECT_EQ(placeable.metafile, *picture.metafile);
    }
}

TEST(LinearRendererTest, PatternLosesItsTrailingGapAndBarsFollowIt) {
    Session session;
    ASSERT_TRUE(session.run("[CODE39][MESSAGE='A'][BUILD/COPY]"));
    const std::string& pattern = session.state().LastBarPattern;
    ASSERT_FALSE(pattern.empty());
    EXPECT_EQ(pattern.back(), '3');
    EXPECT_EQ(pattern.find_first_not_of("1234"), std::string::npos);
    // One background rectangle, then one per bar: five bars a character.
    const auto rectangles = callsOf<op::Rectangle>(pictureOf(session));
    ASSERT_EQ(rectangles.size(), 1u + 3 * 5);
    EXPECT_EQ(rectangles[0], (op::Rectangle{0, 0, kCode39AWidth, -kCode39AHeight}));
    EXPECT_EQ(rectangles[1], (op::Rectangle{0, 0, 33, -2540})); // "*" starts narrow
    EXPECT_EQ(rectangles.back().right, kCode39AWidth);
}

// The text sits under the bars, one character centred in each of n equal
// cells; the comment is one line in its alignment.
TEST(LinearRendererTest, TextCellsAndCommentAlignment) {
    Session session;
    ASSERT_TRUE(session.run("[CODE39][MESSAGE='A'][COMMENT=Lot][COMMENTALIGNRIGHT][BUILD/COPY]"));
    const auto texts = callsOf<op::TextOut>(pictureOf(session));
    const std::string shown = "*A*";
    ASSERT_EQ(texts.size(), shown.size() + 1);
    const int cell = kCode39AWidth / 3; // 466
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(texts[i].text, std::string(1, shown[i]));
        EXPECT_EQ(texts[i].x, i * cell + cell / 2);
        // Below the comment line (352) and the bars (2540).
        EXPECT_EQ(texts[i].y, -2540 - 352);
    }
    EXPECT_EQ(texts.back(), (op::TextOut{kCode39AWidth, 0, "Lot"}));
}

// The panel's two value labels after a build: the width (4 characters with
// the check "A" = 4 x 444 + 3 x 33 = 1875) and the check value; bars have no
// outline, except when working round printer drivers: then an inside-frame
// pen 2 mm wide. Reduction and gain move
// only each bar's right edge, by 5 % of X a step (33 x 10 % = 3.3 -> 3;
// 33 x 75 % = 24.75 -> 25); the picture keeps its width.
TEST(LinearRendererTest, CaptionsDriverPenAndBarWidthAdjustment) {
    const std::string base = "[CODE39][MESSAGE='A'][CODE39CHECK=ON]";
    const auto nominal = callsOf<op::Rectangle>(pictureOf(*built(base)));
    using Pen = std::pair<std::uint16_t, std::int16_t>; // style, width
    const Pen outlineless{kPenNull, 0};
    const std::tuple<const char*, const char*, Pen, int> rows[] = {
        {"", "0.74 \"", outlineless, 0},
        {"[METRIC]", "1.88 cm", outlineless, 0},
        {"[FIXDRIVER=ON]", "0.74 \"", Pen{kPenInsideFrame, 200}, 0},
        {"[BARREDUCTION=10]", "0.74 \"", outlineless, -3},
        {"[BARREDUCTION=-75]", "0.74 \"", outlineless, 25},
    };
    for (const auto& [commands, totalLength, barPen, shift] : rows) {
        SCOPED_TRACE(commands);
        const auto session = built(base + commands);
        EXPECT_EQ(session->app.panel().TotalLength.caption, totalLength);
        EXPECT_EQ(session->app.panel().CheckValue.caption, "10");
        EXPECT_EQ(session->state().SymbolWidth, 1875);
        std::vector<Pen> pens;
        for (const auto& pen : callsOf<op::CreatePen>(pictureOf(*session)))
            pens.emplace_back(pen.pen.style, pen.pen.width);
        // The background's pen, the bar pen, and the stock pen put back at the end.
        EXPECT_EQ(pens, (std::vector<Pen>{{kPenInsideFrame, 0}, barPen, {kPenSolid, 0}}));
        const auto adjusted = callsOf<op::Rectangle>(pictureOf(*session));
        ASSERT_EQ(adjusted.size(), nominal.size());
        EXPECT_EQ(adjusted[0], nominal[0]);
        for (std::size_t i = 1; i < nominal.size(); ++i)
            EXPECT_EQ(adjusted[i],
                      (op::Rectangle{nominal[i].left, nominal[i].top,
                                     std::int16_t(nominal[i].right + shift), nominal[i].bottom}));
    }
}

// Turned clockwise, the text reads downward with its glyphs' tops away from
// the bars (2700); turned counter-clockwise, upward (900).
TEST(LinearRendererTest, RotatedTextTurnsWithTheSymbol) {
    for (const auto& [command, escapement] :
         {std::pair("[HORIZONTAL]", 0), {"[VERTDOWN]", 2700}, {"[VERTUP]", 900}}) {
        SCOPED_TRACE(command);
        const auto session = built(std::string("[CODE39][MESSAGE='A']") + command);
        int fonts = 0;
        for (const auto& font : callsOf<op::CreateFont>(pictureOf(*session))) {
            if (font.font.faceName != "Arial")
                continue;
            ++fonts;
            EXPECT_EQ((std::pair<int, int>(font.font.escapement, font.font.orientation)),
                      std::pair(escapement, escapement));
        }
        EXPECT_EQ(fonts, 2); // the main font and the small one
    }
}

TEST(LinearRendererTest, BadInputsAreReportedAndDrawNothing) {
    const std::pair<const char*, const char*> rows[] = {
        {"[MESSAGE='"
         "ABCDEFGHIJABCDEFGHIJABCDEFGHIJABCDEFGHIJABCDEFGHIJABCDEFGHIJABCDEFGHIJ"
         "ABCDEFGHIJABCDEFGHIJABCDEFGHIJA']",
         "Bar Code Message is too large! Please Re-Enter."},
        {"[MESSAGE='A'][COMMENT=ABCDEFGHIJABCDEFGHIJABCDEFGHIJABCDEFGHIJABCDEFGHIJABCDEFGHIJ"
         "ABCDEFGHIJABCDEFGHIJABCDEFGHIJABCDEFGHIJA]",
         "Bar Code Message is too large! Please Re-Enter."},
        {"[MESSAGE='A'][BARHEIGHT=0]", "Invalid or Missing Bar Code Height! Please Re-Enter."},
        {"[MESSAGE='A'][BARWIDTH=0]", "Invalid or Missing Narrow Bar Width! Please Re-Enter."},
        // 100 characters at 10 inches wide are far past the width a metafile holds.
        {"[MESSAGE='AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA'][BARWIDTH=390]",
         kWidthLimitText},
        {"[MESSAGE='A'][FONTSIZE=1000]", kHeightLimitText},
        {"[MESSAGE='A'][FONTSIZE=32767]", kHeightLimitText},
        {"[MESSAGE='A'][TEXT=OFF][COMMENT=X][FONTSIZE=32767]", kHeightLimitText},
        {"[MESSAGE='A'][BARWIDTH=1E30]", kWidthLimitText},
    };
    for (const auto& [commands, text] : rows) {
        SCOPED_TRACE(commands);
        Session session;
        session.host.answers = {MessageAnswer::Ok};
        session.run(std::string("[CODE39][MESSAGEWARNINGS=ON][PRINTWARNINGS=OFF]") + commands +
                    "[BUILD/COPY]");
        ASSERT_FALSE(session.host.messages.empty());
        EXPECT_EQ(session.host.messages.back().text, text);
        EXPECT_TRUE(session.host.published.empty());
        EXPECT_FALSE(session.state().SymbolBuilt);
    }
}

// Font sizes no command sets (a job held in memory may hold any) and the
// widest narrow bar still end in the height or width limit, whatever
// carries the text line.
TEST(LinearRendererTest, ExtremeSizesEndInTheLimits) {
    const struct {
        const char* name;
        const char* commands;
        std::int32_t fontSize;
        const char* text;
    } rows[] = {
        {"LargestFontWithText", "", INT32_MAX, kHeightLimitText},
        {"LargestFontWithComment", "[TEXT=OFF][COMMENT=X]", INT32_MAX, kHeightLimitText},
        {"SmallestFontWithText", "", INT32_MIN, kHeightLimitText},
        {"LargestFontUnused", "[TEXT=OFF][BARWIDTH=1E30]", INT32_MAX, kWidthLimitText},
        {"WidestBarHighestBars", "[BARWIDTH=1E38][BARHEIGHT=1E38]", 10, kWidthLimitText},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Session session;
        ASSERT_TRUE(
            session.run(std::string("[CODE39][MESSAGE='A'][PRINTWARNINGS=OFF]") + row.commands));
        session.job().FontSize = row.fontSize;
        EXPECT_TRUE(session.run("[BUILD/COPY]"));
        ASSERT_EQ(session.host.messages.size(), 1u);
        EXPECT_EQ(session.host.messages.back().text, row.text);
        EXPECT_TRUE(session.host.published.empty());
        EXPECT_FALSE(session.state().SymbolBuilt);
    }
}

// A saved symbol is the temporary file's bytes; formats the converter writes
// are refused by an application without one, and nothing is saved before a
// symbol is built.
TEST(LinearRendererTest, SavingCopiesTheTemporaryMetafile) {
    const testing::TempFolder folder;
    Session session;
    const std::string wmf = (folder.path() / "x.wmf").string();
    const std::string none = (folder.path() / "plain").string();
    EXPECT_FALSE(session.run("[SAVEBARCODE(" + wmf + ")]"));
    EXPECT_EQ(session.app.failedFileOperations(), 0);
    ASSERT_TRUE(session.run("[CODE39][MESSAGE='A'][BUILD/COPY]"));
    EXPECT_TRUE(session.run("[SAVEBARCODE(" + wmf + ")][SAVEBARCODE( " + none + " )]"));
    EXPECT_EQ(readBytes(wmf), session.host.publishedFiles.back());
    EXPECT_EQ(readBytes(none), session.host.publishedFiles.back());
    EXPECT_FALSE(session.run("[SAVEBARCODE(" + (folder.path() / "x.Png").string() + ")]"));
    EXPECT_FALSE(session.run("[SAVEBARCODE(" + (folder.path() / "no/such/x.wmf").string() + ")]"));
    EXPECT_EQ(session.app.failedFileOperations(), 2);
    EXPECT_EQ(extensionOf("/a.b/c"), "");
    EXPECT_EQ(extensionOf("c.tIf"), "TIF");
}

// A temporary file that cannot be written is told to the user; the symbol is
// still built and published, but there is nothing to save.
TEST(LinearRendererTest, UnwritableTemporaryFileIsToldAndTheBuildGoesOn) {
    const testing::TempFolder folder;
    Session session;
    session.state().TempMetafilePath = "/proc/vornik-none/x.WMF";
    ASSERT_TRUE(session.run("[CODE39][MESSAGE='A'][BUILD/COPY]"));
    ASSERT_EQ(session.host.messages.size(), 1u);
    const std::string& text = session.host.messages[0].text;
    EXPECT_TRUE(text.starts_with("The bar code could not be written to the temporary file "
                                 "/proc/vornik-none/x.WMF: "))
        << text;
    EXPECT_TRUE(text.ends_with(". It is on display, but cannot be saved to a file.")) << text;
    EXPECT_EQ(session.host.published.size(), 1u);
    EXPECT_TRUE(session.state().SymbolBuilt);
    EXPECT_EQ(session.app.failedFileOperations(), 1); // a headless run ends in failure
    EXPECT_FALSE(session.run("[SAVEBARCODE(" + (folder.path() / "x.wmf").string() + ")]"));
    EXPECT_EQ(session.app.failedFileOperations(), 2);
}

// Postal symbols are 1.2 mm a bar, of their own fixed height whatever the
// job's, without text; the message box shows the message as it was read.
TEST(LinearRendererTest, PostalSymbolsBuildAtTheirOwnSize) {
    const std::tuple<const char*, const char*, int, int> rows[] = {
        // message, extents
        // Frame bar, 5 digits and the check digit of 5 bars each, frame bar.
        {"[POSTNET][MESSAGE='ZIP 12345-67'][BARHEIGHT=3]", "12345", 32 * 120, 317},
        // Start bar, 7 characters and the check character of 4 bars, stop bar.
        {"[BPO][MESSAGE='sn34 1rb'][QUIETZONES=ON][COMMENT=x]", "SN341RB", 34 * 120, 507},
    };
    for (const auto& [commands, message, xExtent, yExtent] : rows) {
        SCOPED_TRACE(commands);
        const auto session = built(commands);
        ASSERT_EQ(session->host.published.size(), 1u);
        EXPECT_EQ(std::pair(session->host.published[0].xExtent, session->host.published[0].yExtent),
                  std::pair(xExtent, yExtent));
        EXPECT_EQ(session->job().Message, message);
        EXPECT_TRUE(callsOf<op::TextOut>(pictureOf(*session)).empty());
    }
}

// The facing identification marks: 0.8 mm columns over 5/8 inch, the bars
// narrowed or widened like any other; FIM B has its bars in columns 1, 5, 7,
// 11, 13 and 17.
TEST(LinearRendererTest, FacingIdentificationMarks) {
    Session session;
    ASSERT_TRUE(session.run("[BARREDUCTION=-10]")); // 8 % of 80 = 8 units of gain
    EXPECT_EQ(drawFacingIdentificationMark(session.app, 2), BuildOutcome::Built);
    ASSERT_EQ(session.host.published.size(), 1u);
    EXPECT_EQ(std::pair(session.host.published[0].xExtent, session.host.published[0].yExtent),
              std::pair(1350, 1588));
    const auto rectangles = callsOf<op::Rectangle>(pictureOf(session));
    std::vector<op::Rectangle> expected{{0, 0, 1350, -1588}};
    for (const int column : {0, 4, 6, 10, 12, 16})
        expected.push_back({static_cast<std::int16_t>(column * 80), 0,
                            static_cast<std::int16_t>(column * 80 + 88), -1588});
    EXPECT_EQ(rectangles, expected);
    EXPECT_EQ(session.app.panel().TotalLength.caption, "0.53 \"");
    EXPECT_TRUE(session.state().SymbolBuilt);

    ASSERT_TRUE(session.run("[VERTUP]"));
    EXPECT_EQ(drawFacingIdentificationMark(session.app, 1), BuildOutcome::Built);
    EXPECT_EQ(
        std::pair(session.host.published.back().xExtent, session.host.published.back().yExtent),
        std::pair(1588, 1350));
    EXPECT_EQ(drawFacingIdentificationMark(session.app, 4), BuildOutcome::Rejected);
}

// The marks' bar columns are libzint's, module for module.
TEST(LinearRendererTest, FacingIdentificationMarksMatchLibzint) {
    for (const int mark : {1, 2, 3}) {
        SCOPED_TRACE(mark);
        const std::string zint =
            linear::testing::zintModules(BARCODE_FIM, std::string(1, char('A' + mark - 1)), 0);
        Session session;
        ASSERT_EQ(drawFacingIdentificationMark(session.app, mark), BuildOutcome::Built);
        std::string ours(17, '0');
        const auto rectangles = callsOf<op::Rectangle>(pictureOf(session));
        for (std::size_t i = 1; i < rectangles.size(); ++i) // after the background
            ours[static_cast<std::size_t>(rectangles[i].left / 80)] = '1';
        EXPECT_EQ(ours, zint);
    }
}

// Postal bars stand at a 1.2 mm pitch, 0.5 mm wide: POSTNET's short bars
// start 1.9 mm down; the four-state bars have their own spans.
TEST(LinearRendererTest, PostalGeometry) {
    Job job;
    LinearLayout layout;
    MetafileRecorder recorder;
    OrientedCanvas canvas(recorder, Orientation::Horizontal, 480, 507);
    job.Symbology = Symbology::Postnet;
    layout.pattern = "43";
    layout.h = 317;
    (void)drawBars(canvas, job, layout);
    job.Symbology = Symbology::Bpo4State;
    layout.pattern = "WXYZ";
    (void)drawBars(canvas, job, layout);
    const std::vector<op::Rectangle> expected{{0, 0, 50, -317},       {120, -190, 170, -317},
                                              {0, -190, 50, -327},    {120, 0, 170, -317},
                                              {240, -190, 290, -507}, {360, 0, 410, -507}};
    EXPECT_EQ(callsOf<op::Rectangle>(recorder.close()), expected);
}

} // namespace
} // namespace vornik::render
