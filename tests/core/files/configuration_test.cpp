#include "core/app/program_texts.h"
#include "core/files/configuration.h"
#include "support/command_session.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace vornik::files {
namespace {

using vornik::testing::CommandSession;
using vornik::testing::readFile;
using vornik::testing::TempFolder;

// What a load must not touch when it fails: the job, the name and the boxes.
struct Snapshot {
    Job job;
    std::string path, caption, width;
    bool named, dirty;
    bool operator==(const Snapshot&) const = default;
};
Snapshot snapshot(CommandSession& s) {
    return {
        s.job(),         s.state().ConfigPath, s.state().WindowCaption, s.app.boxes().widthText(),
        s.state().Named, s.state().Dirty};
}

// A file with the older banner loads too, and is saved again with the current one.
TEST(ConfigurationTest, SavedJobsLoadBackAndNameTheWindow) {
    const TempFolder folder;
    const std::string path = (folder.path() / "label.vkf").string();
    CommandSession session;
    ASSERT_TRUE(session.run("[code128][message='AB',13,'C'][comment=lot 7][barwidth=15]"
                            "[incpreamble='X'][saveconfig(" +
                            path + ")]"));
    EXPECT_EQ(session.state().WindowCaption, "Vornik Professional (label.vkf)");
    EXPECT_FALSE(session.state().Dirty);
    const Snapshot saved = snapshot(session);
    ASSERT_TRUE(session.run("[new][code39][message='other']"));
    ASSERT_TRUE(session.run("[openconfig(" + path + ")]"));
    EXPECT_EQ(snapshot(session), saved);
    EXPECT_EQ(session.app.boxes().widthText(), "15");

    std::string bytes = readFile(path);
    folder.write("label.vkf",
                 bytes.replace(0, kConfigurationBanner.size(), kLegacyConfigurationBanner));
    ASSERT_TRUE(session.run("[new][openconfig(" + path + ")]"));
    EXPECT_EQ(snapshot(session), saved);
    ASSERT_TRUE(session.run("[saveconfig]"));
    EXPECT_TRUE(readFile(path).starts_with(std::string(kConfigurationBanner) + "\r\n"));
}

TEST(ConfigurationTest, AFileThatDoesNotLoadChangesNothing) {
    const TempFolder folder;
    const auto good = folder.path() / "good.vkf";
    CommandSession session;
    ASSERT_TRUE(session.run("[ean13][message='123'][saveconfig(" + good.string() + ")]"));
    const std::string bytes = readFile(good);
    const std::pair<const char*, std::string> rows[] = {
        {"NotAConfiguration", "hello\r\n"},
        {"Truncated", bytes.substr(0, bytes.size() / 2)},
        {"Folder", ""},
    };
    for (const auto& [name, text] : rows) {
        SCOPED_TRACE(name);
        const auto path = text.empty() ? folder.path() : folder.write("bad.vkf", text);
        ASSERT_TRUE(session.run("[code128][message='keep'][comment=mine]"));
        const Snapshot before = snapshot(session);
        session.host.messages.clear();
        EXPECT_FALSE(session.run("[openconfig(" + path.string() + ")]"));
        EXPECT_EQ(snapshot(session), before);
        ASSERT_EQ(session.host.messages.size(), 1u);
        if (!text.empty()) {
            EXPECT_EQ(session.host.messages[0].text,
                      "File: " + path.string() + " is not a valid VORNIK configuration file!");
        }
    }
}

// PDF417's box takes three digits, more columns or rows than any symbol has;
// what was typed there must not make a file that no longer opens.
TEST(ConfigurationTest, AnOversizedPdf417LimitTypedIntoItsBoxSavesAFileThatOpens) {
    const TempFolder folder;
    const auto path = folder.path() / "limits.vkf";
    // Layout flag, then the row and column limits the reopened job holds.
    const std::tuple<std::int32_t, std::int32_t, std::int32_t> rows[] = {{1, 5, 30}, {2, 90, 4}};
    for (const auto& [layoutFlag, maxRows, maxColumns] : rows) {
        SCOPED_TRACE(layoutFlag);
        CommandSession session;
        ASSERT_TRUE(session.run("[pdf417][message='LIMITS'][pdfmaxcols=4][pdfmaxrows=5]"));
        session.job().PdfLayoutFlag = layoutFlag;
        session.app.boxes().editMagnify("999", BoxEdit::Typed);
        ASSERT_TRUE(session.run("[saveconfig(" + path.string() + ")]"));

        CommandSession reopened;
        ASSERT_TRUE(reopened.run("[openconfig(" + path.string() + ")]"));
        EXPECT_EQ(std::tuple(reopened.job().PdfMaxRows, reopened.job().PdfMaxColumns),
                  std::tuple(maxRows, maxColumns));
    }
}

TEST(ConfigurationTest, LoadingNumberingBuildsTheCurrentNumber) {
    const TempFolder folder;
    const auto path = folder.path() / "serial.vkf";
    CommandSession session;
    ASSERT_TRUE(session.run("[incpreamble='S'][incstart=41][incwidth=4][incenable]"
                            "[saveconfig(" +
                            path.string() + ")]"));
    CommandSession other;
    auto& built = other.recordLinearBuilds();
    ASSERT_TRUE(other.run("[openconfig(" + path.string() + ")]"));
    EXPECT_EQ(built, std::vector<std::string>{"S0041"});
    EXPECT_TRUE(other.state().NavigationShown);
}

// The question, the answer and what follows, for each kind of job.
TEST(ConfigurationTest, UnsavedChangesAreAskedAbout) {
    const TempFolder folder;
    const std::string named = (folder.path() / "n.vkf").string();
    const char* kUntitled = "Save current configuration?";
    const struct {
        const char* name;
        std::string setup;
        MessageAnswer answer;
        std::optional<std::string> saveAs; // the Save As dialog's choice
        const char* question;              // empty: not asked
        SaveChangesAnswer result;
    } rows[] = {
        // clang-format off
        {"Unchanged", "", MessageAnswer::Yes, {}, "", SaveChangesAnswer::None},
        {"UntitledNo", "[code93]", MessageAnswer::No, {}, kUntitled, SaveChangesAnswer::No},
        {"UntitledYesCancelled", "[code93]", MessageAnswer::Yes, {}, kUntitled,
         SaveChangesAnswer::Cancel},
        {"UntitledYesSaved", "[code93]", MessageAnswer::Yes, named, kUntitled,
         SaveChangesAnswer::Yes},
        {"NamedCancel", "[saveconfig(" + named + ")][code93]", MessageAnswer::Cancel, {},
         "Configuration file: n.vkf has changed. Save changes?", SaveChangesAnswer::Cancel},
        {"UnwritableFolder", "[code93]", MessageAnswer::Yes, folder.path().string(), kUntitled,
         SaveChangesAnswer::Cancel},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CommandSession session;
        ASSERT_TRUE(session.run(row.setup));
        session.host.messages.clear();
        session.host.answers = {row.answer};
        if (row.saveAs)
            session.host.fileChoices = {row.saveAs};
        EXPECT_EQ(QuerySaveChanges(session.app), row.result);
        const bool asked = !std::string(row.question).empty();
        ASSERT_EQ(session.host.messages.empty(), !asked);
        if (asked) {
            EXPECT_EQ(session.host.messages[0],
                      (MessageBox{"Vornik Professional", row.question, MessageIcon::Question,
                                  MessageButtons::YesNoCancel}));
        }
    }
}

TEST(ConfigurationTest, OpenAsksFirstAndStopsOnCancel) {
    const TempFolder folder;
    const std::string path = (folder.path() / "o.vkf").string();
    CommandSession session;
    ASSERT_TRUE(session.run("[code93][message='A'][saveconfig(" + path + ")][message='B']"));
    session.host.answers = {MessageAnswer::Cancel};
    session.host.fileChoices = {path};
    EXPECT_FALSE(OpenConfiguration(session.app));
    EXPECT_EQ(session.job().Message, "B");
    EXPECT_TRUE(session.host.fileDialogs.empty());

    session.host.answers = {MessageAnswer::No};
    EXPECT_TRUE(OpenConfiguration(session.app));
    EXPECT_EQ(session.job().Message, "A");
    EXPECT_EQ(session.host.fileDialogs.back(),
              (FileDialogRequest{"Open Vornik Configuration File",
                                 "Vornik Config (*.vkf)|*.vkf|All Files (*.*)|*.*", path, false}));
}

} // namespace
} // namespace vornik::files

