#pragma once

#include "core/app/image_conversion.h"
#include "core/app/job.h"
#include "core/app/run_state.h"
#include "core/batch/expected_reading.h"
#include "core/batch/read_back_verdict.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vornik {

// The main window's read-back line under the symbol: after each build the
// window draws the symbol as a PNG export would, reads it, and shows what
// the reader made of it. Texts are UTF-8 (the read text is, and the check
// mark has no place in the program's own code page).

// While the reader is at work on the symbol just built.
inline constexpr std::string_view kReadingBackLine = "Reading the symbol back\u2026";

// What the picture just published must read as: the job's symbol, or
// nothing for a facing identification mark, which is no bar code.
[[nodiscard]] batch::Expectation publishedPictureReading(const Job& job, const RunState& state);

// The window draws the symbol as File > Save as PNG would, but never coarser
// than this, so that the narrowest bars still span a few pixels for the reader.
inline constexpr std::int32_t kLeastReadBackResolution = 600; // dots per inch

// The conversion that draws the placeable metafile SOURCE as the PNG
// DESTINATION for reading back: the job's raster settings, at least
// kLeastReadBackResolution.
[[nodiscard]] ImageConversion readBackConversion(const Job& job, std::string source,
                                                 std::string destination);

// What the window says of a verdict: "Read back: TEXT" with a check mark, a
// warning in words when the symbol does not read or reads otherwise, or why
// it is not verifiable.
[[nodiscard]] std::string readBackLine(const batch::ReadBackVerdict& verdict);

// What the window says when it cannot read anything back: PROBLEM is the
// reason ("the read-back module ... could not be loaded (...)").
[[nodiscard]] std::string readBackUnavailableLine(std::string_view problem);

} // namespace vornik
