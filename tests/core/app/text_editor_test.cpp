#include "core/app/error_reporter.h"
#include "core/app/text_editor.h"
#include "support/command_session.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vornik {

namespace {

using namespace std::string_literals;
using vornik::testing::CommandSession;
using vornik::testing::readFile;
using vornik::testing::TempFolder;

const std::string kControlWarning =
    "\r\n\r\nWarning! The Vornik Text Editor Cannot Edit Messages That Contain ASCII Control "
    "Characters other than carriage returns, linefeeds and tabs!\r\n\r\nPlease use the Bar Code "
    "Message text edit field in Vornik's main window to edit this message.";

std::string controlFileWarning(const std::string& path) {
    return "\r\n\r\nWarning! The file: " + path +
           " contains ASCII control codes. The Vornik Text Editor Cannot Edit Messages That "
           "Contain Control Codes Other Than Carriage Returns, Linefeeds and Tabs.\r\n\r\nYou "
           "can only input or edit this file by reading it into the Bar Code Message text edit "
           "field in Vornik's main window. (select 'Read Message From File...' from the 'File' "
           "menu in Vornik's main window.)";
}

// The boxes shown, readably, for a failing comparison.
std::string shown(const std::vector<MessageBox>& boxes) {
    std::string text = "boxes shown:";
    for (const MessageBox& box : boxes)
        text += "\n  " + box.title + ": " + box.text;
    return text;
}

MessageBox question(const char* text) {
    return {"Vornik", text, MessageIcon::Question, MessageButtons::YesNo, true};
}

MessageBox failure(const std::string& path, const std::string& reason) {
    return {"Vornik Text Editor Error", "File: " + path + " could not be used: " + reason + ".",
            MessageIcon::Exclamation, MessageButtons::Ok};
}

// A session whose editor has opened MESSAGE.
struct EditorSession : CommandSession {
    TextEditor editor{app};
    explicit EditorSession(std::string message = "old") {
        job().Message = std::move(message);
        state().Dirty = false;
        opened = editor.open({0, 0});
    }
    bool opened = false;
};

TEST(TextEditorTest, TheControlCharacterTest) {
    const std::pair<std::string, bool> rows[] = {
        {"", true},       {"A\tB\r\nC\n\r", true}, {"\x7F\xFF", true},
        {"A\x01", false}, {"\0"s, false},          {"A\x1F", false},
    };
    for (const auto& [text, passes] : rows)
        EXPECT_EQ(editorCanShow(text), passes) << text;
}

TEST(TextEditorTest, OpensWithTheMessageAndTheBoxSelection) {
    CommandSession session;
    session.job().Message = "AB\tC\r\nD\xFF";
    TextEditor editor(session.app);
    ASSERT_TRUE(editor.open({6, 2}));
    EXPECT_EQ(editor.caption(), "Vornik Text Editor");
    EXPECT_EQ(editor.fontName(), "Terminal");
    EXPECT_EQ(editor.text(), "AB\tC\r\nD\xFF");
    EXPECT_EQ(editor.screenText(), "AB\tC\nD\u00A0");
    EXPECT_EQ(editor.initialSelection(), (BoxSelection{5, 2})) << "CR LF is one character";
    EXPECT_FALSE(editor.dirty());
    EXPECT_TRUE(session.host.messages.empty());
}

TEST(TextEditorTest, AMessageWithControlCodesIsRefused) {
    EditorSession session("A\x01"
                          "B");
    EXPECT_FALSE(session.opened);
    EXPECT_EQ(session.host.beeps, 1);
    ASSERT_EQ(session.host.messages.size(), 1u);
    EXPECT_EQ(session.host.messages[0], (MessageBox{"Vornik Text Editor Error", kControlWarning,
                                                    MessageIcon::Exclamation, MessageButtons::Ok}));
    EXPECT_EQ(session.job().Message, "A\x01"
                                     "B");
    EXPECT_FALSE(session.state().Dirty);
}

TEST(TextEditorTest, ReturnAndTheCloseBoxHandTheTextBack) {
    struct Row {
        const char* name;
        std::vector<std::string> edits; // the box's text after each change
        bool closeBox;
        std::optional<MessageAnswer> answer;
        std::string expectedMessage;
    };
    const Row rows[] = {
        {"Return with an empty text empties the message", {""}, false, {}, ""},
        {"Return with new lines", {"A\nB"}, false, {}, "A\r\nB"},
        {"the close box asks and updates", {"new"}, true, MessageAnswer::Yes, "new"},
        {"No keeps the message", {"new"}, true, MessageAnswer::No, "old"},
        {"typing and deleting still asks", {"oldx", "old"}, true, MessageAnswer::Yes, "old"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EditorSession session;
        for (const std::string& edit : row.edits)
            EXPECT_FALSE(session.editor.textEdited(edit));
        if (row.answer)
            session.host.answers.push_back(*row.answer);
        if (row.closeBox)
            session.editor.closeBox();
        else
            session.editor.returnToVornik();
        EXPECT_EQ(session.job().Message, row.expectedMessage);
        EXPECT_EQ(session.state().Dirty, row.expectedMessage != "old");
        const std::vector<MessageBox> asked{question("Update Bar Code Message in Vornik?")};
        EXPECT_EQ(session.host.messages, row.closeBox ? asked : std::vector<MessageBox>{});
        EXPECT_EQ(session.host.beeps, row.closeBox ? 1 : 0);
    }
}

TEST(TextEditorTest, TheCloseBoxAsksOnlyAboutAChangedText) {
    EditorSession session;
    EXPECT_FALSE(session.editor.textEdited(session.editor.screenText()));
    session.editor.closeBox();
    EXPECT_TRUE(session.host.messages.empty());
    EXPECT_EQ(session.host.beeps, 0);

    // A command changed the message while the editor was open.
    session.job().Message = "longer";
    session.host.answers.push_back(MessageAnswer::Yes);
    session.editor.closeBox();
    EXPECT_EQ(session.host.messages.size(), 1u);
    EXPECT_EQ(session.job().Message, "old");
}

TEST(TextEditorTest, KeysAndTheBoxAreStoredInTheDisplaySet) {
    EditorSession session;
    EXPECT_EQ(session.editor.keyCharacter(U'À'), U'A');
    EXPECT_EQ(session.editor.keyCharacter(U'Ä'), U'Ä');
    EXPECT_EQ(session.editor.keyCharacter(U'\r'), U'\r');
    EXPECT_EQ(session.editor.keyCharacter(U'\t'), U'\t');
    EXPECT_FALSE(session.editor.textEdited("Ä\n"));
    EXPECT_EQ(session.editor.text(), "\x8E\r\n");
    EXPECT_TRUE(session.editor.textEdited("x😀")) << "the box must be shown again";
    EXPECT_EQ(session.editor.screenText(), "x?");
    session.job().AnsiDisplay = true;
    EXPECT_EQ(session.editor.keyCharacter(U'À'), U'À');
    EXPECT_EQ(session.editor.fontName(), "System");
}

TEST(TextEditorTest, TheEditMenuWorksOnTheSelection) {
    EditorSession session("AB\r\nCD");
    EXPECT_EQ(session.editor.editMenu({1, 0}), (EditMenuState{false, false, false}));
    session.host.clipboard = "zz";
    EXPECT_EQ(session.editor.editMenu({1, 2}), (EditMenuState{true, true, true}));

    session.editor.copy({1, 2}); // "B" and the line break
    EXPECT_EQ(session.host.clipboard, "B\r\n");
    EXPECT_FALSE(session.editor.dirty());
    EXPECT_EQ(session.editor.cut({3, 1}), (BoxSelection{3, 0}));
    EXPECT_EQ(session.host.clipboard, "C");
    EXPECT_EQ(session.editor.text(), "AB\r\nD");
    EXPECT_EQ(session.editor.paste({0, 1}), (BoxSelection{1, 0}));
    EXPECT_EQ(session.editor.text(), "CB\r\nD");
    EXPECT_EQ(session.host.clipboardEmptied, 2);
    EXPECT_TRUE(session.editor.dirty());
    EXPECT_EQ(session.job().Message, "AB\r\nCD") << "the message waits for Return";
}

TEST(TextEditorTest, NewEmptiesTheText) {
    EditorSession session;
    session.editor.fileNew();
    EXPECT_EQ(session.editor.text(), "");
    EXPECT_EQ(session.editor.caption(), "Vornik Text Editor");
    session.editor.closeBox();
    EXPECT_EQ(session.host.messages.size(), 1u) << "the text changed";
    EXPECT_EQ(session.job().Message, "");
}

TEST(TextEditorTest, OpenReadsSmallFilesWithoutControlCodes) {
    const TempFolder folder;
    const std::string full = "A\tB\r\n" + std::string(3067, 'x');
    ASSERT_EQ(full.size(), 3072u);
    struct Row {
        const char* name;
        std::string path;
        std::string expectedText;
        std::vector<MessageBox> expectedBoxes;
    };
    const std::string fits = folder.write("fits", full).string();
    const std::string over = folder.write("over", full + "y").string();
    const std::string control = folder.write("control", "A\x01").string();
    const std::string missing = (folder.path() / "missing").string();
    const std::string notFolder = fits + "/inside";
    const std::string fifo = (folder.path() / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string loop = (folder.path() / "loop").string();
    std::filesystem::create_symlink("loop", loop);
    const MessageBox tooLarge{"Vornik", composeErrorText(kErrorMessageTooLarge)};
    const MessageBox warning{"Vornik Text Editor Error", controlFileWarning(control),
                             MessageIcon::Exclamation, MessageButtons::Ok};
    std::vector<Row> rows = {
        {"3072 bytes are read", fits, full, {}},
        {"3073 bytes are too many", over, "old", {tooLarge}},
        {"control codes", control, "old", {warning}},
        {"a missing file", missing, "old", {failure(missing, "No such file or directory")}},
        {"a folder",
         folder.path().string(),
         "old",
         {failure(folder.path().string(), "it is a folder")}},
        {"a pipe", fifo, "old", {failure(fifo, "it is a pipe, not a file")}},
        {"a link to itself", loop, "old", {failure(loop, "Too many levels of symbolic links")}},
        {"a file taken for a folder", notFolder, "old", {failure(notFolder, "Not a directory")}},
    };
    // Permissions do not keep root out; as anybody else the file is unreadable.
    if (::geteuid() != 0) {
        const std::string locked = folder.write("locked", "secret").string();
        ::chmod(locked.c_str(), 0);
        rows.push_back(
            {"an unreadable file", locked, "old", {failure(locked, "Permission denied")}});
    }
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EditorSession session;
        session.state().SymbolBuilt = true;
        session.host.fileChoices.push_back(row.path);
        session.editor.fileOpen();
        EXPECT_EQ(session.host.fileDialogs,
                  (std::vector<FileDialogRequest>{
                      {"Read Bar Code Message From File", "All Files (*.*)|*.*", "", false}}));
        EXPECT_EQ(session.editor.text(), row.expectedText);
        EXPECT_EQ(session.host.messages, row.expectedBoxes) << shown(session.host.messages);
        const bool read = row.expectedBoxes.empty();
        EXPECT_EQ(session.editor.caption(),
                  read ? "Vornik Text Editor: " + row.path : "Vornik Text Editor");
        EXPECT_EQ(session.editor.dirty(), read);
        EXPECT_EQ(session.state().ReadMessagePath, row.path);
        EXPECT_EQ(session.job().Message, "old");
        EXPECT_EQ(session.state().SymbolBuilt, row.path != over) << "the shared error clears it";
    }
}

TEST(TextEditorTest, CancelledDialogsChangeNothing) {
    EditorSession session;
    session.state().ReadMessagePath = "/last/name";
    session.editor.fileOpen();
    session.editor.fileSaveAs();
    ASSERT_EQ(session.host.fileDialogs.size(), 2u);
    EXPECT_EQ(session.host.fileDialogs[1],
              (FileDialogRequest{"Save Text To File", "All Files (*.*)|*.*", "/last/name", true}));
    EXPECT_EQ(session.editor.text(), "old");
    EXPECT_EQ(session.state().ReadMessagePath, "/last/name");
    EXPECT_TRUE(session.host.messages.empty());
}

TEST(TextEditorTest, SaveAsWritesOneLineAndAsksBeforeOverwriting) {
    const TempFolder folder;
    struct Row {
        const char* name;
        std::string path;
        std::optional<MessageAnswer> answer; // to the overwrite question, when asked
        std::string expectedFile;
        std::optional<std::string> failureReason;
    };
    const std::string fresh = (folder.path() / "fresh.txt").string();
    const std::string kept = folder.write("kept.txt", "before").string();
    const std::string replaced = folder.write("replaced.txt", "before").string();
    const std::string noFolder = (folder.path() / "none" / "x.txt").string();
    const Row rows[] = {
        {"a new file", fresh, {}, "A\r\nB\r\n", {}},
        {"No keeps the old file", kept, MessageAnswer::No, "before", {}},
        {"Yes replaces it", replaced, MessageAnswer::Yes, "A\r\nB\r\n", {}},
        {"a folder", folder.path().string(), MessageAnswer::Yes, "", "it is a folder"},
        {"a full disk", "/dev/full", MessageAnswer::Yes, "", "No space left on device"},
        {"a missing folder",
         noFolder,
         {},
         "",
         "no file can be made in its folder: No such file or directory"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EditorSession session("A\r\nB");
        session.host.fileChoices.push_back(row.path);
        if (row.answer)
            session.host.answers.push_back(*row.answer);
        session.editor.fileSaveAs();
        std::vector<MessageBox> expected;
        if (row.answer)
            expected.push_back(question("Overwrite existing file?"));
        if (row.failureReason)
            expected.push_back(failure(row.path, *row.failureReason));
        EXPECT_EQ(session.host.messages, expected) << shown(session.host.messages);
        if (!row.failureReason) {
            EXPECT_EQ(readFile(row.path), row.expectedFile);
        }
        EXPECT_EQ(session.state().ReadMessagePath, row.path);
        EXPECT_EQ(session.editor.text(), "A\r\nB");
    }
}

} // namespace
} // namespace vornik
