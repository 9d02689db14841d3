#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vornik::cli {

// The desktop program, a separate executable so that headless runs never load
// Qt Widgets, sits beside this one.
inline constexpr const char* kDesktopProgramFile = "vornik-desktop";

// Whether the environment names a display the window could open on.
[[nodiscard]] bool displayAvailable();

// Replaces this process with the desktop program, handing it ARGUMENTS (the
// configuration file, if any). Returns only when that fails, with the reason
// as a sentence.
[[nodiscard]] std::string startDesktopProgram(const std::filesystem::path& programDirectory,
                                              const std::vector<std::string>& arguments);

} // namespace vornik::cli
