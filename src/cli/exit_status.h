#pragma once

namespace vornik::cli {

// The exit statuses of every Vornik program: vornik, vornik-bus and
// vornik-desktop.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitRefused = 1; // a command string was not acknowledged
inline constexpr int kExitFailed = 2;  // nothing useful came out, or the call was wrong

} // namespace vornik::cli
