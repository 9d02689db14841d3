#pragma once

#include <QString>
#include <string_view>

namespace vornik::exporting {

// Decodes text bytes of the ANSI code page (Windows-1252), the code page in
// which pictures record their text. The five bytes the code page leaves
// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 controls of the
// same value, as the Windows conversion does.
[[nodiscard]] QString fromWindows1252(std::string_view bytes);

} // namespace vornik::exporting
