#include "core/app/message_editing.h"
#include "support/command_session.h"

#include <functional>
#include <gtest/gtest.h>

namespace vornik {
namespace {

using namespace std::string_literals;
using vornik::testing::CommandSession;

using Edit = std::function<MessageBoxContent(Application&, BoxSelection)>;

Edit type(char32_t typed) {
    return [typed](Application& app, BoxSelection s) { return typeInMessageBox(app, s, typed); };
}
Edit press(MessageBoxKey key) {
    return [key](Application& app, BoxSelection s) { return pressInMessageBox(app, s, key); };
}
Edit listEntry(std::size_t index) {
    return [index](Application& app, BoxSelection s) {
        return insertFromCharacterList(app, s, index);
    };
}
Edit paste(PasteFocus focus) {
    return [focus](Application& app, BoxSelection s) { return editPaste(app, focus, s); };
}

struct Row {
    const char* name;
    std::string message;
    BoxSelection selection;
    Edit edit;
    std::string expected;
    BoxSelection expectedSelection;
    bool ansi = false;
    std::optional<std::string> clipboard = std::nullopt;
    std::optional<std::string> expectedClipboard = clipboard;
    std::string expectedComment = "note";
};

using enum MessageBoxKey;
const auto kMessageBox = PasteFocus::MessageBox;
const auto kCommentBox = PasteFocus::CommentBox;

// clang-format off
const Row kRows[] = {
    {"typing at the cursor", "AB", {1, 0}, type(U'x'), "AxB", {2, 0}},
    {"typing replaces the selection", "ABCD", {1, 2}, type(U'x'), "AxD", {2, 0}},
    {"Ä typed in ASCII mode is stored as 142", "", {0, 0}, type(U'Ä'), "\x8E", {1, 0}},
    {"Ä typed in ANSI mode is stored as 196", "", {0, 0}, type(U'Ä'), "\xC4", {1, 0}, true},
    {"a control character is discarded", "AB", {1, 1}, type(U'\x01'), "AB", {1, 1}},
    {"a tab is discarded", "AB", {1, 0}, type(U'\t'), "AB", {1, 0}},
    {"a selection past the end is clipped", "AB", {5, 3}, type(U'C'), "ABC", {3, 0}},
    {"Backspace removes the character before", "ABC", {2, 0}, press(Backspace), "AC", {1, 0}},
    {"Backspace removes the selection", "ABCD", {1, 2}, press(Backspace), "AD", {1, 0}},
    {"Backspace at the start does nothing", "ABC", {0, 0}, press(Backspace), "ABC", {0, 0}},
    {"Alt+Backspace is discarded", "ABC", {2, 0}, press(AltBackspace), "ABC", {2, 0}},
    {"Delete removes the character after", "ABC", {1, 0}, press(Delete), "AC", {1, 0}},
    {"Delete removes the selection", "ABCD", {1, 2}, press(Delete), "AD", {1, 0}},
    {"Delete at the end does nothing", "ABC", {3, 0}, press(Delete), "ABC", {3, 0}},
    {"Delete removes a NUL", "A\0B"s, {1, 0}, press(Delete), "AB", {1, 0}},
    {"Enter adds 13 10", "AB", {1, 0}, press(Enter), "A\r\nB", {3, 0}},
    {"Enter replaces the selection", "ABC", {0, 3}, press(Enter), "\r\n", {2, 0}},
    {"Shift+Insert inserts the clipboard's text", "AB", {1, 0}, press(ShiftInsert), "Axy\r\nB",
     {5, 0}, false, "xy\r\n"},
    {"Shift+Insert inserts bytes unconverted", "", {0, 0}, press(ShiftInsert), "\xC4", {1, 0},
     false, "\xC4"},
    {"Shift+Insert without text does nothing", "AB", {0, 1}, press(ShiftInsert), "AB", {0, 1}},
    {"Shift+Insert of empty text does nothing", "AB", {0, 1}, press(ShiftInsert), "AB", {0, 1},
     false, ""},
    {"Ctrl+Insert copies the internal form", "xA\0B"s, {1, 3}, press(CtrlInsert), "xA\0B"s,
     {1, 3}, false, "old", "A\0B"s},
    {"Ctrl+Insert without a selection copies nothing", "AB", {1, 0}, press(CtrlInsert), "AB",
     {1, 0}, false, "old"},
    {"list entry 0 inserts a NUL", "AB", {1, 0}, listEntry(0), "A\0B"s, {2, 0}},
    {"list entry 131 inserts FNC4", "AB", {0, 2}, listEntry(131), "\x83", {1, 0}},
    {"list entry 255", "", {0, 0}, listEntry(255), "\xFF", {1, 0}, true},
    {"no list entry past 255", "AB", {1, 0}, listEntry(256), "AB", {1, 0}},
    {"Paste into the message box", "AB", {1, 1}, paste(kMessageBox), "Axy", {3, 0}, false, "xy"},
    {"Paste with an empty clipboard", "AB", {1, 1}, paste(kMessageBox), "AB", {1, 1}},
    {"Paste into the comment box", "AB", {1, 1}, paste(kCommentBox), "AB", {1, 1}, false, "xy",
     "xy", "xy"},
    {"Paste without text leaves the comment", "AB", {1, 1}, paste(kCommentBox), "AB", {1, 1}},
};
// clang-format on

TEST(MessageEditingTest, EditsKeepTheInternalMessageInStep) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        CommandSession session;
        session.job().Message = row.message;
        session.job().Comment = "note";
        session.job().AnsiDisplay = row.ansi;
        session.host.clipboard = row.clipboard;
        session.state().Dirty = false;

        const MessageBoxContent shown = row.edit(session.app, row.selection);

        EXPECT_EQ(session.job().Message, row.expected);
        EXPECT_EQ(shown.displayForm, DisplayForm(row.expected));
        EXPECT_EQ(shown.selection, row.expectedSelection);
        EXPECT_EQ(session.job().Comment, row.expectedComment);
        EXPECT_EQ(session.host.clipboard, row.expectedClipboard);
        EXPECT_EQ(session.state().Dirty,
                  row.expected != row.message || row.expectedComment != "note");
    }
}

TEST(MessageEditingTest, ABoxShowsNulAsCharacter255InItsSet) {
    CommandSession session;
    session.job().Message = "A\0B\x8E"s;
    const MessageBoxContent ascii = messageBoxContent(session.job(), {9, 9});
    EXPECT_EQ(ascii.displayForm, "A\xFF"s + "B\x8E");
    EXPECT_EQ(ascii.screenText, "A\u00A0BÄ"); // code page 437's 255 and 142
    EXPECT_EQ(ascii.selection, (BoxSelection{4, 0}));
    session.job().AnsiDisplay = true;
    EXPECT_EQ(messageBoxContent(session.job(), {1, 1}).screenText, "AÿBŽ");
}

TEST(MessageEditingTest, PasteIsEnabledWhenTheClipboardHoldsText) {
    CommandSession session;
    EXPECT_FALSE(editPasteEnabled(session.host));
    session.host.clipboard = "";
    EXPECT_TRUE(editPasteEnabled(session.host));
}

} // namespace
} // namespace vornik
