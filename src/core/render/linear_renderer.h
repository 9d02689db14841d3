#pragma once

#include "core/app/build_outcome.h"

#include <string>

namespace vornik {
class Application;
}

namespace vornik::render {

// Draws the job's linear or postal symbol at true size and publishes it:
// the encoder's bar pattern with its human-readable text, comment, quiet
// zones, bearer bars, bar width reduction or gain, colours and orientation.
// `message` is a working copy of the job's message; h and X are the bar
// height and narrow bar width in 0.01 mm. The pattern tables must have been
// built for the job's symbology. Every failure is reported before it returns.
BuildOutcome renderLinearSymbol(Application& app, std::string message, int h, int X);

// The width limit's message: a symbol this wide cannot be recorded.
inline constexpr const char* kWidthLimitText =
    "Cannot Create Bar Code!  Total Width exceeds system limit.\r"
    "Try reducing the Narrow Bar Width or the length of the Bar Code Text.";

// The same limit on the height, which large fonts can reach.
inline constexpr const char* kHeightLimitText =
    "Cannot Create Bar Code!  Total Height exceeds system limit.\r"
    "Try reducing the Bar Code Height or the font size.";

// A picture too large to record: a beep, and the text when message warnings
// are on, else an emptied clipboard. SymbolBuilt is cleared.
void reportSizeLimit(Application& app, const char* text);

} // namespace vornik::render
