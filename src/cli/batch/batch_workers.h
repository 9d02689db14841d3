#pragma once

#include "cli/batch/batch_plan.h"
#include "cli/batch_command_line.h"

#include <filesystem>
#include <sys/types.h>
#include <vector>

namespace vornik::cli {

// A worker process and the pipe its results come through.
struct Worker {
    pid_t pid = -1;
    int results = -1; // read end
};

// Starts COUNT worker processes; worker W makes records W, W + COUNT, ... of
// the plan, each in a job of its own loaded as the batch says, and reports
// each record as a result line. The converter module uses Qt, which is not
// safe to share between threads, so the work is split between processes.
// A worker ends when the program that started it ends. An empty list when
// no process could be started.
[[nodiscard]] std::vector<Worker> startWorkers(const BatchCommandLine& line, const BatchPlan& plan,
                                               const std::filesystem::path& programDirectory,
                                               std::size_t count);

} // namespace vornik::cli
