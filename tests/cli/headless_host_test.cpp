#include "cli/headless_host.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace vornik::cli {
namespace {

using namespace std::string_literals;

// Every box is one "TITLE: TEXT" line, the text byte for byte; without --yes
// the user backs out, with it the user goes ahead. The bell rings only on a
// terminal, and the paste advice is closed with OK, nothing checked.
TEST(HeadlessHost, AnswersPerButtonsAndWritesTheBoxVerbatim) {
    using B = MessageButtons;
    using A = MessageAnswer;
    // clang-format off
    const struct { MessageButtons buttons; MessageAnswer withoutYes, withYes; const char* backOutNote; const char* goAheadNote; } rows[] = {
        {B::Ok, A::Ok, A::Ok, "", ""},
        {B::OkCancel, A::Cancel, A::Ok, "vornik: answered Cancel (run with --yes to go ahead)\n", "vornik: answered OK\n"},
        {B::YesNo, A::No, A::Yes, "vornik: answered No (run with --yes to go ahead)\n", "vornik: answered Yes\n"},
        {B::YesNoCancel, A::Cancel, A::Yes, "vornik: answered Cancel (run with --yes to go ahead)\n", "vornik: answered Yes\n"},
        {B::RetryCancel, A::Cancel, A::Retry, "vornik: answered Cancel (run with --yes to go ahead)\n", "vornik: answered Retry\n"},
    };
    // clang-format on
    std::ostringstream backOutErrors, goAheadErrors;
    HeadlessHost backOut(backOutErrors, SettingsFile(""), {false, true}); // no --yes, a terminal
    HeadlessHost goAhead(goAheadErrors, SettingsFile(""), {true, false}); // --yes, a file
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "buttons " << static_cast<int>(row.buttons));
        backOutErrors.str("");
        goAheadErrors.str("");
        const MessageBox box{"Vornik", " A.\rB.\r\n\rC ", MessageIcon::Question, row.buttons};
        EXPECT_EQ(backOut.showMessage(box), row.withoutYes);
        EXPECT_EQ(goAhead.showMessage(box), row.withYes);
        backOut.beep();
        goAhead.beep();
        EXPECT_EQ(backOutErrors.str(), "Vornik:  A.\rB.\r\n\rC \n"s + row.backOutNote + "\a");
        EXPECT_EQ(goAheadErrors.str(), "Vornik:  A.\rB.\r\n\rC \n"s + row.goAheadNote);
        const auto advice = goAhead.showPasteAdvice("Paste with Paste Special.");
        EXPECT_TRUE(advice.closedWithOk && !advice.dontShowAgainChecked);
    }
}

TEST(HeadlessHost, KeepsSettingsAndReportsAFailedWrite) {
    const testing::TempFolder folder;
    std::ostringstream errors;
    HeadlessHost host(errors, SettingsFile(folder.path() / "Vornik.conf"), {});
    EXPECT_EQ(host.readSetting("ShowWordWarning"), std::nullopt);
    host.writeSetting("ShowWordWarning", "0");
    host.writeSetting("ShowWordWarning", "a,b");
    EXPECT_EQ(errors.str(), "vornik: cannot save the setting ShowWordWarning: the value of "
                            "ShowWordWarning is not plain text\n");
    EXPECT_EQ(host.readSetting("ShowWordWarning"), "0");
    EXPECT_EQ(testing::readFile(folder.path() / "Vornik.conf"), "[Settings]\nShowWordWarning=0\n");
}

} // namespace
} // namespace vornik::cli
