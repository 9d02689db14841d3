#pragma once

#include <string_view>

namespace vornik {

class Application;

// File menu commands that ask the user for a file name through the Host's
// file dialog, or the unsaved-changes question, before they act.

inline constexpr std::string_view kOpenMessageFileTitle = "Open Bar Code Message File";
inline constexpr std::string_view kReadMessageTitle = "Read Bar Code Message From File";
inline constexpr std::string_view kAllFilesFilter = "All Files (*.*)|*.*";
inline constexpr std::string_view kSaveBarCodeTitle = "Save Bar Code As";
inline constexpr std::string_view kSaveBarCodeFilter =
    "Windows MetaFile (*.wmf)|*.wmf|Windows Bitmap (*.bmp)|*.bmp|Graphics Interchange Format "
    "(*.gif)|*.gif|Tag Image Format (*.tif)|*.tif|Encapsulated Postscript (*.eps)|*.eps|JPG - "
    "Joint Photographic Expert Format (*.jpg)|*.jpg|Portable Network Graphics (*.png)|*.png|"
    "Truevision Targa (*.tga)|*.tga|Zsoft PC Paintbrush (*.pcx)|*.pcx|All Files (*.*)|*.*";

// New: asks about unsaved changes and stops on Cancel; otherwise hides the
// symbol display and resets the job, with the Build command held off while
// it does. False when the user cancelled.
bool MNew_Click(Application& app);

// Open Message File: asks for the file (starting from the open one's name)
// and opens it. False when cancelled or when the file could not be read.
bool MOpenMsg_Click(Application& app);

// Read Message From File: asks for the file (starting from the last one
// read) and reads it as the message. False when cancelled or not read.
bool MReadMsg_Click(Application& app);

// Save Bar Code As: asks for the file (starting from the last name used),
// keeps the name and saves the symbol on display there. False when
// cancelled or when saving failed, which the user has been told.
bool MBSave_Click(Application& app);

} // namespace vornik
