#include "core/serial/increment_dialog.h"
#include "core/serial/numbering.h"
#include "support/command_session.h"

#include <gtest/gtest.h>
#include <optional>
#include <tuple>

namespace vornik::serial {
namespace {

using vornik::testing::CommandSession;
using Lines = std::vector<std::string>;

TEST(NumberingTest, DigitsArePaddedAndCutToTheirWidth) {
    const std::tuple<double, double, const char*> rows[] = {
        {8, 3, "008"}, {1000, 3, "000"}, {100, 2, "00"}, {12345, 0, "12345"},
        {-1, 0, "-1"}, {-1, 3, "001"},   {2.5, 0, "3"},  {-2.5, 0, "-3"}, // halves away from zero
    };
    for (const auto& [number, width, digits] : rows)
        EXPECT_EQ(numberDigits(number, width), digits) << number << " in " << width;
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
    const std::optional<std::string_view> fits;
    // Start, digits, preamble, numbering the message (or the supplement), enabled, the warning.
    const std::tuple<const char*, const char*, const char*, bool, bool,
                     std::optional<std::string_view>>
        rows[] = {
            {"123", "3", "", true, true, fits},
            {"1234", "3", "", true, true, kFewerDigitsWarning},
            {"1234", "", "", true, true, fits},
            {"1", "1", "A", false, true, fits},
            {"1", "5", "", false, true, fits},
            {"1", "3", "", false, true, kSupplementDigitsWarning},
            {"1234", "3", "", false, false, fits}, // off: not checked
        };
    for (const auto& [start, digits, preamble, message, enabled, warning] : rows) {
        SCOPED_TRACE(::testing::Message() << start << " in " << digits << (message ? "" : " sup"));
        CommandSession session;
        IncrementDialog dialog(session.job());
        dialog.StartNumber = start;
        dialog.NumDigits = digits;
        dialog.Preamble = preamble;
        dialog.IncMsg = message;
        dialog.IncrementEnabled = enabled;
        EXPECT_EQ(dialog.validationWarning(), warning);
        EXPECT_EQ(dialog.ok(session.app), !warning);
        EXPECT_EQ(session.job().IncEnabled, warning || !enabled ? 0 : 1);
        EXPECT_EQ(session.state().NavigationShown, !warning && enabled);
    }
}

TEST(IncrementDialogTest, NumberBoxesTakeDigitsAndTheIncrementASign) {
    IncrementDialog dialog{Job{}};
    EXPECT_EQ(dialog.NumDigits, "");
    EXPECT_EQ(dialog.IncrementValue, "1");
    using enum NumberBox;
    using enum KeyVerdict;
    // The box, the key, the verdict and the increment box afterwards.
    const std::tuple<NumberBox, char, KeyVerdict, const char*> rows[] = {
        {StartNumber, '7', Insert, "1"},       {NumDigits, '\b', Insert, "1"},
        {StartNumber, '-', Refused, "1"},      {NumDigits, '.', Refused, "1"},
        {IncrementValue, '-', Consumed, "-1"}, {IncrementValue, '-', Consumed, "-1"},
        {IncrementValue, 'x', Refused, "-1"},
    };
    for (const auto& [box, key, verdict, increment] : rows) {
        EXPECT_EQ(dialog.numberKey(box, key), verdict) << key;
        EXPECT_EQ(dialog.IncrementValue, increment) << key;
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
