#pragma once

#include "core/app/printer_page.h"
#include "core/files/message_lines.h"
#include "core/render/current_picture.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace vornik {

// The open message file: its lines, read when it was opened, and where the
// user is in them (entry 1 is MessageList.line(0)).
struct MessageFileState {
    files::MessageLines MessageList;
    std::int32_t MessageIndex = 0;
    bool AtEnd = false;              // the last step went past either end
    bool NumberingSuspended = false; // opening the file turned numbering off
};

// What the program keeps beside the job while it runs; not saved with it.
struct RunState {
    std::string ConfigPath;  // empty = untitled
    std::string ConfigTitle; // file-name part of ConfigPath
    bool Named = false;      // loaded from or saved to a file
    bool Dirty = false;
    bool SaveCancelled = false;
    bool SymbolBuilt = false;
    bool BuildSuppressed = false;
    std::string MessageFilePath;
    bool MessageFileOpen = false;
    std::string ReadMessagePath;
    MessageFileState Messages;
    // The Next and Previous buttons are shown and their menu items enabled:
    // a message file is open or numbering is on.
    bool NavigationShown = false;
    std::string BarPatternPath; // the last bar pattern file name
    std::string BarcodeSavePath;
    std::string TempMetafilePath;
    std::string TempMetafileFailure; // why there is none, when the path is empty
    bool ShowWordWarning = true;
    // The window reads each symbol it builds back (a preference of the
    // settings store, see read_back_preference.h).
    bool ReadBackSymbols = true;
    // The picture on display is a facing identification mark, not the job's symbol.
    bool MarkOnDisplay = false;
    bool WordWarningDone = false;
    char DecimalSeparator = '.';
    std::string ErrorText; // text of the last reported message error
    bool ExitRequested = false;
    // Where a symbol is printed: inches from the paper's left and top edges.
    float LeftPrintMargin = 0;
    float TopPrintMargin = 0;
    // The printer page left open by printing without an eject; it goes to
    // the printer at the next eject or at the end of the run.
    PrinterPage OpenPrinterPage;

    // Where the program's own files (Cluster.Dat, the user guide) live.
    std::filesystem::path ProgramDirectory;

    // Window state the core decides: the start-up help label and the
    // symbol display.
    bool HelpLabelVisible = false;
    bool SymbolDisplayVisible = false;
    std::string WindowCaption;
    // The check marks of the hidden Clipboard Format items (Metafile, Bitmap,
    // Device Independent Bitmap, All): Metafile's until any of them is chosen.
    std::array<bool, 4> ClipboardFormatChecks{true, false, false, false};

    // The last symbol built: its size in 0.01 mm (the two-dimensional
    // renderers also give a height), the bar pattern of a linear symbol before
    // quiet zones were added, and its published picture.
    std::int32_t SymbolWidth = 0;
    std::int32_t SymbolHeight = 0;
    std::string LastBarPattern;
    // Whether the symbol on display can be saved as a bar pattern file
    // (the "Save .dbp File As..." item): linear symbols only.
    bool BarPatternSaveEnabled = false;
    render::CurrentPicture CurrentPicture;

    // Set by a command that has just written a dimension or magnification
    // box, so that the box's change logic couples width and magnification as
    // if the user had typed; cleared by the handler that acts on it.
    bool CommandJustSetDimension = false;
};

} // namespace vornik
