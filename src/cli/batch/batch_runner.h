#pragma once

#include "cli/batch_command_line.h"

#include <filesystem>

namespace vornik::cli {

// The exit statuses of a batch.
inline constexpr int kBatchSucceeded = 0;
inline constexpr int kBatchSomeFailed = 1; // some records failed or were not made
inline constexpr int kBatchRefused = 2;    // the input was wrong: nothing was made

// Runs a batch and reports on standard error; its exit status.
[[nodiscard]] int runBatch(const BatchCommandLine& line,
                           const std::filesystem::path& programDirectory);

} // namespace vornik::cli
