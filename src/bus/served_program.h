#pragma once

#include "cli/exit_status.h"

#include <string>
#include <string_view>
#include <vector>

namespace vornik::bus {

// What one request came to, as the client is told.
struct CommandReply {
    bool acknowledged = true;
    // What vornik --exec writes on standard error for the same commands: each
    // message box as "TITLE: TEXT", the questions' answers, then each refused
    // command with its reason.
    std::vector<std::string> lines;
    // The exit status vornik --exec would have for these commands alone.
    int status = 0;
};

// The program behind the bus object: the window or the headless job. The
// service calls it for one request at a time.
class ServedProgram {
public:
    virtual ~ServedProgram() = default;

    // Runs the command string on the job.
    virtual CommandReply execute(std::string_view commands) = 0;
    // Opens the configuration file PATH as the program's own Open does.
    virtual CommandReply open(const std::string& path) = 0;
    // Brings the window to the user; false for a program without one.
    virtual bool activate() = 0;
    // Whether [APPEXIT] has asked the program to end.
    [[nodiscard]] virtual bool exitRequested() const = 0;
    // The conversation that asked to end has closed: the program ends without
    // asking about unsaved changes.
    virtual void end() = 0;
};

// The counters of an application that make up the exit status.
struct FailureCounts {
    int buildsWithoutSymbol = 0;
    int failedFileOperations = 0;
};

// The exit status of one request, from the counters before and after it and
// whether a command was refused: as vornik --exec sums up a run.
[[nodiscard]] inline int requestStatus(FailureCounts before, FailureCounts after, bool refused) {
    if (after.buildsWithoutSymbol > before.buildsWithoutSymbol ||
        after.failedFileOperations > before.failedFileOperations)
        return cli::kExitFailed;
    return refused ? cli::kExitRefused : cli::kExitSuccess;
}

} // namespace vornik::bus
