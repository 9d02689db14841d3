#include "export/windows1252.h"

#include <array>

namespace vornik::exporting {
namespace {

// Bytes 0x80 to 0x9F of Windows-1252 (the Unicode consortium's mapping file
// CP1252.TXT); every other byte is the Latin-1 code point of the same value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};
static_assert(kHighControls.size() == 0xA0 - 0x80);

} // namespace

QString fromWindows1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        const bool remapped = code >= 0x80 && code < 0xA0;
        text.append(QChar(remapped ? kHighControls[code - 0x80] : char16_t{code}));
    }
    return text;
}

} // namespace vornik::exporting
