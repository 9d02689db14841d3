#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vornik::cli {

// The desktop program, a separate executable so that headless runs never load
// Qt Widgets, sits beside this one.
inline constexpr const char* kDesktopProgramFile = "vornik-desktop";

// Whether the environment names a display the window could open on.
[[nodiscard]] bool displayAvailable();

// The program that serves the job on the session bus and sends commands to
// a program serving there (vornik --serve, vornik --send). It uses Qt's D-Bus
// module, so it is a program of its own: plain headless runs load no Qt.
inline constexpr const char* kBusProgramFile = "vornik-bus";

// Replaces this process with PROGRAM, handing it ARGUMENTS. Returns only when
// that fails, with the reason as a sentence that calls the program WHAT.
[[nodiscard]] std::string replaceProcess(const std::filesystem::path& program,
                                         const std::vector<std::string>& arguments,
                                         std::string_view what);

// Replaces this process with the desktop program, handing it ARGUMENTS (the
// configuration file, if any). Returns only when that fails, with the reason
// as a sentence.
[[nodiscard]] std::string startDesktopProgram(const std::filesystem::path& programDirectory,
                                              const std::vector<std::string>& arguments);

} // namespace vornik::cli
