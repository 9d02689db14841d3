// Runs the built program where saving can go wrong (a file size limit, a
// full device, a pipe, a link, a folder that takes no new file, another run
// beside it, an interruption) and checks that it says so and that nothing
// that was there is lost.

#include "run_in.h"
#include "support/temp_folder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <random>
#include <regex>
#include <set>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <vector>

namespace vornik::cli {
namespace {

using vornik::testing::readFile;
using vornik::testing::TempFolder;
namespace fs = std::filesystem;

int vornik(const TempFolder& folder, const std::string& arguments, const std::string& before = "") {
    return runIn(folder.path(), before + shellWord(VORNIK_PROGRAM) + " " + arguments);
}

// A run of the program in the background needs the folder's settings of its
// own: runIn gives them to the first command of the line only.
const std::string kOwnSettings = "HOME=\"$PWD/home\" XDG_CONFIG_HOME=\"$PWD/config\" ";

// Runs the rest of the line with SIGXFSZ ignored, as a shell's ulimit leaves it.
const std::string kIgnoringFileSizeSignal = "sh -c 'trap \"\" XFSZ; exec \"$0\" \"$@\"' ";

std::string err(const TempFolder& folder) {
    return readFile(folder.path() / "err");
}

// Names in the folder other than the program's output and settings.
std::set<std::string> filesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name != "out" && name != "err" && name != "config" && name != "home")
            names.insert(name);
    }
    return names;
}

std::string noise(std::size_t size) {
    std::mt19937 generator(7);
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(generator());
    return bytes;
}

mode_t modeOf(const fs::path& path) {
    struct stat status {};
    ::lstat(path.c_str(), &status);
    return status.st_mode;
}

// A save that fails part way, here at a file size limit of 3,000 bytes (the
// signal it raises ignored, as a shell's ulimit leaves it), is reported and
// leaves the 2 MB file it was to replace as it was. The symbol's temporary
// metafile fits under the limit; every one of these outputs does not.
TEST(SafeSavingProgram, AFailedSaveKeepsTheFileItWasToReplace) {
    const std::string old = noise(2'000'000);
    for (const char* extension :
         {"png", "svg", "tif", "bmp", "eps", "jpg", "pdf", "gif", "pcx", "tga"}) {
        SCOPED_TRACE(extension);
        const TempFolder folder;
        const std::string name = std::string("label.") + extension;
        folder.write(name, old);
        EXPECT_EQ(vornik(folder,
                         "--exec \"[code128][message='VORNIK-2026-ABCDEFGH'][bitsperpixel=24]"
                         "[rasterimageresolution=1440][build/copy][savebarcode(" +
                             name + ")]\"",
                         kIgnoringFileSizeSignal + "prlimit --fsize=3000 "),
                  2);
        EXPECT_NE(err(folder).find(name), std::string::npos) << err(folder);
        EXPECT_TRUE(readFile(folder.path() / name) == old);
        EXPECT_EQ(filesIn(folder.path()), std::set<std::string>{name});
    }
}

// A PDF to a device that is full fails with its reason.
TEST(SafeSavingProgram, APdfToAFullDeviceFails) {
    const TempFolder folder;
    fs::create_symlink("/dev/full", folder.path() / "full.pdf");
    EXPECT_EQ(vornik(folder, "--exec \"[code39][message='A'][build/copy][savebarcode(full.pdf)]\""),
              2);
    EXPECT_NE(err(folder).find("full.pdf could not be written: No space left on device"),
              std::string::npos)
        << err(folder);
    EXPECT_TRUE(S_ISLNK(modeOf(folder.path() / "full.pdf")));
}

