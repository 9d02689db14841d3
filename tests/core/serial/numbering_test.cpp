#include "core/serial/increment_dialog.h"
#include "core/serial/numbering.h"
#include "support/command_session.h"

#include <gtest/gtest.h>

namespace vornik::serial {
namespace {

using vornik::testing::CommandSession;
using Lines = std::vector<std::string>;

TEST(NumberingTest, DigitsArePaddedAndCutToTheirWidth) {
    const struct {
        const char* name;
        double number, width;
        const char* digits;
    } rows[] = {
        {"Padded", 8, 3, "008"},           {"Wraps", 1000, 3, "000"},
        {"HundredsCutOff", 100, 2, "00"},  {"AsManyAsNeeded", 12345, 0, "12345"},
        {"Negative", -1, 0, "-1"},         {"NegativeCut", -1, 3, "001"},
        {"HalfAwayFromZero", 2.5, 0, "3"}, {"NegativeHalf", -2.5, 0, "-3"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(numberDigits(row.number, row.width), row.digits) << row.name;
    EXPECT_EQ(numberDigits(7, 1e9).size(), static_cast<std::size_t>(kMaxNumberDigits));
}

TEST(NumberingTest, NextAndPreviousStepTheNumberIntoTheMessageOrSupplement) {
    CommandSession session;
    auto& built = session.recordLinearBuilds();
    EXPECT_FALSE(session.run("[next]")) << "numbering is off";
    ASSERT_TRUE(session.run("[code128][incpreamble='A'][incstart=7][incwidth=3]"));
    ASSERT_TRUE(session.run("[incenable][next][previous]"));
    EXPECT_EQ(built, (Lines{"A007", "A008", "A007"}));
    EXPECT_EQ(session.job().IncStart, 7.0);

    ASSERT_TRUE(session.run("[incsupplement][incvalue=0.5][incwidth=2][incpreamble=][next][next]"));
    EXPECT_EQ(session.job().Supplement, "08");
    EXPECT_EQ(session.job().IncStart, 8.0);
    EXPECT_EQ(session.job().Message, "A007");
    EXPECT_FALSE(session.run("[incwidth=-1]"));
    EXPECT_FALSE(session.run("[incstart=seven]"));
    ASSERT_TRUE(session.run("[incdisable]"));
    EXPECT_FALSE(session.run("[next]"));
}

TEST(IncrementDialogTest, OkChecksTheDigitsBeforeStoring) {
    const struct {
        const char* name;
        const char *start, *digits, *preamble;
        bool message, enabled;
        std::optional<std::string_view> warning;
    } rows[] = {
        {"Fits", "123", "3", "", true, true, {}},
        {"FewerDigits", "1234", "3", "", true, true, kFewerDigitsWarning},
        {"NoDigitsGiven", "1234", "", "", true, true, {}},
        {"SupplementOfTwo", "1", "1", "A", false, true, {}},
        {"SupplementOfFive", "1", "5", "", false, true, {}},
        {"SupplementOfThree", "1", "3", "", false, true, kSupplementDigitsWarning},
        {"OffIsNotChecked", "1234", "3", "", false, false, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CommandSession session;
        IncrementDialog dialog(session.job());
        dialog.StartNumber = row.start;
        dialog.NumDigits = row.digits;
        dialog.Preamble = row.preamble;
        dialog.IncMsg = row.message;
        dialog.IncrementEnabled = row.enabled;
        EXPECT_EQ(dialog.validationWarning(), row.warning);
        EXPECT_EQ(dialog.ok(session.app), !row.warning);
        EXPECT_EQ(session.job().IncEnabled, row.warning || !row.enabled ? 0 : 1);
        EXPECT_EQ(session.state().NavigationShown, !row.warning && row.enabled);
    }
}

TEST(IncrementDialogTest, NumberBoxesTakeDigitsAndTheIncrementASign) {
    IncrementDialog dialog{Job{}};
    EXPECT_EQ(dialog.NumDigits, "");
    EXPECT_EQ(dialog.IncrementValue, "1");
    const struct {
        NumberBox box;
        char key;
        KeyVerdict verdict;
        const char* increment; // the increment box afterwards
    } rows[] = {
        {NumberBox::StartNumber, '7', KeyVerdict::Insert, "1"},
        {NumberBox::NumDigits, '\b', KeyVerdict::Insert, "1"},
        {NumberBox::StartNumber, '-', KeyVerdict::Refused, "1"},
        {NumberBox::NumDigits, '.', KeyVerdict::Refused, "1"},
        {NumberBox::IncrementValue, '-', KeyVerdict::Consumed, "-1"},
        {NumberBox::IncrementValue, '-', KeyVerdict::Consumed, "-1"},
        {NumberBox::IncrementValue, 'x', KeyVerdict::Refused, "-1"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(dialog.numberKey(row.box, row.key), row.verdict) << row.key;
        EXPECT_EQ(dialog.IncrementValue, row.increment) << row.key;
    }
    EXPECT_FALSE(dialog.insertCharacter(13)) << "no text box had the focus";
    dialog.focusText(TextBox::Postamble, 0);
    EXPECT_TRUE(dialog.insertCharacter(0));
    EXPECT_EQ(dialog.PostambleText(), "\xFF");
    dialog.focusOther();
    EXPECT_FALSE(dialog.insertCharacter(13));
}

} // namespace
} // namespace vornik::serial
