#include "core/serial/increment_dialog.h"
#include "support/fake_host.h"
#include "support/row_name.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace vornik::serial {
namespace {

using vornik::testing::PrintTo;

enum class Edit { Type, Backspace, Delete, Paste };

struct EditCase {
    const char* name;
    std::string before; // the working postamble
    bool ansiDisplay;
    BoxSelection selection;
    Edit edit;
    char32_t typed;                       // the typed character
    std::optional<std::string> clipboard; // for Paste
    std::string after;
    std::size_t caret;
};

// A NUL is one code like any other.
const std::string kWithNul("A\0C", 3);

const EditCase kEdits[] = {
    {"TypedAtTheCaret", "AC", false, {1, 0}, Edit::Type, U'B', {}, "ABC", 2},
    {"TypedOverTheSelection", "AxyD", false, {1, 2}, Edit::Type, U'B', {}, "ABD", 2},
    // The A with diaeresis is code 142 of the ASCII set, 196 of the ANSI set;
    // the ASCII set's light shade, which the ANSI set lacks, keeps its code.
    {"TypedInTheAsciiSet", "", false, {0, 0}, Edit::Type, U'\u00C4', {}, "\x8E", 1},
    {"TypedInTheAnsiSet", "", true, {0, 0}, Edit::Type, U'\u00C4', {}, "\xC4", 1},
    {"AsciiOnlyCharacter", "", false, {0, 0}, Edit::Type, U'\u2591', {}, "\xB0", 1},
    {"ControlCharacterDiscarded", "AB", false, {1, 0}, Edit::Type, U'\a', {}, "AB", 1},
    {"SelectionBeyondTheEnd", "AB", false, {9, 4}, Edit::Type, U'C', {}, "ABC", 3},
    {"BackspaceRemovesTheOneBefore", "ABC", false, {2, 0}, Edit::Backspace, 0, {}, "AC", 1},
    {"BackspaceAtTheStart", "ABC", false, {0, 0}, Edit::Backspace, 0, {}, "ABC", 0},
    {"BackspaceRemovesTheSelection", "ABCD", false, {1, 2}, Edit::Backspace, 0, {}, "AD", 1},
    {"DeleteRemovesTheOneAfter", kWithNul, false, {1, 0}, Edit::Delete, 0, {}, "AC", 1},
    {"DeleteAtTheEnd", "ABC", false, {3, 0}, Edit::Delete, 0, {}, "ABC", 3},
    {"DeleteRemovesTheSelection", "ABCD", false, {0, 3}, Edit::Delete, 0, {}, "D", 0},
    {"PasteReplacesTheSelection", "A--D", false, {1, 2}, Edit::Paste, 0, "BC", "ABCD", 3},
    {"PasteKeepsTheCodesAsTheyAre", "", false, {0, 0}, Edit::Paste, 0, "\xC4", "\xC4", 1},
    {"PasteWithoutText", "AB", false, {1, 0}, Edit::Paste, 0, std::nullopt, "AB", 1},
};

class IncrementBoxEditTest : public ::testing::TestWithParam<EditCase> {};

// Every edit lands in the working copy the box shows, never in the job.
TEST_P(IncrementBoxEditTest, EditsTheWorkingCopy) {
    const EditCase& row = GetParam();
    Job job;
    job.AnsiDisplay = row.ansiDisplay;
    IncrementDialog dialog(job);
    dialog.Postamble = row.before;
    testing::FakeHost host;
    host.clipboard = row.clipboard;
    std::size_t caret = 0;
    const TextBox box = TextBox::Postamble;
    switch (row.edit) {
    case Edit::Type:
        caret = dialog.typeCharacter(box, row.selection, row.typed);
        break;
    case Edit::Backspace:
        caret = dialog.backspace(box, row.selection);
        break;
    case Edit::Delete:
        caret = dialog.deleteForward(box, row.selection);
        break;
    case Edit::Paste:
        caret = dialog.pasteText(host, box, row.selection);
        break;
    }
    EXPECT_EQ(dialog.Postamble, row.after);
    EXPECT_EQ(caret, row.caret);
    EXPECT_EQ(dialog.Preamble, "");
    EXPECT_EQ(job.IncPostamble, "");
}

INSTANTIATE_TEST_SUITE_P(Rows, IncrementBoxEditTest, ::testing::ValuesIn(kEdits),
                         [](const auto& info) { return std::string(info.param.name); });

// Ctrl+Insert puts the selected codes on the clipboard, NUL included; an
// empty selection leaves the clipboard alone.
TEST(IncrementDialogTest, CopyPutsTheSelectedCodesOnTheClipboard) {
    IncrementDialog dialog{Job{}};
    dialog.Preamble = std::string("A\0BC", 4);
    testing::FakeHost host;
    host.clipboard = "before";
    dialog.copyText(host, TextBox::Preamble, {2, 0});
    EXPECT_EQ(host.clipboard, "before");
    dialog.copyText(host, TextBox::Preamble, {1, 2});
    EXPECT_EQ(host.clipboard, std::string("\0B", 2));
    dialog.copyText(host, TextBox::Preamble, {3, 7});
    EXPECT_EQ(host.clipboard, "C");
}

// The character picker inserts at the caret an edit left behind, as long as
// the box keeps the focus, and moves that caret past what it inserted.
TEST(IncrementDialogTest, ThePickerInsertsWhereTheLastEditLeftTheCaret) {
    IncrementDialog dialog{Job{}};
    dialog.focusText(TextBox::Preamble, 0);
    const std::size_t caret = dialog.typeCharacter(TextBox::Preamble, {0, 0}, U'A');
    dialog.focusText(TextBox::Preamble, caret);
    EXPECT_TRUE(dialog.insertCharacter(0));
    EXPECT_TRUE(dialog.insertCharacter('Z'));
    EXPECT_EQ(dialog.Preamble, std::string("A\0Z", 3));
    EXPECT_EQ(dialog.focusedText(), TextBox::Preamble);
    EXPECT_EQ(dialog.focusedCaret(), 3u);
    EXPECT_EQ(dialog.PreambleText(), "A\xFFZ");
    // In the ASCII set code 255 is a hard space, code 1 a smiling face.
    dialog.Preamble += '\x01';
    EXPECT_EQ(dialog.screenText(TextBox::Preamble), "A\u00A0Z\u263A");
}

} // namespace
} // namespace vornik::serial
