#include "core/app/error_reporter.h"
#include "core/render/linear_renderer.h"
#include "core/twod/rss_builder.h"
#include "core/twod/zint_matrix.h"
#include "support/command_session.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vornik::twod {
namespace {

TEST(RssBuilderTest, HumanReadableDigits) {
    // 3x0 + 9 + 3x8 + 7 + 3x6 + 5 + 3x4 + 3 + 3x2 + 1 + 0 + 0 + 0 = 85
    EXPECT_EQ(rssHumanReadable("0001234567890"), "00012345678905");
    EXPECT_EQ(rssHumanReadable("123456789012"), "01234567890128");
    EXPECT_EQ(rssHumanReadable("1"), "00000000000017");
    EXPECT_EQ(rssHumanReadable("9999999999999"), "99999999999997");
}

struct CheckCase {
    const char* name;
    RssKind kind;
    std::string primary, composite;
    int libraryResult;
    std::int32_t error;      // 0: built
    std::string libraryData; // what reached the library; empty when it was not called
};

const std::string k338(338, '9');

const CheckCase kChecks[] = {
    {"Thirteen", RssKind::Rss14, "1234567890123", "", 0, 0, "1234567890123"},
    {"Fourteen", RssKind::Rss14, "12345678901234", "", 0, 36, ""},
    {"Letter", RssKind::Stacked, "12345X", "", 0, 36, ""},
    {"Blank", RssKind::StackedOmni, " 123", "", 0, 36, ""},
    {"LimitedTop", RssKind::Limited, "1999999999999", "", 0, 0, "1999999999999"},
    {"LimitedTwoAndTwelveZeros", RssKind::Limited, "2000000000000", "", 0, 38, ""},
    {"Rss14TwoAndTwelveZeros", RssKind::Rss14, "2000000000000", "", 0, 0, "2000000000000"},
    {"Composite338", RssKind::Rss14, "1", k338, 0, 0, "1|" + k338},
    {"Composite339", RssKind::Rss14, "1", k338 + "9", 0, 37, ""},
    {"LibraryRefuses", RssKind::Limited, "1", "[10]A", 1, 37, "1|[10]A"},
};

// The library records its data and answers with a symbol of one bar.
TEST(RssBuilderTest, ChecksAndCodes) {
    for (const CheckCase& row : kChecks) {
        SCOPED_TRACE(row.name);
        vornik::testing::CommandSession session;
        session.job().Message = row.primary;
        session.job().Supplement = row.composite;
        std::string reached;
        const auto library = [&](RssKind, const std::string& data, RssBuffers& buffers) {
            reached = data;
            for (std::string& pattern : buffers.patterns)
                pattern = "11";
            return row.libraryResult;
        };
        const BuildOutcome outcome = buildRss(session.app, row.kind, 33, 0, library);
        EXPECT_EQ(outcome == BuildOutcome::Built, row.error == 0);
        EXPECT_EQ(reached, row.libraryData);
        EXPECT_EQ(session.host.messages.size(), row.error == 0 ? 0u : 1u);
        EXPECT_EQ(session.state().ErrorText, row.error == 0 ? "" : composeErrorText(row.error));
    }
}

struct GeometryCase {
    const char* name;
    RssKind kind;
    const char* commands;
    int X, h, width, height;
};

// Text lines of size 10 are nearest(352.8) = 353 high; RSS-14 with a CC-A of
// three rows: 2X each, and X for the separator.
const GeometryCase kGeometry[] = {
    {"Rss14QuietZones", RssKind::Rss14, "[QUIETZONES=ON][TEXT=OFF]", 33, 1000, 116 * 33, 1000},
    {"Rss14DefaultXAndHeight", RssKind::Rss14, "[TEXT=OFF]", 0, 0, 96 * 33, 33 * 33},
    {"StackedDefaultHeight", RssKind::Stacked, "[TEXT=OFF]", 30, 0, 50 * 30, 13 * 30},
    {"OmniDefaultHeight", RssKind::StackedOmni, "[TEXT=OFF]", 30, 0, 50 * 30, 69 * 30},
    {"LimitedTextAndComment", RssKind::Limited, "[COMMENT=Lot 9]", 30, 1000, 74 * 30, 1706},
    {"AutoFontIsSixthOfHeight", RssKind::Rss14, "[FONTSCALING=ON]", 30, 1200, 96 * 30, 1400},
    {"Rss14Composite", RssKind::Rss14, "[TEXT=OFF][COMPOSITE=(10)ABC123]", 30, 1000, 3030, 1210},
    {"LimitedWideCC", RssKind::Limited, "[TEXT=OFF][COMPOSITE=(10)ABC123]", 30, 1000, 2520, 1270},
    {"BlackOnBlackGetsWhite", RssKind::Rss14, "[BACKCOLOR=BLACK][TEXT=OFF]", 30, 990, 2880, 990},
};

TEST(RssBuilderTest, Geometry) {
    for (const GeometryCase& row : kGeometry) {
        SCOPED_TRACE(row.name);
        vornik::testing::CommandSession session;
        ASSERT_TRUE(session.run(std::string("[MESSAGE='1234567890']") + row.commands));
        ASSERT_EQ(buildRss(session.app, row.kind, row.X, row.h), BuildOutcome::Built);
        EXPECT_EQ(session.state().SymbolWidth, row.width);
        EXPECT_EQ(session.state().SymbolHeight, row.height);
        EXPECT_NE(session.job().BackColor, session.job().ForeColor);
    }
}

// A picture past the side a metafile coordinate reaches is refused with the
// limit it passes, however large the font or module.
TEST(RssBuilderTest, TooLargeIsRefused) {
    const struct {
        const char* name;
        const char* commands;
        std::int32_t fontSize;
        int X, h;
        const char* text;
    } rows[] = {
        {"LargestFontOfTheCommands", "[FONTSIZE=32767]", 32767, 33, 0, render::kHeightLimitText},
        {"LargestFont", "", INT32_MAX, 33, 0, render::kHeightLimitText},
        {"LargestFontInTheComment", "[TEXT=OFF][COMMENT=X]", INT32_MAX, 33, 0,
         render::kHeightLimitText},
        {"WideModules", "[TEXT=OFF]", 10, 400, 1000, render::kWidthLimitText},
        {"LargestModule", "", 10, INT32_MAX, 1000, render::kWidthLimitText},
        {"LargestHeight", "", 10, 33, INT32_MAX, render::kHeightLimitText},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        vornik::testing::CommandSession session;
        ASSERT_TRUE(session.run(std::string("[MESSAGE='1234567890']") + row.commands));
        session.job().FontSize = row.fontSize;
        EXPECT_EQ(buildRss(session.app, RssKind::Rss14, row.X, row.h), BuildOutcome::Rejected);
        ASSERT_EQ(session.host.messages.size(), 1u);
        EXPECT_EQ(session.host.messages[0].text, row.text);
        EXPECT_TRUE(session.host.published.empty());
    }
}

// The drawn row at height y, module by module: a module is dark where its
// centre lies inside a drawn rectangle.
std::string drawnRow(const render::Metafile& picture, int y, int X) {
    std::string text;
    for (int x = X / 2; x < 120 * X; x += X) {
        bool dark = false;
        for (const render::MetaOp& op : picture.ops)
            if (const auto* r = std::get_if<render::op::Rectangle>(&op))
                dark |= x >= std::min(r->left, r->right) && x < std::max(r->left, r->right) &&
                        y <= std::max(r->top, r->bottom) && y > std::min(r->top, r->bottom);
        text += dark ? '1' : '0';
    }
    return text.substr(0, text.find_last_of('1') + 1);
}

// libzint's rows for a primary and a composite in parentheses (or none).
std::vector<std::string> zintRows(int symbology, const std::string& primary,
                                  const std::string& composite) {
    auto symbol = testing::zintSymbol(symbology);
    if (!composite.empty()) {
        std::strcpy(symbol->primary, primary.c_str());
        symbol->input_mode = GS1_MODE | GS1PARENS_MODE;
    }
    std::vector<std::string> rows;
    if (testing::zintMatrix(*symbol, composite.empty() ? primary : composite).rows() == 0)
        return rows;
    for (int r = 0; r < symbol->rows; ++r) {
        const std::string row = testing::zintRow(*symbol, r);
        rows.push_back(row.substr(0, row.find_last_of('1') + 1));
    }
    return rows;
}

struct DrawnCase {
    const char* name;
    RssKind kind;
    int symbology;
    const char* primary;
    const char* composite;
    const char* rowHeights; // in X as hex digits, from the top; h = 11X
};

// ZXing 1.4 reads neither RSS Limited nor composite components: the drawn
// modules are compared with libzint's symbol instead, row by row.
const DrawnCase kDrawn[] = {
    {"Rss14CC", RssKind::Rss14, BARCODE_DBAR_OMN_CC, "1234567890", "(10)ABC123", "2221b"},
    {"LimitedCC", RssKind::Limited, BARCODE_DBAR_LTD_CC, "1234567890", "(10)ABC123", "22221b"},
    {"StackedCC", RssKind::Stacked, BARCODE_DBAR_STK_CC, "1234567890", "(10)ABC123", "222221416"},
    {"OmniCC", RssKind::StackedOmni, BARCODE_DBAR_OMNSTK_CC, "1234567890", "(10)ABC123",
     "22222141114"},
    {"LimitedGain", RssKind::Limited, BARCODE_DBAR_LTD, "1999999999999", "", "b"},
};

TEST(RssBuilderTest, DrawnModulesMatchLibzint) {
    constexpr int X = 10;
    for (const DrawnCase& row : kDrawn) {
        SCOPED_TRACE(row.name);
        vornik::testing::CommandSession session;
        ASSERT_TRUE(session.run("[TEXT=OFF][BARREDUCTION=-15]"));
        session.job().Message = row.primary;
        session.job().Supplement = row.composite;
        session.job().Transparent = true;
        ASSERT_EQ(buildRss(session.app, row.kind, X, 11 * X), BuildOutcome::Built);
        std::vector<std::string> drawn;
        int top = 0;
        for (const char* h = row.rowHeights; *h != '\0'; ++h) {
            const int height = std::stoi(std::string(1, *h), nullptr, 16) * X;
            drawn.push_back(
                drawnRow(*session.state().CurrentPicture.metafile, -(top + height / 2), X));
            top += height;
        }
        EXPECT_EQ(drawn, zintRows(row.symbology, row.primary, row.composite));
    }
}

} // namespace
} // namespace vornik::twod
