#pragma once

#include <string>
#include <string_view>

namespace vornik {

// The two 8-bit character sets a message may be shown in: ANSI is Windows
// code page 1252, OEM (ASCII) is code page 437. Codes 0 to 127 are the same
// in both. A character the other set lacks becomes its best fit: an accented
// Latin letter its plain letter, anything else "?".
[[nodiscard]] std::string ansiToOem(std::string_view text);
[[nodiscard]] std::string oemToAnsi(std::string_view text);

// The Unicode character of a code of code page 437 at 128 or above; codes
// below 128 are the ASCII characters of the same value.
[[nodiscard]] char16_t oemCodePoint(unsigned char code);

} // namespace vornik
