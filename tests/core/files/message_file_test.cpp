#include "core/app/error_reporter.h"
#include "core/files/file_io.h"
#include "core/files/message_file.h"
#include "support/command_session.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <tuple>

namespace vornik::files {
namespace {

using namespace std::string_literals;
using vornik::testing::CommandSession;
using vornik::testing::TempFolder;
using Lines = std::vector<std::string>;

TEST(MessageFileTest, UpcEntriesCarryTheirAddOns) {
    using enum Symbology;
    // clang-format off
    const std::tuple<Symbology, const char*, UpcEntry> rows[] = {
        {UpcA, "01234567890512", {"012345678905", "12"}},
        {UpcA, "0123456789-7", {"0123456789", "07"}},
        {Ean13, " 5901234123457-123 ", {"5901234123457", "00123"}},
        {Ean13, "590-1234567", {"590", "12345"}},
        {Ean8, "1234567 45", {"1234567", "45"}}, {UpcE, "1234567-", {"1234567", ""}},
        {UpcA, "12-AB", {"12", "AB"}}, {UpcA, "012345678905", {"012345678905", ""}},
        // Without a separator: the base without or with its check digit, then two or five.
        {UpcA, "0123456789012", {"01234567890", "12"}}, {Ean8, "12345670123", {"12345670", "12"}},
        {UpcE, "12345698765", {"123456", "98765"}},
        {BookLand, "978030640615751234", {"9780306406157", "51234"}},
        {UpcE1, "1234567012345", {"1234567", "01234"}},
    };
    // clang-format on
    for (const auto& [symbology, entry, expected] : rows)
        EXPECT_EQ(splitUpcEntry(entry, symbology), expected) << entry;
}

TEST(MessageFileTest, NextAndPreviousWalkTheFileAndStopAtItsEnds) {
    const TempFolder folder;
    const auto path = folder.write("abc.txt", "A\r\nB\nC").string();
    CommandSession session;
    auto& built = session.recordLinearBuilds();
    EXPECT_FALSE(session.run("[next]")) << "no file open";
    ASSERT_TRUE(session.run("[code39][openmsgfile(" + path + ")]"));
    EXPECT_TRUE(session.run("[next][next]"));
    const int beeps = session.host.beeps;
    EXPECT_FALSE(session.run("[next]"));
    EXPECT_EQ(session.host.beeps, beeps + 1);
    EXPECT_TRUE(session.state().Messages.AtEnd);
    EXPECT_TRUE(session.run("[prev][previous]"));
    EXPECT_FALSE(session.run("[previous]"));
    EXPECT_EQ(built, (Lines{"A", "B", "C", "C", "B", "A", "A"}));
    EXPECT_TRUE(session.run("[closemsgfile]"));
    EXPECT_FALSE(session.run("[closemsgfile]"));
    EXPECT_FALSE(session.run("[next]"));
    EXPECT_FALSE(session.run("[openmsgfile(" + (folder.path() / "none").string() + ")]"));
}

TEST(MessageFileTest, AFileReadAsOneMessageKeepsEveryByteUpTo3072) {
    const TempFolder folder;
    CommandSession session;
    const std::string full = "AB\r\nC\0"s + std::string(3066, 'x');
    ASSERT_EQ(full.size(), 3072u);
    const auto fits = folder.write("fits", full);
    const auto over = folder.write("over", full + "y");
    ASSERT_TRUE(session.run("[readmsgfile(" + fits.string() + ")]"));
    EXPECT_EQ(session.job().Message, full);
    EXPECT_FALSE(session.run("[readmsgfile(" + over.string() + ")]"));
    EXPECT_EQ(session.job().Message, full);
    ASSERT_EQ(session.host.messages.size(), 1u);
    EXPECT_EQ(session.host.messages[0].text, composeErrorText(kErrorMessageTooLarge));
    EXPECT_EQ(session.state().ReadMessagePath, over.string());
}

TEST(MessageFileTest, AnOpenFileSuspendsNumberingUntilItCloses) {
    const TempFolder folder;
    const auto path = folder.write("list.txt", "FIRST\r\n").string();
    CommandSession session;
    auto& built = session.recordLinearBuilds();
    ASSERT_TRUE(session.run("[incstart=5][incenable]"));
    ASSERT_TRUE(session.run("[openmsgfile(" + path + ")]"));
    EXPECT_EQ(session.job().IncEnabled, 0);
    EXPECT_TRUE(session.run("[closemsgfile]"));
    EXPECT_EQ(session.job().IncEnabled, 1);
    EXPECT_TRUE(session.state().NavigationShown);
    EXPECT_EQ(built, (Lines{"5", "FIRST", "5"}));
}

TEST(MessageFileTest, StepsReachEveryLineOfALongFile) {
    const TempFolder folder;
    std::string text;
    Lines lines;
    for (int i = 1; i <= 150; ++i) {
        lines.push_back("N" + std::to_string(i));
        text += lines.back() + (i % 3 == 0 ? "\r" : "\r\n");
    }
    const auto path = folder.write("long.txt", text).string();
    CommandSession session;
    auto& built = session.recordLinearBuilds();
    ASSERT_TRUE(session.run("[code39][openmsgfile(" + path + ")]"));
    for (int i = 1; i < 150; ++i)
        ASSERT_TRUE(session.run("[next]")) << i;
    EXPECT_FALSE(session.run("[next]"));
    EXPECT_EQ(session.state().Messages.MessageIndex, 150);
    ASSERT_TRUE(session.run("[previous]"));
    EXPECT_EQ(session.job().Message, "N149");
    lines.push_back("N150");
    lines.push_back("N149");
    EXPECT_EQ(built, lines);
}

TEST(MessageFileTest, AFileThatCannotBeOpenedLeavesTheOpenOneAsItWas) {
    const TempFolder folder;
    const auto path = folder.write("abc.txt", "A\nB\nC\n").string();
    const auto missing = (folder.path() / "none.txt").string();
    const auto empty = folder.write("empty.txt", "").string();
    CommandSession session;
    ASSERT_TRUE(session.run("[code39][openmsgfile(" + path + ")][next]"));
    const auto messagesBefore = session.host.messages.size();
    EXPECT_FALSE(session.run("[openmsgfile(" + missing + ")]"));
    ASSERT_EQ(session.host.messages.size(), messagesBefore + 1);
    EXPECT_EQ(session.host.messages[messagesBefore].text,
              fileFailureText(missing, "No such file or directory"));
    EXPECT_EQ(session.state().MessageFilePath, path);
    EXPECT_TRUE(session.run("[next]"));
    EXPECT_EQ(session.job().Message, "C");
    EXPECT_EQ(session.state().Messages.MessageIndex, 3);
    // An empty file opens with no entry to show: the message stays.
    EXPECT_TRUE(session.run("[openmsgfile(" + empty + ")]"));
    EXPECT_TRUE(session.state().Messages.AtEnd);
    EXPECT_TRUE(session.state().MessageFileOpen);
    EXPECT_EQ(session.job().Message, "C");
    EXPECT_FALSE(session.run("[next]"));
}

} // namespace
} // namespace vornik::files
