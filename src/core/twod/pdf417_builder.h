#pragma once

#include "core/app/build_outcome.h"

#include <string>

namespace vornik {
class Application;
}

namespace vornik::twod {

// Message limits and setting errors of the PDF417 build.
inline constexpr int kErrorEmptyPdfMessage = 27;
inline constexpr int kErrorAspectRatio = 28;
inline constexpr int kErrorModuleWidth = 29;
inline constexpr int kErrorModuleHeight = 30;
inline constexpr std::size_t kLongestPdfMessage = 3072;

// The PDF417 build: checks, high-level encoding, security level, layout,
// error correction, the codeword listing, then drawing and publishing. Every
// failure is reported before it returns.
BuildOutcome PdfBuildSymbol(Application& app, const std::string& message);

} // namespace vornik::twod
