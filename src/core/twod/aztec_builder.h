#pragma once

#include "core/app/build_outcome.h"

#include <cstdint>
#include <string>

namespace vornik {
class Application;
}

namespace vornik::twod {

// The title and texts of the Aztec encoder's refusals.
inline constexpr const char* kAztecFailureTitle = "Cannot Create Bar Code!";
[[nodiscard]] std::string aztecResultText(std::int32_t result);

// Fills the encoder's record from the job and `message`, lets the encoder
// draw the symbol, and publishes its picture. A refusal is shown (when
// message warnings are on) with its text and ends the build.
BuildOutcome buildAztec(Application& app, const std::string& message);

} // namespace vornik::twod
