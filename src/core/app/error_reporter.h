#pragma once

#include <cstdint>
#include <string>

namespace vornik {

class Host;
struct Job;
struct RunState;

// Message error codes that callers name; the rest are used by number by the
// encoders that raise them.
inline constexpr std::int32_t kErrorEmptyMessage = -1;
inline constexpr std::int32_t kErrorNarrowBarWidth = 17;
inline constexpr std::int32_t kErrorBarHeight = 18;
inline constexpr std::int32_t kErrorMessageTooLarge = 19;

// The whole text the reporter shows for a code, composed as the user sees it.
[[nodiscard]] std::string composeErrorText(std::int32_t code);

// Reports a broken message rule: beeps, clears SymbolBuilt, resets the busy
// pointer, then either shows the composed text (titled with the program's
// title, OK only, no icon) or, with message warnings off, empties the
// clipboard so that no stale symbol can be pasted. The caller abandons its
// build afterwards.
void ReportMessageError(std::int32_t code, const Job& job, RunState& state, Host& host);

} // namespace vornik
