#pragma once

#include <cstddef>
#include <string>

namespace vornik {

class Application;
class Host;
struct Job;

// A selection in a box: its start and length in characters; a length of 0
// is the cursor. The message box shows one character per message code, so
// these are positions in the internal message too.
struct BoxSelection {
    std::size_t start = 0;
    std::size_t length = 0;

    bool operator==(const BoxSelection&) const = default;
};

// What the message box shows after an edit: the message's display form
// (NUL as code 255), the same as UTF-8 in the display set (see
// display_set.h, control codes as pictures), and where the cursor or the
// selection stands. The internal message itself is Job::Message.
struct MessageBoxContent {
    std::string displayForm;
    std::string screenText;
    BoxSelection selection;

    bool operator==(const MessageBoxContent&) const = default;
};

// The box's content for the job's message as it is, with SELECTION kept
// (clipped to the message): for a message set from outside (a file, a
// command, the text editor).
[[nodiscard]] MessageBoxContent messageBoxContent(const Job& job, BoxSelection selection);

// The keys of the message box that edit the message. Keys that only move the
// cursor or the selection are the box's own.
enum class MessageBoxKey {
    Backspace,    // removes the selection, or the character before the cursor
    AltBackspace, // discarded
    Delete,       // removes the selection, or the character after the cursor
    Enter,        // inserts carriage return and line feed (13, 10)
    ShiftInsert,  // inserts the clipboard's text, when it holds text
    CtrlInsert,   // copies the selected part of the internal message
};

// Each edit below works on the message box's SELECTION (clipped to the
// message), changes Job::Message (marking the job changed when it differs),
// and returns what the box is to show. The box applies no edit of its own.
// Its context menu is the main window's Edit menu.

// A typed character replaces the selection or is inserted at the cursor,
// stored as typedCode() gives it for the display set; a control character
// (below 32) is discarded.
[[nodiscard]] MessageBoxContent typeInMessageBox(Application& app, BoxSelection selection,
                                                 char32_t typed);

[[nodiscard]] MessageBoxContent pressInMessageBox(Application& app, BoxSelection selection,
                                                  MessageBoxKey key);

// A double click on the character list's entry, or Enter on it: the code of
// that entry (its index) replaces the selection or is inserted at the
// cursor; NUL shows as code 255. The focus then goes back to the message box.
[[nodiscard]] MessageBoxContent insertFromCharacterList(Application& app, BoxSelection selection,
                                                        std::size_t listIndex);

// Which box has the focus when Edit > Paste is chosen.
enum class PasteFocus { MessageBox, CommentBox };

// Edit > Paste (and the Paste button): with the comment box focused, the
// clipboard's text becomes the comment; otherwise it replaces the message
// box's selection or is inserted at its cursor. An empty clipboard, or one
// without text, changes nothing.
[[nodiscard]] MessageBoxContent editPaste(Application& app, PasteFocus focus,
                                          BoxSelection messageSelection);

// Whether Edit > Paste is enabled as the Edit menu opens: the clipboard
// holds text.
[[nodiscard]] bool editPasteEnabled(Host& host);

} // namespace vornik
