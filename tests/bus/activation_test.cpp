// The service file: installed with the program into a folder of the test's,
// and a session bus pointed at that folder starts the desktop program when a
// client calls and none runs.

#include "served_job.h"

#include <cstdlib>
#include <thread>
#include <utility>

namespace vornik::bus::testing {
namespace {

namespace fs = std::filesystem;

// Sets environment variables for the programs the test starts, and puts the
// old values back.
class EnvironmentGuard {
public:
    void set(const char* name, const std::string& value) {
        const char* old = std::getenv(name);
        saved_.push_back({name, old ? std::optional<std::string>(old) : std::nullopt});
        ::setenv(name, value.c_str(), 1);
    }
    ~EnvironmentGuard() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second)
                ::setenv(it->first, it->second->c_str(), 1);
            else
                ::unsetenv(it->first);
        }
    }

private:
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

std::string busConfiguration(const fs::path& serviceFolder) {
    return "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
           " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
           "<busconfig>\n"
           "  <type>session</type>\n"
           "  <listen>unix:tmpdir=/tmp</listen>\n"
           "  <servicedir>" +
           serviceFolder.string() +
           "</servicedir>\n"
           "  <policy context=\"default\">\n"
           "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
           "    <allow eavesdrop=\"true\"/>\n"
           "    <allow own=\"*\"/>\n"
           "  </policy>\n"
           "</busconfig>\n";
}

TEST(BusActivation, TheServiceFileStartsTheDesktopProgramWhenAClientCalls) {
    ASSERT_EQ(missingGdbus(), "");
    const vornik::testing::TempFolder folder;
    const fs::path prefix = folder.path() / "prefix";
    for (const char* component : {"programs", "desktop"}) {
        const int installed = cli::runIn(
            folder.path(), cli::shellWord(VORNIK_CMAKE) + " --install " +
                               cli::shellWord(VORNIK_BUILD_DIRECTORY) + " --prefix " +
                               cli::shellWord(prefix.string()) + " --component " + component);
        ASSERT_EQ(installed, 0) << readFile(folder.path() / "out")
                                << readFile(folder.path() / "err");
    }
    const fs::path serviceFolder = prefix / "share/dbus-1/services";
    ASSERT_EQ(readFile(serviceFolder / "org.vornik.Vornik.service"),
              "[D-BUS Service]\nName=org.vornik.Vornik\nExec=" +
                  (prefix / "libexec/vornik/vornik-desktop").string() + "\n");
    const fs::path configuration = folder.write("bus.conf", busConfiguration(serviceFolder));

    // The bus hands its environment to the programs it starts: the window
    // opens on Qt's offscreen platform, with settings inside the folder.
    EnvironmentGuard environment;
    environment.set("QT_QPA_PLATFORM", "offscreen");
    environment.set("HOME", (folder.path() / "home").string());
    environment.set("XDG_CONFIG_HOME", (folder.path() / "config").string());
    const SessionBus bus(configuration);
    ASSERT_EQ(bus.failure(), "");
    // The installed client: bin/vornik hands --send to vornik-bus beside the
    // program it links to.
    const fs::path symbol = folder.path() / "activated.svg";
    const int sent = cli::runIn(
        folder.path(), cli::shellWord((prefix / "bin/vornik").string()) +
                           " --send \"[code128][message='ACTIVATED'][build/copy][savebarcode(" +
                           symbol.string() + ")]\" --send '[appexit]'");
    EXPECT_EQ(sent, 0) << readFile(folder.path() / "err");
    EXPECT_TRUE(readFile(symbol).starts_with("<?xml"));
    // [APPEXIT] and the client's leaving ended the program the bus started.
    bool gone = false;
    for (int tries = 0; tries < 100 && !gone; ++tries) {
        cli::runIn(folder.path(), "gdbus call --session --dest org.freedesktop.DBus "
                                  "--object-path /org/freedesktop/DBus --method "
                                  "org.freedesktop.DBus.NameHasOwner org.vornik.Vornik");
        gone = readFile(folder.path() / "out") == "(false,)\n";
        if (!gone)
            std::this_thread::sleep_for(100ms);
    }
    EXPECT_TRUE(gone);
}

} // namespace
} // namespace vornik::bus::testing
