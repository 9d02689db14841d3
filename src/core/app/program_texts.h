#pragma once

#include <string_view>

namespace vornik {

// The program's title: message boxes of the error reporter carry it.
inline constexpr std::string_view kProgramTitle = "Vornik";

inline constexpr std::string_view kUntitledCaption = "Vornik Professional (Untitled)";

// The start-up help label; every line but the last ends with a carriage return.
inline constexpr std::string_view kHelpLabelText =
    "To generate a bar code:\r"
    "1. Select a symbology from the Symbology menu.\r"
    "2. Enter a bar code message and an optional comment.\r"
    "3. Press function key F2. \r"
    "\r"
    "See the on-line help for more information.";

// Settings store: the one per-user preference outside configuration files.
inline constexpr std::string_view kShowWordWarningKey = "ShowWordWarning";

} // namespace vornik
