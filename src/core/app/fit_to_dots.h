#pragma once

#include "core/app/job.h"

namespace vornik {

// The fewest printer dots a bar or module may span and still print reliably.
inline constexpr int kFewestDots = 3;

// LENGTH (0.001 cm) as the nearest whole number of dots at DOTS_PER_INCH, at
// least three, back in 0.001 cm: 7 mils at 300 dpi become 3 dots (10 mils),
// 13 mils 4 dots (13.33 mils).
[[nodiscard]] float fittedLength(float length, int dotsPerInch);

// JOB with the widths of its symbology on whole dots of the target printer:
// the narrow bar across the bars (the wide bar follows at the ratio, and for
// UPC and EAN the magnification follows the narrow bar), PDF417's module
// width across and height along, the square module of Data Matrix and Aztec
// Code at the coarser of the two resolutions, where whole dots are whole dots
// of the finer one too when one resolution is a multiple of the other. The
// postal codes keep their fixed bars.
[[nodiscard]] Job fittedToDots(Job job);

} // namespace vornik
