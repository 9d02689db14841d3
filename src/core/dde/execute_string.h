#pragma once

#include "core/app/job.h"

#include <string>
#include <string_view>

namespace vornik::dde {

// Takes the next command off the front of an execute string: leading white
// space is skipped, and the command runs up to and including the first "]".
// Returns an empty view when no "]" is left; what remains is then only
// trimmed, and is not a command.
[[nodiscard]] std::string_view nextCommand(std::string_view& remainder);

// ASCII upper case; other bytes unchanged, whatever the locale.
[[nodiscard]] std::string upperCased(std::string_view text);

// Escaped text: text in single quotes is taken literally; outside quotes each
// run of decimal digits is one character code (modulo 256), and any other
// character only ends a run of digits. So 'ABC',13,10 is "ABC\r\n".
[[nodiscard]] std::string decodeEscapedText(std::string_view value);

// An RGB value such as 255,128,0: escaped text padded with NULs to three
// characters and cut to three, the codes being red, green and blue.
[[nodiscard]] ColorRef decodeRgb(std::string_view value);

// The path of a file command such as [SAVECONFIG(path)]: everything between
// the "(" that ends the keyword and the closing ")]", trimmed of blanks. The
// path keeps its case: file names on Linux are case-sensitive.
[[nodiscard]] std::string filePath(std::string_view command, std::size_t keywordLength);

// Blanks, tabs, carriage returns and line feeds trimmed from both ends.
[[nodiscard]] std::string_view trimmed(std::string_view text);

} // namespace vornik::dde
