#pragma once

#include "core/app/job.h"
#include "core/app/message_editing.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vornik {
class Application;
class Host;
} // namespace vornik

namespace vornik::serial {

enum class NumberBox { StartNumber, IncrementValue, NumDigits };
enum class TextBox { Preamble, Postamble };

// What a number box does with a key: the box inserts it as usual, the model
// already changed the text (the "-" of the increment), or it is refused with
// a beep.
enum class KeyVerdict { Insert, Consumed, Refused };

// The dialog's caption and the captions of its controls.
inline constexpr std::string_view kIncrementTitle = "Incremental Numbering";
inline constexpr std::string_view kStartNumberLabel = "Starting Number:";
inline constexpr std::string_view kIncrementValueLabel = "Increment Value:";
inline constexpr std::string_view kNumDigitsLabel = "Number of Digits:";
inline constexpr std::string_view kPreambleLabel = "Preamble:";
inline constexpr std::string_view kPostambleLabel = "Postamble:";
inline constexpr std::string_view kIncrementFrame = "Increment Message";
inline constexpr std::string_view kIncMsgCaption = "Bar Code Message";
inline constexpr std::string_view kIncSupCaption = "UPC/EAN Supplemental";
inline constexpr std::string_view kIncrementEnabledCaption = "Enable Incremental Numbering";

inline constexpr std::string_view kFewerDigitsWarning =
    "Warning! - Number of Digits specified is less than the number of digits in the Starting "
    "Number";
inline constexpr std::string_view kSupplementDigitsWarning =
    "Warning! - The total number of digits (including Pre/Postambles) for UPC/EAN Supplements "
    "must add up to either 2 or 5.";

// The "Incremental Numbering" dialog: the texts of its boxes, its working
// copies of the preamble and postamble, the key rules of its boxes, and the
// check and store of OK. The window only shows what this holds.
class IncrementDialog {
public:
    // The boxes as the dialog opens on the job.
    explicit IncrementDialog(const Job& job);

    std::string StartNumber;
    std::string IncrementValue;
    std::string NumDigits; // empty for "as many digits as the number needs"
    std::string Preamble;  // working copies, character codes 0 to 255
    std::string Postamble;
    bool IncMsg = true; // false: the supplement is numbered
    bool IncrementEnabled = false;

    // The two text boxes show their copies in the display form.
    [[nodiscard]] std::string PreambleText() const { return DisplayForm(Preamble); }
    [[nodiscard]] std::string PostambleText() const { return DisplayForm(Postamble); }
    // That form as the box shows it: UTF-8 in the job's display set, one
    // character for each code (see display_set.h).
    [[nodiscard]] std::string screenText(TextBox box) const;
    [[nodiscard]] bool ansiDisplay() const { return ansiDisplay_; }

    // The number boxes take digits and backspace; a "-" in the increment box
    // makes a value of 0 or more negative and is ignored on a negative one.
    [[nodiscard]] KeyVerdict numberKey(NumberBox box, char key);

    // The preamble and postamble boxes edit their working copies as the
    // message box edits the message, on the box's selection (positions in
    // the copy). Each edit returns where the caret stands afterwards. A typed
    // character replaces the selection or goes in at the caret, stored as
    // typedCode() gives it for the job's display set (Ä as 142 in the ASCII
    // set); a control character is discarded. Backspace and Delete remove
    // the selection, or the character before or after the caret.
    std::size_t typeCharacter(TextBox box, BoxSelection selection, char32_t typed);
    std::size_t backspace(TextBox box, BoxSelection selection);
    std::size_t deleteForward(TextBox box, BoxSelection selection);
    // Shift+Insert: the clipboard's text replaces the selection (nothing
    // changes when the clipboard holds no text). Ctrl+Insert: the selected
    // codes go to the clipboard as text.
    std::size_t pasteText(Host& host, TextBox box, BoxSelection selection);
    void copyText(Host& host, TextBox box, BoxSelection selection) const;

    // Where the character picker inserts: the caret of the text box that had
    // the focus last, as long as no other control took it since.
    void focusText(TextBox box, std::size_t caret);
    void focusOther() { focused_.reset(); }
    // The box and caret the picker inserts at; nullopt while none.
    [[nodiscard]] std::optional<TextBox> focusedText() const { return focused_; }
    [[nodiscard]] std::size_t focusedCaret() const { return caret_; }
    // Inserts CODE at that caret; false (the caller beeps) when no text box
    // has the focus.
    [[nodiscard]] bool insertCharacter(unsigned char code);

    // The warning OK shows for the boxes as they stand; nullopt when they
    // pass. Only a ticked numbering box is checked.
    [[nodiscard]] std::optional<std::string_view> validationWarning() const;

    // OK: a warning beeps, is shown and keeps the dialog open (false);
    // otherwise the settings go into the job, the navigation follows, and the
    // dialog closes (true).
    [[nodiscard]] bool ok(Application& app) const;

private:
    std::string& workingCopy(TextBox box) {
        return box == TextBox::Preamble ? Preamble : Postamble;
    }
    const std::string& workingCopy(TextBox box) const {
        return box == TextBox::Preamble ? Preamble : Postamble;
    }
    std::size_t replaceSelection(TextBox box, BoxSelection selection, std::string_view text);

    bool ansiDisplay_ = false;
    std::optional<TextBox> focused_;
    std::size_t caret_ = 0;
};

// After the dialog has closed, however: numbering that is on shows its
// current number and builds it.
void afterIncrementDialog(Application& app);

} // namespace vornik::serial
