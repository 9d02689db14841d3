#pragma once

#include "core/files/config_file.h"

#include <string>
#include <string_view>

namespace vornik {
class Application;
}

namespace vornik::files {

// The answers of the unsaved-changes question, with the values the message
// box gives them; None when there was nothing to ask.
enum class SaveChangesAnswer : int { None = 0, Cancel = 2, Yes = 6, No = 7 };

inline constexpr std::string_view kConfigurationFilter =
    "Vornik Config (*.vkf)|*.vkf|All Files (*.*)|*.*";

// What a configuration file would hold for the job as it stands.
[[nodiscard]] ConfigurationRecord currentConfiguration(const Application& app);

// Loads the configuration file PATH into the job. A file that is not a whole
// configuration file is reported and changes nothing at all. On success the
// file is the job's name, the symbol follows the loaded numbering and
// message file, and the job counts as unchanged.
bool LoadConfiguration(Application& app, const std::string& path);

// Writes the job to PATH, replacing the file in one step. On success the
// file is the job's name and the job counts as unchanged; a failure is
// reported and leaves the old file and the job's name as they were.
bool WriteConfiguration(Application& app, const std::string& path);

// File > Save: writes to the job's file, or asks for one when it has none.
bool SaveConfiguration(Application& app);

// File > Save As: asks for a file and writes it; a cancelled dialog sets
// SaveCancelled.
bool SaveConfigurationAs(Application& app);

// File > Open: asks about unsaved changes, then for a file, and loads it.
bool OpenConfiguration(Application& app);

// Opens the configuration at PATH as File > Open does once a file is chosen
// (the recent configurations list): after the unsaved-changes question,
// whose Cancel leaves everything as it was. False when it was not loaded.
bool OpenConfigurationFile(Application& app, const std::string& path);

// Asks whether to save unsaved changes. Yes is answered only when the job
// was then saved: a cancelled or failed save gives Cancel, so that the
// caller never goes on to lose the changes.
SaveChangesAnswer QuerySaveChanges(Application& app);

} // namespace vornik::files
