#pragma once

#include <string_view>

namespace vornik {

class Application;

// Whether the window reads each symbol it builds back (see read_back_line.h).
// A preference of the user's, not of the job: it lives in the settings store,
// is on until turned off, and is not saved with a configuration.
inline constexpr std::string_view kReadBackKey = "ReadBackSymbols";

// Start-up: the stored choice into the run state; on when none is stored.
void loadReadBackPreference(Application& app);

// Preferences > Verify by Reading Back: turns it over and stores the choice
// at once, so that a window that does not close cleanly keeps it.
void toggleReadBack(Application& app);

} // namespace vornik
