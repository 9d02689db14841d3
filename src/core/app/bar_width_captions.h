#pragma once

#include "core/app/job.h"

#include <string>

namespace vornik {

// The number of bar width reduction or gain steps, 5 percent each.
inline constexpr int kBarWidthSteps = 16;

// The caption of bar width step STEP (0 to 15): its percentage, then what
// that step takes from or adds to the symbol's width element (the module
// width of PDF417, the module size of Aztec Code and Data Matrix, the
// narrow bar otherwise) in the display unit, e.g. "10%  (1.30 mils)".
[[nodiscard]] std::string barWidthCaption(const Job& job, int step);

} // namespace vornik
