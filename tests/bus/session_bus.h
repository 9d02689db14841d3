#pragma once

#include "support/temp_folder.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace vornik::bus::testing {

// A private session bus for one test, started by dbus-run-session the way a
// desktop session starts one. While it lives, DBUS_SESSION_BUS_ADDRESS names
// it, so programs the test starts meet there. A test that cannot have one
// fails with a sentence naming the Debian package.
class SessionBus {
public:
    // CONFIGURATION: a bus configuration file of the test's own (to point
    // the bus at a folder of service files); the standard session bus's
    // otherwise.
    explicit SessionBus(const std::optional<std::filesystem::path>& configuration = std::nullopt);
    ~SessionBus();
    SessionBus(const SessionBus&) = delete;
    SessionBus& operator=(const SessionBus&) = delete;

    // Ends the bus, as the end of the desktop session does.
    void end();

    // Why there is no bus; empty when there is one.
    const std::string& failure() const { return failure_; }
    const std::string& address() const { return address_; }

private:
    vornik::testing::TempFolder folder_;
    std::string failure_;
    std::string address_;
    pid_t group_ = -1;
};

// A program started in the background, in FOLDER, with HOME and
// XDG_CONFIG_HOME inside it and its standard error in FOLDER/ERRORS.
class BackgroundProgram {
public:
    BackgroundProgram(const std::filesystem::path& folder, const std::vector<std::string>& words,
                      const std::string& errors = "server.err");
    ~BackgroundProgram();
    BackgroundProgram(const BackgroundProgram&) = delete;
    BackgroundProgram& operator=(const BackgroundProgram&) = delete;

    // The exit status once it has ended within TIMEOUT; nullopt while it runs.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout);

private:
    pid_t pid_ = -1;
    std::optional<int> status_;
};

// Waits until NAME has an owner on the session bus; false after TIMEOUT.
bool waitForName(const char* name, std::chrono::milliseconds timeout);

// Empty when gdbus is there; otherwise the sentence naming its package.
std::string missingGdbus();

} // namespace vornik::bus::testing
