#include "cli/headless_host.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace vornik::cli {
namespace {

namespace fs = std::filesystem;
using vornik::testing::readFile;
using vornik::testing::TempFolder;

// A host whose settings file lives in a folder of its own.
struct HostUnderTest {
    explicit HostUnderTest(HeadlessPolicy policy)
        : host(errors, SettingsFile(folder.path() / "Vornik" / "Vornik.conf"), policy) {}

    TempFolder folder;
    std::ostringstream errors;
    HeadlessHost host;
};

// ---- Answers --------------------------------------------------------------

struct AnswerCase {
    std::string name;
    MessageButtons buttons;
    bool answerYes;
    MessageAnswer expected;
};

// Tests are listed by the row's name, not its bytes.
void PrintTo(const AnswerCase& row, std::ostream* out) {
    *out << row.name;
}

class AnswerTest : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(AnswerTest, FollowsThePolicy) {
    const auto& row = GetParam();
    HostUnderTest under({.answerYes = row.answerYes, .audibleBeep = false});
    const MessageBox box{
        .title = "Vornik", .text = "Go on?", .icon = MessageIcon::Question, .buttons = row.buttons};
    EXPECT_EQ(under.host.showMessage(box), row.expected);
    EXPECT_EQ(under.errors.str(), "Vornik: Go on?\n");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AnswerTest,
    ::testing::Values(
        AnswerCase{"OkWithoutYes", MessageButtons::Ok, false, MessageAnswer::Ok},
        AnswerCase{"OkWithYes", MessageButtons::Ok, true, MessageAnswer::Ok},
        AnswerCase{"OkCancelWithoutYes", MessageButtons::OkCancel, false, MessageAnswer::Cancel},
        AnswerCase{"OkCancelWithYes", MessageButtons::OkCancel, true, MessageAnswer::Ok},
        AnswerCase{"YesNoWithoutYes", MessageButtons::YesNo, false, MessageAnswer::No},
        AnswerCase{"YesNoWithYes", MessageButtons::YesNo, true, MessageAnswer::Yes},
        AnswerCase{"YesNoCancelWithoutYes", MessageButtons::YesNoCancel, false,
                   MessageAnswer::Cancel},
        AnswerCase{"YesNoCancelWithYes", MessageButtons::YesNoCancel, true, MessageAnswer::Yes},
        AnswerCase{"RetryCancelWithoutYes", MessageButtons::RetryCancel, false,
                   MessageAnswer::Cancel},
        AnswerCase{"RetryCancelWithYes", MessageButtons::RetryCancel, true, MessageAnswer::Retry}),
    [](const auto& info) { return info.param.name; });

// ---- What a message box looks like on the error stream --------------------

struct MessageLineCase {
    std::string name;
    std::string title;
    std::string text;
    std::string expected;
};

void PrintTo(const MessageLineCase& row, std::ostream* out) {
    *out << row.name;
}

class MessageLineTest : public ::testing::TestWithParam<MessageLineCase> {};

TEST_P(MessageLineTest, IsTitleColonText) {
    const auto& row = GetParam();
    HostUnderTest under({.answerYes = false, .audibleBeep = false});
    (void)under.host.showMessage({.title = row.title,
                                  .text = row.text,
                                  .icon = MessageIcon::Exclamation,
                                  .buttons = MessageButtons::Ok});
    EXPECT_EQ(under.errors.str(), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MessageLineTest,
    ::testing::Values(
        MessageLineCase{"OneLine", "Vornik",
                        "Missing or invalid bar code message!  Please re-enter bar code text.",
                        "Vornik: Missing or invalid bar code message!  Please re-enter bar code "
                        "text.\n"},
        MessageLineCase{"CarriageReturnsKept", "Vornik", "First.\rSecond.\r\rThird.",
                        "Vornik: First.\rSecond.\r\rThird.\n"},
        MessageLineCase{"CrLfKept", "Warning", "One\r\nTwo\r\n", "Warning: One\r\nTwo\r\n\n"},
        MessageLineCase{"BlanksKept", "Vornik", "  two  spaces  ", "Vornik:   two  spaces  \n"},
        MessageLineCase{"EmptyTitle", "", "Text", ": Text\n"},
        MessageLineCase{"EmptyText", "Vornik", "", "Vornik: \n"}),
    [](const auto& info) { return info.param.name; });

TEST(HeadlessHostMessages, FollowOneAnotherInOrder) {
    HostUnderTest under({.answerYes = true, .audibleBeep = false});
    (void)under.host.showMessage({.title = "A", .text = "first"});
    (void)under.host.showMessage(
        {.title = "B", .text = "second", .buttons = MessageButtons::YesNo});
    EXPECT_EQ(under.errors.str(), "A: first\nB: second\n");
}

// ---- Everything else the core may ask -------------------------------------

struct BeepCase {
    std::string name;
    bool audible;
    std::string expected;
};

void PrintTo(const BeepCase& row, std::ostream* out) {
    *out << row.name;
}

class BeepTest : public ::testing::TestWithParam<BeepCase> {};

TEST_P(BeepTest, RingsOnlyOnATerminal) {
    const auto& row = GetParam();
    HostUnderTest under({.answerYes = false, .audibleBeep = row.audible});
    under.host.beep();
    under.host.beep();
    EXPECT_EQ(under.errors.str(), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, BeepTest,
                         ::testing::Values(BeepCase{"Terminal", true, "\a\a"},
                                           BeepCase{"FileOrPipe", false, ""}),
                         [](const auto& info) { return info.param.name; });

TEST(HeadlessHostPasteAdvice, IsClosedWithOkAndLeftUnchecked) {
    for (const bool answerYes : {false, true}) {
        HostUnderTest under({.answerYes = answerYes, .audibleBeep = true});
        const auto answer = under.host.showPasteAdvice("Paste with Paste Special.");
        EXPECT_TRUE(answer.closedWithOk) << "answerYes=" << answerYes;
        EXPECT_FALSE(answer.dontShowAgainChecked) << "answerYes=" << answerYes;
        EXPECT_EQ(under.errors.str(), "") << "answerYes=" << answerYes;
    }
}

TEST(HeadlessHostClipboard, KeepsTextInsideTheProcess) {
    HostUnderTest under({});
    EXPECT_EQ(under.host.clipboardText(), std::nullopt);
    under.host.setClipboardText("ABC\r\n123");
    EXPECT_EQ(under.host.clipboardText(), "ABC\r\n123");
    under.host.setClipboardText("");
    EXPECT_EQ(under.host.clipboardText(), "");
    under.host.emptyClipboard();
    EXPECT_EQ(under.host.clipboardText(), std::nullopt);
}

TEST(HeadlessHostPrinter, ThereIsNone) {
    HostUnderTest under({});
    EXPECT_EQ(under.host.defaultPrinterResolution().has_value(), false);
}

TEST(HeadlessHostQuietCalls, WriteNothing) {
    HostUnderTest under({.answerYes = true, .audibleBeep = true});
    under.host.setBusyPointer(true);
    under.host.setBusyPointer(false);
    under.host.viewChanged();
    EXPECT_EQ(under.errors.str(), "");
}

// ---- Settings -------------------------------------------------------------

TEST(HeadlessHostSettings, GoToTheSettingsFile) {
    HostUnderTest under({});
    EXPECT_EQ(under.host.readSetting("ShowWordWarning"), std::nullopt);
    under.host.writeSetting("ShowWordWarning", "-1");
    EXPECT_EQ(under.host.readSetting("ShowWordWarning"), "-1");
    EXPECT_EQ(readFile(under.folder.path() / "Vornik" / "Vornik.conf"),
              "[Settings]\nShowWordWarning=-1\n");
    EXPECT_EQ(under.errors.str(), "");
}

TEST(HeadlessHostSettings, AFailedWriteIsReportedAndKeepsTheOldValue) {
    HostUnderTest under({});
    under.host.writeSetting("ShowWordWarning", "0");
    under.host.writeSetting("ShowWordWarning", "a,b");
    EXPECT_EQ(under.errors.str(), "vornik: cannot save the setting ShowWordWarning: the value of "
                                  "ShowWordWarning is not plain text\n");
    EXPECT_EQ(under.host.readSetting("ShowWordWarning"), "0");
}

TEST(HeadlessHostSettings, AnUnwritableFolderIsReported) {
    const TempFolder folder;
    folder.write("Vornik", "not a folder");
    std::ostringstream errors;
    HeadlessHost host(errors, SettingsFile(folder.path() / "Vornik" / "Vornik.conf"), {});
    host.writeSetting("ShowWordWarning", "-1");
    EXPECT_EQ(errors.str(), "vornik: cannot save the setting ShowWordWarning: cannot read " +
                                (folder.path() / "Vornik" / "Vornik.conf").string() +
                                ": Not a directory\n");
    EXPECT_EQ(readFile(folder.path() / "Vornik"), "not a folder");
}

} // namespace
} // namespace vornik::cli
