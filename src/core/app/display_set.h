#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vornik {

// The character set in which the message box, the character list and the
// text editor show the message's codes: code page 437 in ASCII mode
// (Job::AnsiDisplay false), Windows-1252 in ANSI mode.
//
// Every code is shown as exactly one character, always one of the Basic
// Multilingual Plane, so a position counted in characters of a screen text
// (UTF-16 units in Qt) is the position of the code in the message. Codes
// below 32 and code 127 are shown as pictures: in ASCII mode the glyphs the
// "Terminal" font draws for them, in ANSI mode Unicode's control pictures.

// The font of those boxes: "Terminal" in ASCII mode, "System" in ANSI mode.
[[nodiscard]] std::string_view displayFontName(bool ansiDisplay);

// The character a code is shown as.
[[nodiscard]] char32_t shownCharacter(unsigned char code, bool ansiDisplay);

// The code a shown character stands for; nullopt when the set has none.
[[nodiscard]] std::optional<unsigned char> codeOfShown(char32_t shown, bool ansiDisplay);

// Whether a screen text keeps its tabs as tabs (the character list's columns)
// or shows them as pictures like every other control code (one-line boxes).
enum class Tabs { Pictured, Kept };

// Codes as UTF-8 text, one character per code.
[[nodiscard]] std::string screenText(std::string_view codes, bool ansiDisplay,
                                     Tabs tabs = Tabs::Pictured);

// The code a character typed on the keyboard is stored as, or nullopt for a
// control character (below 32), which the message box discards. In ANSI mode
// the character's Windows-1252 code; in ASCII mode that code converted to
// code page 437, so that "Ä" (196) is stored as 142. A character of code
// page 437 that Windows-1252 lacks keeps its own code; one that neither set
// has becomes its best fit, "?" at worst.
[[nodiscard]] std::optional<unsigned char> typedCode(char32_t typed, bool ansiDisplay);

// UTF-8 decoding and encoding for screen texts; a malformed sequence decodes
// as U+FFFD.
[[nodiscard]] std::u32string decodeUtf8(std::string_view text);
void appendUtf8(std::string& text, char32_t character);

} // namespace vornik
