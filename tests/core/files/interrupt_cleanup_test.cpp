#include "core/files/interrupt_cleanup.h"
#include "support/temp_folder.h"

#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vornik::files {
namespace {

using vornik::testing::TempFolder;
namespace fs = std::filesystem;

// How a child process that registered names and was then sent SIGNAL ended.
struct Ending {
    bool killedBySignal;
    int signalOrStatus;
};

// In a child: a folder holding a file, both registered, and a third file
// registered and then released; SIGHUP ignored beforehand when asked (as
// nohup does); then SIGNAL raised.
Ending runChild(const fs::path& folder, int signal, bool ignoreHangUp) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (ignoreHangUp)
            std::signal(SIGHUP, SIG_IGN);
        installInterruptCleanup();
        const RemovalOnInterrupt folderEntry((folder / "private").string());
        const RemovalOnInterrupt fileEntry((folder / "private" / "x.WMF").string());
        RemovalOnInterrupt released((folder / "kept.vkf").string());
        released.release();
        std::raise(signal);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFSIGNALED(status))
        return {true, WTERMSIG(status)};
    return {false, WEXITSTATUS(status)};
}

// An interrupted program removes what it registered, file before folder,
// keeps what it released, and ends as the signal ends it; a signal the
// caller ignored stays ignored and removes nothing.
TEST(RemovalOnInterrupt, AnInterruptionRemovesRegisteredNamesOnly) {
    const struct {
        int signal;
        bool ignoreHangUp;
        bool removed;
        Ending ending;
    } rows[] = {
        {SIGTERM, false, true, {true, SIGTERM}},
        {SIGINT, false, true, {true, SIGINT}},
        {SIGHUP, false, true, {true, SIGHUP}},
        {SIGHUP, true, false, {false, 0}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "signal " << row.signal);
        const TempFolder folder;
        folder.write("private/x.WMF", "metafile");
        folder.write("kept.vkf", "job");
        const Ending ending = runChild(folder.path(), row.signal, row.ignoreHangUp);
        EXPECT_EQ(ending.killedBySignal, row.ending.killedBySignal);
        EXPECT_EQ(ending.signalOrStatus, row.ending.signalOrStatus);
        EXPECT_EQ(fs::exists(folder.path() / "private"), !row.removed);
        EXPECT_TRUE(fs::exists(folder.path() / "kept.vkf"));
    }
}

} // namespace
} // namespace vornik::files
