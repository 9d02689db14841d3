#pragma once

#include "cli/command_line.h"

#include <filesystem>

namespace vornik::bus {

// vornik --serve: the headless job served on the session bus until the
// client that sent [APPEXIT] closes its connection. Returns the exit status.
int runServer(const cli::CommandLine& commandLine, const std::filesystem::path& programDirectory);

} // namespace vornik::bus
