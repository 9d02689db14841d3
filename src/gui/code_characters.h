#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace vornik::gui {

// Character codes 0 to 255 as a box shows them, one character for each code,
// so that a position in the box is a position in the codes: the ANSI set
// shows Windows-1252; the ASCII set shows code page 437, each code by its
// nearest character of Windows-1252 (line-drawing codes as "?"). Control
// codes, which a box would show as nothing or an empty frame, show as their
// control pictures (U+2400 on).
[[nodiscard]] QString codeCharacters(std::string_view codes, bool ansiDisplay);

// A typed character as its ANSI (Windows-1252) code; "?" when that set
// lacks it.
[[nodiscard]] unsigned char ansiCode(QChar typed);

} // namespace vornik::gui
