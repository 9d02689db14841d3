#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornik {

class Application;

// One item of the main window's menu bar as the user sees it when its menu
// opens. The window builds its actions from these and never decides any of
// the states itself.
struct MenuItemView {
    std::string control{};  // the control name ("MNew", "BWRVal", ...); empty for plain separators
    int index = -1;         // index within a control array, -1 for a single control
    std::string caption{};  // "&" marks the access key
    std::string shortcut{}; // portable key text ("Ctrl+N", "F2"); empty for none
    bool separator = false;
    bool visible = true;
    bool enabled = true;
    bool checkable = false;
    bool checked = false;
    std::vector<MenuItemView> children{}; // a submenu's items, in order

    bool operator==(const MenuItemView&) const = default;
};

// What the clipboard holds when a menu opens; the window asks its clipboard.
struct ClipboardOffer {
    bool text = false;
};

// The five menus (&File, &Edit, &Preferences, &Symbology, &Help) with every
// item in order, hidden ones included, in the state they open in: check
// marks from the job, items enabled by the run state, the Preferences items
// shown for the current symbology, and the bar width captions in the display
// unit. Paste is enabled when CLIPBOARD offers text.
[[nodiscard]] std::vector<MenuItemView> mainMenuBar(const Application& app,
                                                    ClipboardOffer clipboard = {});

// The name label under the message box: the current symbology's menu
// caption without its access key marker.
[[nodiscard]] std::string symbologyLabel(const Application& app);

// The item CONTROL (INDEX for a control array) anywhere in MENUS, or null.
[[nodiscard]] const MenuItemView* findMenuItem(const std::vector<MenuItemView>& menus,
                                               std::string_view control, int index = -1);
// The menus must outlive the pointer: a temporary tree would leave it dangling.
const MenuItemView* findMenuItem(std::vector<MenuItemView>&& menus, std::string_view control,
                                 int index = -1) = delete;

// A caption as plain text: without its access key markers.
[[nodiscard]] std::string plainCaption(std::string_view caption);

// What the window itself has to do for an item the core cannot carry out:
// a dialog, a window, a page in the browser, or the clipboard's text going
// in at the message box's cursor.
enum class FrontEndAction {
    TargetPrinterDialog,     // "&Target Printer..."
    PrinterSetupDialog,      // "Pr&inter Setup..."
    PrintDialog,             // "&Print...": the margins dialog, then printing
    PrintPreview,            // "Print Pre&view...": the page as printing would send it
    PrinterOffsetDialog,     // "Printer O&ffset...": the current printer's offset
    RasterPropertiesDialog,  // "Raster Image Properties..."
    Exit,                    // "E&xit": close the window (its shut-down asks)
    Paste,                   // "&Paste": into the comment or message box
    IncrementalNumbering,    // "&Incremental Numbering..."
    FontDialog,              // "&Font...", then applyFontChoice()
    ForeColorDialog,         // "Foreground &Color...", then applyForeColor()
    BackColorDialog,         // "&Custom Color...", then applyBackColor()
    AztecOptionsDialog,      // "A&ztec Code Advanced Options..."
    Pdf417OptionsDialog,     // "&PDF417 Advanced Options..."
    DataMatrixOptionsDialog, // "Data Matri&x Advanced Options..."
    HelpIndex,               // "&Index": the user guide in the browser
    WebPage,                 // the program's web page in the browser
    AboutBox,                // "&About Vornik..."
    TextEditor,              // the toolbar's "Editor"
};

enum class MenuStatus {
    Done,     // the core carried the command out
    FrontEnd, // the window has to do `action`
    Refused,  // nothing happened; `refusal` says why
};

struct MenuOutcome {
    MenuStatus status = MenuStatus::Done;
    std::optional<FrontEndAction> action{}; // set exactly when status is FrontEnd
    std::string refusal{};                  // set exactly when status is Refused

    bool operator==(const MenuOutcome&) const = default;
};

// A click on the menu item CONTROL (INDEX for a control array). Items whose
// command belongs to the core run it here (file dialogs through the Host);
// the others return the window's part. Disabled items, submenus, separators
// and names the menus do not have are refused. After a command the Host
// hears viewChanged(), so the window re-reads the menus and the toolbar.
[[nodiscard]] MenuOutcome activateMenuItem(Application& app, std::string_view control,
                                           int index = -1);

} // namespace vornik