// A device is written into and stays a device; a pipe no one reads and a
// folder are refused with a sentence and stay what they were.
TEST(SafeSavingProgram, DevicesPipesAndFoldersAreNeverReplaced) {
    const TempFolder folder;
    // The null device made afresh where we may (as root); elsewhere the
    // system's own, which an ordinary user could not replace anyway.
    const fs::path node = folder.path() / "nd";
    const bool ownNode = ::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    const std::string device = ownNode ? "nd" : "/dev/null";
    ASSERT_EQ(::mkfifo((folder.path() / "pipe").c_str(), 0600), 0);
    fs::create_directory(folder.path() / "folder.vkf");
    const struct {
        std::string command;
        int status;
        const char* said;
    } rows[] = {
        {"[saveconfig(" + device + ")]", 0, ""},
        {"[saveconfig(pipe)]", 2,
         "pipe could not be used: it is a pipe that no program reads from."},
        {"[saveconfig(folder.vkf)]", 2, "folder.vkf could not be used: it is a folder."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.command);
        EXPECT_EQ(
            vornik(folder, "--exec \"[code39][message='A']" + row.command + "\"", "timeout 20 "),
            row.status);
        EXPECT_NE(err(folder).find(row.said), std::string::npos) << err(folder);
    }
    EXPECT_TRUE(S_ISCHR(modeOf(ownNode ? node : fs::path("/dev/null"))));
    EXPECT_TRUE(S_ISFIFO(modeOf(folder.path() / "pipe")));
    EXPECT_TRUE(fs::is_directory(folder.path() / "folder.vkf"));
}

// Saving a configuration through a link replaces the file it points to and
// keeps the link; the file keeps its permissions; nothing is left beside it.
TEST(SafeSavingProgram, AConfigurationKeepsItsLinkAndPermissions) {
    const TempFolder folder;
    fs::create_directory(folder.path() / "jobs");
    folder.write("jobs/real.vkf", "old");
    ::chmod((folder.path() / "jobs/real.vkf").c_str(), 0600);
    fs::create_symlink("jobs/real.vkf", folder.path() / "link.vkf");
    ASSERT_EQ(vornik(folder, "--exec \"[code39][message='LINKED'][saveconfig(link.vkf)]\""), 0)
        << err(folder);
    EXPECT_TRUE(S_ISLNK(modeOf(folder.path() / "link.vkf")));
    EXPECT_EQ(modeOf(folder.path() / "jobs/real.vkf") & 07777, 0600u);
    EXPECT_NE(readFile(folder.path() / "jobs/real.vkf").find("LINKED"), std::string::npos);
    EXPECT_EQ(filesIn(folder.path() / "jobs"), std::set<std::string>{"real.vkf"});
}

// A file the user may write in a folder that takes no new file is still
// saved, written in place. Root may write anywhere, so as root the program
// runs as nobody.
TEST(SafeSavingProgram, AWritableFileInAReadOnlyFolderIsSaved) {
    const TempFolder folder;
    const fs::path jobs = folder.path() / "jobs";
    fs::create_directory(jobs);
    folder.write("jobs/job.vkf", "old");
    std::string asUser;
    if (::geteuid() == 0) {
        constexpr uid_t kNobody = 65534;
        ASSERT_EQ(::chown(folder.path().c_str(), kNobody, kNobody), 0);
        ASSERT_EQ(::chown(jobs.c_str(), kNobody, kNobody), 0);
        ASSERT_EQ(::chown((jobs / "job.vkf").c_str(), kNobody, kNobody), 0);
        ::chmod(folder.path().c_str(), 0755);
        asUser = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    }
    ::chmod(jobs.c_str(), 0555);
    const int status =
        vornik(folder, "--exec \"[code39][message='IN-PLACE'][saveconfig(jobs/job.vkf)]\"", asUser);
    ::chmod(jobs.c_str(), 0755);
    EXPECT_EQ(status, 0) << err(folder);
    EXPECT_NE(readFile(jobs / "job.vkf").find("IN-PLACE"), std::string::npos);
    EXPECT_EQ(filesIn(jobs), std::set<std::string>{"job.vkf"});
}

