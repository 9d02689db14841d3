#pragma once

#include <cstddef>

namespace vornik::bus {

// The names the program goes by on the session bus. The bus name is the
// desktop file's id, as the freedesktop conventions ask of a program that
// can be started by the bus.
inline constexpr const char* kBusName = "org.vornik.Vornik";
inline constexpr const char* kObjectPath = "/org/vornik/Vornik";
inline constexpr const char* kCommandInterface = "org.vornik.Vornik1";
inline constexpr const char* kApplicationInterface = "org.freedesktop.Application";

// The errors the program answers with, besides the bus's own.
inline constexpr const char* kTooLargeError = "org.vornik.Vornik1.Error.TooLarge";
inline constexpr const char* kNotOpenedError = "org.vornik.Vornik1.Error.NotOpened";
inline constexpr const char* kRefusedError = "org.vornik.Vornik1.Error.Refused";
inline constexpr const char* kNoWindowError = "org.vornik.Vornik1.Error.NoWindow";

// The longest command string taken: far more than any job needs (a message
// file's worth of commands), and small enough that a runaway client cannot
// make the program hold gigabytes.
inline constexpr std::size_t kLargestCommandString = std::size_t{16} * 1024 * 1024;

} // namespace vornik::bus
