#include "core/app/error_reporter.h"
#include "core/twod/rss_builder.h"
#include "support/command_session.h"

#include <gtest/gtest.h>
#include <string>

namespace vornik::twod {
namespace {

TEST(RssBuilderTest, HumanReadableDigits) {
    const char* const rows[][2] = {
        // 3x0 + 9 + 3x8 + 7 + 3x6 + 5 + 3x4 + 3 + 3x2 + 1 + 0 + 0 + 0 = 85
        {"0001234567890", "00012345678905"}, {"001234567890", "00012345678905"},
        {"123456789012", "01234567890128"},  {"1", "00000000000017"},
        {"9999999999999", "99999999999997"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(rssHumanReadable(row[0]), row[1]) << row[0];
}

struct CheckCase {
    const char* name;
    RssKind kind;
    std::string primary;
    std::string composite;
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

// A library that records its data and answers with a symbol of one bar.
TEST(RssBuilderTest, ChecksAndCodes) {
    for (const CheckCase& row : kChecks) {
        SCOPED_TRACE(row.name);
        testing::CommandSession session;
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
        if (row.error != 0) {
            ASSERT_EQ(session.host.messages.size(), 1u);
            EXPECT_EQ(session.state().ErrorText, composeErrorText(row.error));
        }
    }
}

struct GeometryCase {
    const char* name;
    RssKind kind;
    const char* commands;
    int X;
    int h;
    int width;
    int height;
};

// Text lines of size 10 are nearest(352.8) = 353 high.
const GeometryCase kGeometry[] = {
    {"Rss14QuietZones", RssKind::Rss14, "[QUIETZONES=ON][TEXT=OFF]", 33, 1000, 116 * 33, 1000},
    {"Rss14DefaultX", RssKind::Rss14, "[TEXT=OFF]", 0, 1000, 96 * 33, 1000},
    {"Rss14DefaultHeight", RssKind::Rss14, "[TEXT=OFF]", 30, 0, 96 * 30, 33 * 30},
    {"StackedDefaultHeight", RssKind::Stacked, "[TEXT=OFF]", 30, 0, 50 * 30, 13 * 30},
    {"OmniDefaultHeight", RssKind::StackedOmni, "[TEXT=OFF]", 30, 0, 50 * 30, 69 * 30},
    {"LimitedTextAndComment", RssKind::Limited, "[COMMENT=Lot 9]", 30, 1000, 74 * 30,
     1000 + 2 * 353},
    {"AutoFontIsSixthOfHeight", RssKind::Rss14, "[FONTSCALING=ON]", 30, 1200, 96 * 30, 1400},
    // RSS-14 with a CC-A of three rows: 2X each, and X for the separator.
    {"Rss14Composite", RssKind::Rss14, "[TEXT=OFF][COMPOSITE=(10)ABC123]", 30, 1000, 101 * 30,
     1000 + 3 * 60 + 30},
    {"LimitedWideComposite", RssKind::Limited, "[TEXT=OFF][COMPOSITE=(10)ABC123]", 30, 1000,
     84 * 30, 1000 + 4 * 60 + 30},
};

TEST(RssBuilderTest, Geometry) {
    for (const GeometryCase& row : kGeometry) {
        SCOPED_TRACE(row.name);
        testing::CommandSession session;
        ASSERT_TRUE(session.run(std::string("[MESSAGE='1234567890']") + row.commands));
        ASSERT_EQ(buildRss(session.app, row.kind, row.X, row.h), BuildOutcome::Built);
        EXPECT_EQ(session.state().SymbolWidth, row.width);
        EXPECT_EQ(session.state().SymbolHeight, row.height);
    }
}

TEST(RssBuilderTest, BlackOnBlackGetsAWhiteBackground) {
    testing::CommandSession session;
    ASSERT_TRUE(session.run("[MESSAGE='1'][BACKCOLOR=BLACK]"));
    ASSERT_EQ(buildRss(session.app, RssKind::Rss14, 33, 0), BuildOutcome::Built);
    EXPECT_EQ(session.job().BackColor, kWhite);
}

} // namespace
} // namespace vornik::twod
