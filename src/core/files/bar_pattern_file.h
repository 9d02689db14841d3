#pragma once

#include "core/app/job.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vornik {
class Application;
}

namespace vornik::files {

inline constexpr std::string_view kBarPatternFilter =
    "Bar Pattern (*.dbp)|*.dbp|DATA Files (*.dat)|*.dat|PRN Files (*.prn)|*.prn|All Files "
    "(*.*)|*.*";

// The element widths of a bar pattern, from a space: a 9-module margin, the
// pattern's elements, a closing margin (the UPC/EAN patterns bring their own
// 9-module lead and trail spaces). X is the narrow bar width in 0.01 mm;
// the two-width wide element is the job's narrow bar width times its
// ratio. With inch units every width is in mils.
//
// POSTNET and BPO 4 State Code draw bars of one width at a fixed pitch, with
// heights the widths cannot tell: they export that pitch, a 50 (0.5 mm)
// bar for every pattern character and the 70 wide gaps around and between
// the bars, so the list still starts and ends with a space.
[[nodiscard]] std::vector<std::int32_t> barPatternWidths(std::string_view pattern, const Job& job,
                                                         std::int32_t X);

// The file's one line: every width in print-statement form (a blank or "-",
// the digits, a blank), then 0 the same way, then CR LF.
[[nodiscard]] std::string barPatternFileText(const std::vector<std::int32_t>& widths);

// Save .dbp File As, which is there only while a linear symbol is on
// display: asks for the file (starting from the last name), writes the
// symbol's bar pattern to it and keeps the name. "File I/O
// Error!" when the file cannot be written. False when nothing was written.
bool SaveBarPatternFile(Application& app);

} // namespace vornik::files