// The commands that build and save one symbol of Code 39 for each label,
// under NAME with the label put in.
std::string labelRun(const std::vector<std::string>& labels, const std::string& name) {
    std::string arguments = "--exec \"[code39][text=on]\"";
    for (const auto& label : labels) {
        std::string file = name;
        file.replace(file.find('#'), 1, label);
        arguments += " --exec \"[message='" + label + "'][build/copy][savebarcode(" + file + ")]\"";
    }
    return arguments;
}

// Two runs at once without a temporary directory each save their own
// symbols: every label is the one a run of its own makes.
TEST(SafeSavingProgram, ConcurrentRunsWithoutATemporaryDirectoryKeepTheirOwnSymbols) {
    const TempFolder folder;
    std::vector<std::string> labels[2];
    for (int n = 0; n < 60; ++n) {
        labels[0].push_back("A" + std::to_string(n));
        labels[1].push_back("B" + std::to_string(n));
    }
    std::string runs;
    for (int run = 0; run < 2; ++run)
        runs += kOwnSettings + "TMPDIR=/nonexistent " + shellWord(VORNIK_PROGRAM) + " " +
                labelRun(labels[run], "#.wmf") + " 2>err" + std::to_string(run) + " & ";
    // The runs start after the folder is entered, each with its own output.
    ASSERT_EQ(runIn(folder.path(), "true; " + runs + "wait"), 0);
    std::vector<std::string> all = labels[0];
    all.insert(all.end(), labels[1].begin(), labels[1].end());
    ASSERT_EQ(vornik(folder, labelRun(all, "alone-#.wmf")), 0) << err(folder);
    for (const auto& label : all)
        EXPECT_TRUE(readFile(folder.path() / (label + ".wmf")) ==
                    readFile(folder.path() / ("alone-" + label + ".wmf")))
            << label;
    EXPECT_EQ(readFile(folder.path() / "err0") + readFile(folder.path() / "err1"), "");
    // Each run's private folder beside the program is gone with it.
    for (const auto& entry : fs::directory_iterator(fs::path(VORNIK_PROGRAM).parent_path()))
        EXPECT_FALSE(entry.path().filename().string().starts_with("~vorniktmp")) << entry.path();
}

// While a run works, its temporary metafile lies in a folder that only its
// user may enter, so no one else can read it, replace it or plant a link in
// its place; a run stopped part way leaves neither behind.
TEST(SafeSavingProgram, TheTemporaryMetafileIsPrivateAndGoesWithTheRun) {
    const TempFolder folder;
    fs::create_directory(folder.path() / "tmp");
    // Many seconds of builds, even on a fast machine, made by the shell (a
    // command line of that length could not be handed to it): the run is
    // looked at as soon as its folder appears, and stopped then.
    const std::string builds = "b=$(printf '[build/copy]%.0s' $(seq 10000)); ";
    const std::string arguments = "--exec \"[pdf417][message='" + std::string(800, 'x') +
                                  "']\" --exec \"$b\" --exec \"$b\" --exec \"$b\" --exec \"$b\"";
    const int status =
        runIn(folder.path(),
              "true; " + builds + kOwnSettings + "TMPDIR=\"$PWD/tmp\" " +
                  shellWord(VORNIK_PROGRAM) + " " + arguments +
                  " & for i in $(seq 200); do [ -n \"$(ls tmp)\" ] && break; sleep 0.05; done;"
                  " cd tmp; stat -c '%A %n' * */* >../seen; cd ..; kill -TERM $!; wait $!");
    EXPECT_EQ(status, 128 + SIGTERM) << "the run ended before it was interrupted";
    const std::string seen = readFile(folder.path() / "seen");
    const std::regex privateFiles("drwx------ (VKT[A-Za-z0-9]{6})\n-rw------- \\1/\\1\\.WMF\n");
    EXPECT_TRUE(std::regex_match(seen, privateFiles)) << seen;
    EXPECT_TRUE(fs::is_empty(folder.path() / "tmp"));
}

} // namespace
} // namespace vornik::cli
