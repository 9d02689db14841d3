#include "core/app/file_menu_commands.h"
#include "core/app/main_menu.h"
#include "support/command_session.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vornik {
namespace {

using vornik::testing::CommandSession;
using vornik::testing::TempFolder;

const MessageBox kSaveQuestion{.title = "Vornik Professional",
                               .text = "Save current configuration?",
                               .icon = MessageIcon::Question,
                               .buttons = MessageButtons::YesNoCancel};

TEST(FileNew, AsksAboutUnsavedChangesFirst) {
    // The job changed or not, the answer, and whether the job was reset.
    struct Row {
        const char* name;
        bool dirty;
        std::optional<MessageAnswer> answer;
        bool reset;
    };
    const Row rows[] = {
        {"UnchangedJobIsNotAsked", false, std::nullopt, true},
        {"NoDiscardsTheChanges", true, MessageAnswer::No, true},
        {"CancelKeepsEverything", true, MessageAnswer::Cancel, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CommandSession session;
        ASSERT_TRUE(session.run("[CODE128][BARCODE=ABC]"));
        session.state().Dirty = row.dirty;
        if (row.answer)
            session.host.answers.push_back(*row.answer);
        const std::size_t shown = session.host.messages.size();

        EXPECT_EQ(activateMenuItem(session.app, "MNew"), MenuOutcome{});
        const std::vector<MessageBox> asked(session.host.messages.begin() +
                                                static_cast<std::ptrdiff_t>(shown),
                                            session.host.messages.end());
        EXPECT_EQ(asked, row.answer ? std::vector{kSaveQuestion} : std::vector<MessageBox>{});
        EXPECT_EQ(session.job().Symbology, row.reset ? Symbology::Code39 : Symbology::Code128);
        EXPECT_EQ(session.job().Message, row.reset ? "" : "ABC");
        EXPECT_EQ(session.state().SymbolDisplayVisible, !row.reset);
        EXPECT_EQ(session.state().SymbolBuilt, !row.reset);
        EXPECT_FALSE(session.state().BuildSuppressed);
        EXPECT_EQ(session.state().Dirty, !row.reset);
    }
}

TEST(FileNew, CancelledSaveCancelsTheNew) {
    CommandSession session;
    ASSERT_TRUE(session.run("[MSGTEXT=KEEP]"));
    session.host.answers.push_back(MessageAnswer::Yes); // then the save dialog is cancelled
    EXPECT_FALSE(MNew_Click(session.app));
    EXPECT_EQ(session.job().Message, "KEEP");
    ASSERT_EQ(session.host.fileDialogs.size(), 1u);
    EXPECT_EQ(session.host.fileDialogs[0].title, "Save Vornik Configuration As");
}

TEST(MessageFileMenus, AskForTheFileThenOpenOrRead) {
    const TempFolder folder;
    const auto list = folder.write("list.txt", "FIRST\r\nSECOND\r\n");
    const auto single = folder.write("one.txt", std::string("A\0B\r\nC", 6));
    CommandSession session;
    session.state().ReadMessagePath = "/earlier/read.txt";

    session.host.fileChoices.push_back(list.string());
    EXPECT_EQ(activateMenuItem(session.app, "MOpenMsg"), MenuOutcome{});
    EXPECT_EQ(session.host.fileDialogs.back(),
              (FileDialogRequest{.title = "Open Bar Code Message File",
                                 .filter = "All Files (*.*)|*.*",
                                 .initialName = ""}));
    EXPECT_TRUE(session.state().MessageFileOpen);
    EXPECT_EQ(session.job().Message, "FIRST");

    session.host.fileChoices.push_back(single.string());
    EXPECT_EQ(activateMenuItem(session.app, "MReadMsg"), MenuOutcome{});
    EXPECT_EQ(session.host.fileDialogs.back(),
              (FileDialogRequest{.title = "Read Bar Code Message From File",
                                 .filter = "All Files (*.*)|*.*",
                                 .initialName = "/earlier/read.txt"}));
    EXPECT_EQ(session.job().Message, std::string("A\0B\r\nC", 6));
    EXPECT_EQ(session.state().ReadMessagePath, single.string());

    // The next Open starts from the file that is open.
    EXPECT_FALSE(MOpenMsg_Click(session.app)); // cancelled
    EXPECT_EQ(session.host.fileDialogs.back().initialName, list.string());
}

TEST(MessageFileMenus, CancelOrUnreadableFileChangesNothing) {
    const TempFolder folder;
    CommandSession session;
    ASSERT_TRUE(session.run("[MSGTEXT=KEEP]"));
    session.state().Dirty = false;
    const Job before = session.job();

    EXPECT_FALSE(MOpenMsg_Click(session.app)); // the dialog is cancelled
    EXPECT_FALSE(MReadMsg_Click(session.app));
    session.host.fileChoices.push_back((folder.path() / "missing.txt").string());
    EXPECT_FALSE(MReadMsg_Click(session.app));
    EXPECT_EQ(session.host.fileDialogs.size(), 3u);
    EXPECT_EQ(session.job(), before);
    EXPECT_FALSE(session.state().MessageFileOpen);
    EXPECT_FALSE(session.state().Dirty);
}

TEST(SaveBarCodeAs, AsksForTheNameKeepsItAndSaves) {
    const TempFolder folder;
    CommandSession session;
    ASSERT_TRUE(session.run("[BARCODE=ABC]"));
    session.state().BarcodeSavePath = "/earlier/symbol.wmf";
    const auto target = folder.path() / "label.wmf";
    session.host.fileChoices.push_back(target.string());

    EXPECT_EQ(activateMenuItem(session.app, "MBSave"), MenuOutcome{});
    ASSERT_FALSE(session.host.fileDialogs.empty());
    EXPECT_EQ(session.host.fileDialogs.back(),
              (FileDialogRequest{.title = "Save Bar Code As",
                                 .filter = std::string(kSaveBarCodeFilter),
                                 .initialName = "/earlier/symbol.wmf",
                                 .forSaving = true}));
    EXPECT_EQ(session.state().BarcodeSavePath, target.string());
    EXPECT_EQ(vornik::testing::readFile(target),
              vornik::testing::readFile(session.state().TempMetafilePath));
    EXPECT_FALSE(vornik::testing::readFile(target).empty());

    // Cancel keeps the name and writes nothing.
    EXPECT_FALSE(MBSave_Click(session.app));
    EXPECT_EQ(session.state().BarcodeSavePath, target.string());
}

} // namespace
} // namespace vornik
