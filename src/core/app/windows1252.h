#pragma once

#include <string>
#include <string_view>

namespace vornik {

// The Unicode code point of a byte of the ANSI code page (Windows-1252), the
// code page in which pictures record their text. The five bytes the code page
// leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 controls of
// the same value, as the Windows conversion does.
[[nodiscard]] char16_t windows1252CodePoint(unsigned char byte);

// Windows-1252 text as UTF-8.
[[nodiscard]] std::string windows1252ToUtf8(std::string_view bytes);

} // namespace vornik
