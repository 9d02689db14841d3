#pragma once

#include <filesystem>
#include <string>
#include <variant>

namespace vornik::cli {

// The entry point NAME of the loadable module FILE, the module loaded for
// the rest of the run; or why it could not be had, as a phrase.
[[nodiscard]] std::variant<void*, std::string> moduleEntry(const std::filesystem::path& file,
                                                           const char* name);

} // namespace vornik::cli