namespace vornik::files {
namespace {

// Opening a configuration by name (the recent list) asks about unsaved
// changes first; Cancel leaves the job as it was, No loads it, and an
// unchanged job is not asked about.
TEST(ConfigurationTest, OpeningByNameAsksAboutUnsavedChanges) {
    const TempFolder folder;
    const std::string path = (folder.path() / "recent.vkf").string();
    const struct {
        const char* name;
        const char* afterSave;
        std::deque<MessageAnswer> answers;
        bool loads;
        std::size_t questions;
    } rows[] = {
        {"UnchangedJob", "[new]", {}, true, 0},
        {"ChangedThenNo", "[new][code39][message='mine']", {MessageAnswer::No}, true, 1},
        {"ChangedThenCancel", "[new][code39][message='mine']", {MessageAnswer::Cancel}, false, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CommandSession session;
        ASSERT_TRUE(session.run("[code128][message='recent'][saveconfig(" + path + ")]"));
        ASSERT_TRUE(session.run(row.afterSave));
        const Snapshot before = snapshot(session);
        session.host.messages.clear();
        session.host.answers = row.answers;
        EXPECT_EQ(OpenConfigurationFile(session.app, path), row.loads);
        EXPECT_EQ(session.host.messages.size(), row.questions);
        if (row.loads) {
            EXPECT_EQ(session.job().Message, "recent");
            EXPECT_EQ(session.state().ConfigPath, path);
        } else {
            EXPECT_EQ(snapshot(session), before);
        }
    }
}

} // namespace
} // namespace vornik::files
