#include "session_bus.h"

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vornik::bus::testing {
namespace {

using namespace std::chrono_literals;

bool commandWorks(const std::string& command) {
    const int status = std::system((command + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string firstLine(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

[[noreturn]] void execWords(const std::vector<std::string>& words) {
    std::vector<char*> argv;
    for (const std::string& word : words)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    ::execvp(argv[0], argv.data());
    ::_exit(127);
}

} // namespace

SessionBus::SessionBus(const std::optional<std::filesystem::path>& configuration) {
    if (!commandWorks("dbus-run-session --version")) {
        failure_ = "This test needs dbus-run-session, which is not there: install the Debian "
                   "package dbus.";
        return;
    }
    const std::filesystem::path addressFile = folder_.path() / "address";
    std::vector<std::string> words{"dbus-run-session"};
    if (configuration)
        words.push_back("--config-file=" + configuration->string());
    // The bus lives as long as its one child, which writes where the bus is
    // and then waits to be ended with it.
    words.insert(words.end(), {"--", "sh", "-c",
                               "echo \"$DBUS_SESSION_BUS_ADDRESS\" > \"$0\"; "
                               "exec sleep 100000",
                               addressFile.string()});
    const pid_t child = ::fork();
    if (child == 0) {
        ::setpgid(0, 0);
        execWords(words);
    }
    group_ = child;
    for (int tries = 0; tries < 200 && address_.empty(); ++tries) {
        std::this_thread::sleep_for(50ms);
        address_ = firstLine(addressFile);
    }
    if (address_.empty()) {
        failure_ = "dbus-run-session started no session bus within 10 s (Debian package dbus).";
        return;
    }
    ::setenv("DBUS_SESSION_BUS_ADDRESS", address_.c_str(), 1);
}

SessionBus::~SessionBus() {
    ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
    end();
}

void SessionBus::end() {
    if (group_ <= 0)
        return;
    ::kill(-group_, SIGTERM);
    int status = 0;
    ::waitpid(group_, &status, 0);
    group_ = -1;
}

BackgroundProgram::BackgroundProgram(const std::filesystem::path& folder,
                                     const std::vector<std::string>& words,
                                     const std::string& errors) {
    pid_ = ::fork();
    if (pid_ != 0)
        return;
    if (::chdir(folder.c_str()) != 0)
        ::_exit(127);
    ::setenv("HOME", (folder / "home").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
    ::setenv("CUPS_SERVER", "/nonexistent/vornik-test-cups.sock", 1);
    if (!std::freopen(errors.c_str(), "w", stderr) || !std::freopen("/dev/null", "r", stdin))
        ::_exit(127);
    execWords(words);
}

BackgroundProgram::~BackgroundProgram() {
    if (status_ || pid_ <= 0)
        return;
    ::kill(pid_, SIGKILL);
    int status = 0;
    ::waitpid(pid_, &status, 0);
}

std::optional<int> BackgroundProgram::waitForExit(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!status_) {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            break;
        }
        if (std::chrono::steady_clock::now() > deadline)
            break;
        std::this_thread::sleep_for(20ms);
    }
    return status_;
}

bool waitForName(const char* name, std::chrono::milliseconds timeout) {
    const auto seconds = std::max<long long>(1, timeout.count() / 1000);
    return commandWorks("gdbus wait --session --timeout " + std::to_string(seconds) + " " + name);
}

std::string missingGdbus() {
    if (commandWorks("gdbus help"))
        return {};
    return "This test needs GLib's gdbus, which is not there: install the Debian package "
           "libglib2.0-bin.";
}

} // namespace vornik::bus::testing
