#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vornik {

// Bytes 0x80 to 0x9F of Windows-1252 (the Unicode consortium's mapping file
// CP1252.TXT); every other byte is the Latin-1 code point of the same value.
inline constexpr std::array<char16_t, 32> kWindows1252HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};
static_assert(kWindows1252HighControls.size() == 0xA0 - 0x80);

// The Unicode code point of a byte of the ANSI code page (Windows-1252), the
// code page in which pictures record their text. The five bytes the code page
// leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 controls of
// the same value, as the Windows conversion does.
[[nodiscard]] constexpr char16_t windows1252CodePoint(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kWindows1252HighControls[byte - 0x80] : char16_t{byte};
}

// Windows-1252 text as UTF-8.
[[nodiscard]] std::string windows1252ToUtf8(std::string_view bytes);

} // namespace vornik
