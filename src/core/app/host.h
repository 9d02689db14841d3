#pragma once

#include "core/app/printer_page.h"
#include "core/render/current_picture.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vornik {

enum class MessageIcon { None, Exclamation, Question, Information, Critical };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No, Retry };

// A modal message box: what the user is shown and which buttons they get.
// Texts are the program's own, byte for byte (CR and CR LF line breaks kept).
struct MessageBox {
    std::string title;
    std::string text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    // The second button (No, Cancel) is the default rather than the first.
    bool secondButtonDefault = false;

    bool operator==(const MessageBox&) const = default;
};

// An input box: the user types one line or cancels.
struct InputBox {
    std::string title;
    std::string prompt;
    std::string defaultAnswer;

    bool operator==(const InputBox&) const = default;
};

// How the paste advice dialog was closed.
struct PasteAdviceAnswer {
    bool closedWithOk = false;
    bool dontShowAgainChecked = false;
};

// A file dialog: its title, its filter ("Name (*.ext)|*.ext|..."), the name
// it starts with, and whether it asks for a file to write.
struct FileDialogRequest {
    std::string title;
    std::string filter;
    std::string initialName;
    bool forSaving = false;

    bool operator==(const FileDialogRequest&) const = default;
};

// The main window's state, as the window commands set it.
enum class WindowState { Normal, Minimized };

struct PrinterResolution {
    int dotsPerInchX = 0;
    int dotsPerInchY = 0;

    bool operator==(const PrinterResolution&) const = default;
};

// Everything the core needs from the world around it. The desktop window, the
// headless command line and the tests each provide one; the core never asks
// anything of the outside except through here.
class Host {
public:
    virtual ~Host() = default;

    // Questions and notices.
    virtual MessageAnswer showMessage(const MessageBox& box) = 0;
    virtual PasteAdviceAnswer showPasteAdvice(std::string_view text) = 0;
    // The typed line; nullopt when cancelled. A host with nobody to ask
    // answers as Cancel.
    virtual std::optional<std::string> inputBox(const InputBox&) { return std::nullopt; }
    virtual void beep() = 0;
    virtual void setBusyPointer(bool busy) = 0;

    // The file the user chose, or nullopt when the dialog was cancelled. A
    // host without dialogs answers as a user who cancels.
    virtual std::optional<std::string> chooseFile(const FileDialogRequest&) { return std::nullopt; }

    // A new symbol: onto the clipboard and into the display. The bytes are
    // the placeable metafile file of the picture.
    virtual void publishPicture(const render::CurrentPicture& picture,
                                std::span<const std::uint8_t> placeableWmf) = 0;

    // Clipboard.
    virtual void emptyClipboard() = 0;
    virtual std::optional<std::string> clipboardText() = 0;
    virtual void setClipboardText(const std::string& text) = 0;

    // Shows the main window normal or minimised; a host without a window
    // says so, or does nothing.
    virtual void setWindowState(WindowState) {}

    // The panel, menus or boxes changed: a front end re-reads the view models.
    virtual void viewChanged() = 0;

    // The per-user settings store (application "Vornik", section "Settings").
    virtual std::optional<std::string> readSetting(std::string_view key) = 0;
    virtual void writeSetting(std::string_view key, std::string_view value) = 0;

    // The printer. The current printer is the default printer until the user
    // chooses another in the print setup dialog.
    //
    // The current printer's resolution; nullopt when there is no printer.
    virtual std::optional<PrinterResolution> defaultPrinterResolution() = 0;
    // The current printer's name; empty when there is none.
    virtual std::string printerName() = 0;
    // Why the current printer cannot take a page now (there is none, its
    // queue is stopped, ...), as a sentence; nullopt when it can.
    virtual std::optional<std::string> printerProblem() = 0;
    // Prints PAGE on one sheet of the current printer and sends it. nullopt
    // once the printer has taken it; otherwise why not, as a sentence.
    virtual std::optional<std::string> printPage(const PrinterPage& page) = 0;
    // The print setup dialog: the printer chosen becomes the current printer,
    // and its resolution is returned. nullopt when cancelled, and from a host
    // with nobody to ask.
    virtual std::optional<PrinterResolution> choosePrinter() { return std::nullopt; }
};

} // namespace vornik
