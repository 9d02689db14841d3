#pragma once

#include "core/app/editor_screen.h"
#include "core/app/message_editing.h"

#include <array>
#include <string>
#include <string_view>

namespace vornik {

class Application;

// The editor's menus as the window shows them: "&" marks the access key, an
// empty caption is a separator. Index i of a menu is its item i.
inline constexpr std::string_view kEditorFileMenuCaption = "&File";
inline constexpr std::array<std::string_view, 7> kEditorFileMenu = {
    "&New", "&Open...", "Save &As...", "", "&Return To Vornik", "", "Abort/&Exit"};
inline constexpr std::string_view kEditorEditMenuCaption = "&Edit";
inline constexpr std::array<std::string_view, 3> kEditorEditMenu = {"Cu&t", "C&opy", "&Paste"};

// Whether the text editor can show a text: none of its codes is below 32
// except tab, line feed and carriage return. An empty text passes.
[[nodiscard]] bool editorCanShow(std::string_view codes);

// Which Edit menu items are enabled as the menu opens.
struct EditMenuState {
    bool cut = false;
    bool copy = false;
    bool paste = false;

    bool operator==(const EditMenuState&) const = default;
};

// The text editor window (`frmEditor`), opened modally from the main
// window's Editor button to edit a long message in a multi-line box.
//
// The box shows screenText() and reports every change of its own through
// textEdited(); positions and selections are counted in the box's
// characters (see editor_screen.h). After a command that changes the text
// (New, Open, Cut, Paste) the box shows screenText() again.
//
// Closing: Return To Vornik calls returnToVornik() and closes; Abort/Exit
// closes without calling anything, leaving the message as it was; the
// window's own close box calls closeBox() and then closes. The main window
// then puts the focus back into its message box.
class TextEditor {
public:
    explicit TextEditor(Application& app);

    // Opening: when the job's message passes editorCanShow(), it is loaded
    // in display form with the main window's message box selection, and the
    // text is not yet changed. Otherwise the user is warned (a beep and a
    // box) and false says that the editor closes at once.
    [[nodiscard]] bool open(BoxSelection messageBoxSelection);

    [[nodiscard]] const std::string& caption() const { return caption_; }
    [[nodiscard]] std::string_view fontName() const;
    [[nodiscard]] const std::string& text() const { return text_; } // as codes
    [[nodiscard]] std::string screenText() const;
    // The selection taken over from the message box on opening.
    [[nodiscard]] BoxSelection initialSelection() const { return initialSelection_; }
    [[nodiscard]] bool dirty() const { return dirty_; }

    // The box's whole text after a change, in UTF-8. A text that differs
    // from the editor's marks it changed. True when the box must show
    // screenText() instead, because it held characters the display set
    // lacks (pasted by the box itself, say).
    [[nodiscard]] bool textEdited(std::string_view screenUtf8);

    // The character the box inserts for a typed one: in ASCII mode a
    // character converted to code page 437 as it is stored ("À" shows "A");
    // control keys (tab, Enter) pass unchanged.
    [[nodiscard]] char32_t keyCharacter(char32_t typed) const;

    // The Edit menu.
    [[nodiscard]] EditMenuState editMenu(BoxSelection selection);
    [[nodiscard]] BoxSelection cut(BoxSelection selection);
    void copy(BoxSelection selection);
    [[nodiscard]] BoxSelection paste(BoxSelection selection);

    // The File menu.
    void fileNew();
    void fileOpen();
    void fileSaveAs();
    void returnToVornik();

    // A close asked for by the window's close box (not by the menu): when
    // the text was changed, or its length differs from the message's, asks
    // whether to update the message, and does unless the answer is No.
    void closeBox();

private:
    void load(std::string codes);
    void replaceText(std::string codes);
    [[nodiscard]] BoxSelection codeRange(BoxSelection selection) const;
    [[nodiscard]] BoxSelection toScreen(BoxSelection codes) const;
    void showFailure(const std::string& path, std::string_view reason);
    void setMessage();

    Application& app_;
    std::string text_;
    LineBreak lineBreak_ = LineBreak::CrLf;
    std::string caption_;
    BoxSelection initialSelection_;
    bool dirty_ = false;
};

} // namespace vornik
