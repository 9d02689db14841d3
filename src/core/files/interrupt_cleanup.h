#pragma once

#include <string>

namespace vornik::files {

// Files and folders that exist only while the program works on them (a save
// not yet finished, the temporary metafile and its private folder) are
// removed should the program be stopped by SIGINT, SIGTERM or SIGHUP, so
// that an interrupted run leaves nothing of them behind.
//
// A handle to a registered name; the name stays registered while the handle
// lives. A handle that could not take a place (all are in use, or the name is
// too long) simply does not clean up.
class RemovalOnInterrupt {
public:
    RemovalOnInterrupt() = default;
    explicit RemovalOnInterrupt(const std::string& path) noexcept;
    ~RemovalOnInterrupt();
    RemovalOnInterrupt(RemovalOnInterrupt&& other) noexcept;
    RemovalOnInterrupt& operator=(RemovalOnInterrupt&& other) noexcept;
    RemovalOnInterrupt(const RemovalOnInterrupt&) = delete;
    RemovalOnInterrupt& operator=(const RemovalOnInterrupt&) = delete;

    // Forgets the name: it is no longer removed on an interruption.
    void release() noexcept;

private:
    int slot_ = -1;
};

// Installs the handlers of SIGINT, SIGTERM and SIGHUP that remove every
// registered name, newest first, then end the program as the signal would
// have. The program's main calls this once.
void installInterruptCleanup();

} // namespace vornik::files
