#pragma once

#include "bus/served_program.h"
#include "cli/headless_host.h"
#include "core/app/application.h"
#include "core/dde/interpreter.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>
#include <string>

namespace vornik::bus {

// The job of vornik --serve: the headless host and application of --exec,
// whose lines on standard error become each request's report instead.
class HeadlessProgram : public ServedProgram {
public:
    HeadlessProgram(cli::HeadlessPolicy policy, std::optional<std::string> printer,
                    const std::filesystem::path& programDirectory,
                    std::optional<std::string> configuration);
    ~HeadlessProgram() override;

    // Start-up as --exec does it; the lines of loading the configuration file.
    std::vector<std::string> startUp();

    CommandReply execute(std::string_view commands) override;
    CommandReply open(const std::string& path) override;
    bool activate() override { return false; }
    [[nodiscard]] bool exitRequested() const override { return app_.state().ExitRequested; }
    void end() override;

    // Called when the conversation that asked to end has closed.
    std::function<void()> ended;

    // The program's exit status, as --exec sums up a run.
    [[nodiscard]] int exitStatus() const;

private:
    FailureCounts counts() const;
    std::vector<std::string> takeLines();

    std::ostringstream lines_;
    cli::HeadlessHost host_;
    Application app_;
    dde::Interpreter interpreter_{app_};
    int refusedStrings_ = 0;
    bool shutDown_ = false;
};

} // namespace vornik::bus
