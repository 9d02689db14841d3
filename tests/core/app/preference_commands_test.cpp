#include "core/app/preference_commands.h"
#include "support/command_session.h"

#include <gtest/gtest.h>

namespace vornik {
namespace {

using vornik::testing::CommandSession;

TEST(FontChoice, DialogOpensOnTheJobsFont) {
    Job job;
    EXPECT_EQ(currentFontChoice(job), (FontChoice{.name = "Arial", .size = 10}));
    job.FontName = "DejaVu Sans"; // as a command stores it, without the NUL
    job.FontSize = 14;
    job.FontItalic = job.FontStrikeout = true;
    job.FontColor = 0x0000FF;
    EXPECT_EQ(currentFontChoice(job), (FontChoice{.name = "DejaVu Sans",
                                                  .size = 14,
                                                  .italic = true,
                                                  .strikeout = true,
                                                  .color = 0x0000FF}));
}

TEST(FontChoice, OkStoresTheChoiceAndDrawsTheSymbolAgain) {
    CommandSession session;
    ASSERT_TRUE(session.run("[BARCODE=ABC]"));
    const std::size_t published = session.host.published.size();
    const FontChoice choice{
        .name = "Liberation Serif", .size = 12, .bold = true, .underline = true, .color = 0x00FF00};

    EXPECT_EQ(applyFontChoice(session.app, choice), std::nullopt);
    EXPECT_EQ(currentFontChoice(session.job()), choice);
    EXPECT_EQ(session.job().FontName, std::string("Liberation Serif\0", 17));
    EXPECT_TRUE(session.state().Dirty);
    EXPECT_EQ(session.host.published.size(), published + 1);

    // OK on the same font again changes nothing.
    session.state().Dirty = false;
    EXPECT_EQ(applyFontChoice(session.app, choice), std::nullopt);
    EXPECT_FALSE(session.state().Dirty);
    EXPECT_EQ(session.host.published.size(), published + 1);
}

TEST(FontChoice, BadChoiceIsRefusedAndChangesNothing) {
    // The choice, and the reason it is refused.
    const std::pair<FontChoice, const char*> rows[] = {
        {{.name = "", .size = 10}, "A font must be chosen by its name."},
        {{.name = "Arial", .size = 0}, "The font size runs from 1 to 32767 points."},
        {{.name = "Arial", .size = -4}, "The font size runs from 1 to 32767 points."},
        {{.name = "Arial", .size = 32768}, "The font size runs from 1 to 32767 points."},
    };
    for (const auto& [choice, reason] : rows) {
        SCOPED_TRACE(reason);
        CommandSession session;
        const Job before = session.job();
        EXPECT_EQ(applyFontChoice(session.app, choice), std::optional<std::string>(reason));
        EXPECT_EQ(session.job(), before);
        EXPECT_FALSE(session.state().Dirty);
    }
}

TEST(ColorChoice, ForegroundBackgroundAndTransparency) {
    CommandSession session;
    ASSERT_TRUE(session.run("[BARCODE=ABC][TRANSPARENT]"));
    session.state().Dirty = false;
    const std::size_t published = session.host.published.size();

    applyForeColor(session.app, 0x800000);
    EXPECT_EQ(session.job().ForeColor, 0x800000u);
    EXPECT_TRUE(session.state().Dirty);
    EXPECT_EQ(session.host.published.size(), published + 1);

    // A custom background is painted: transparency goes, even for the same colour.
    applyBackColor(session.app, kWhite);
    EXPECT_EQ(session.job().BackColor, kWhite);
    EXPECT_FALSE(session.job().Transparent);
    EXPECT_EQ(session.host.published.size(), published + 2);

    chooseTransparentBackground(session.app);
    EXPECT_TRUE(session.job().Transparent);
    EXPECT_EQ(session.job().BackColor, kWhite); // kept for the next custom choice
    EXPECT_EQ(session.host.published.size(), published + 3);

    // Choosing what is already chosen draws nothing again.
    chooseTransparentBackground(session.app);
    applyForeColor(session.app, 0x800000);
    EXPECT_EQ(session.host.published.size(), published + 3);
}

TEST(BarWidthAdjust, StepAndDirectionAreKeptApart) {
    // Starting value, the command, and the value it leaves.
    struct Row {
        const char* name;
        std::int32_t before;
        void (*command)(Application&);
        std::int32_t after;
    };
    const Row rows[] = {
        {"StepKeepsGain", kBarWidthGainBit | 2,
         [](Application& app) { EXPECT_TRUE(setBarWidthStep(app, 9)); }, kBarWidthGainBit | 9},
        {"ReductionKeepsStep", kBarWidthGainBit | 15,
         [](Application& app) { setBarWidthGain(app, false); }, 15},
        {"StepAbove15", 3, [](Application& app) { EXPECT_FALSE(setBarWidthStep(app, 16)); }, 3},
        {"NegativeStep", 3, [](Application& app) { EXPECT_FALSE(setBarWidthStep(app, -1)); }, 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CommandSession session;
        session.job().BarWidthAdjust = row.before;
        row.command(session.app);
        EXPECT_EQ(session.job().BarWidthAdjust, row.after);
        EXPECT_EQ(session.state().Dirty, row.before != row.after);
    }
}

} // namespace
} // namespace vornik
