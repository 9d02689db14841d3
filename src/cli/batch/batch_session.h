#pragma once

#include "cli/batch_command_line.h"
#include "cli/headless_host.h"
#include "core/app/application.h"

#include <filesystem>
#include <optional>
#include <sstream>
#include <string>

namespace vornik::cli {

// One program's job for a batch: the job file loaded and the --exec commands
// run on it, as a headless run would. What the program would tell the user
// is kept, so that a record that fails can say why.
class BatchSession {
public:
    BatchSession(const BatchCommandLine& line, const std::filesystem::path& programDirectory);
    ~BatchSession();
    BatchSession(const BatchSession&) = delete;
    BatchSession& operator=(const BatchSession&) = delete;

    // Loads the job and runs the commands; a sentence saying what went wrong.
    [[nodiscard]] std::optional<std::string> setUp();

    Application& app() { return app_; }

    // What the program said since the last call, as one line.
    [[nodiscard]] std::string takeMessages();

private:
    const BatchCommandLine& line_;
    std::ostringstream said_;
    HeadlessHost host_;
    Application app_;
};

} // namespace vornik::cli
