#include "core/files/safe_output.h"
#include "support/temp_folder.h"

#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vornik::files {
namespace {

using vornik::testing::readFile;
using vornik::testing::TempFolder;
namespace fs = std::filesystem;

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

mode_t modeOf(const fs::path& path) {
    struct stat status {};
    ::lstat(path.c_str(), &status);
    return status.st_mode;
}

ino_t inodeOf(const fs::path& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status.st_ino;
}

// A saved file replaces the old one whole, through any link, keeping the
// old file's permissions; a new one gets the umask's. Nothing else is left
// in the folder.
TEST(SafeOutput, ReplacesTheFileThroughLinksKeepingItsPermissions) {
    const struct {
        const char* name;
        mode_t oldMode;   // 0: no file there before
        const char* link; // the name saved to, a link to NAME; empty: NAME itself
    } rows[] = {
        {"plain.vkf", 0644, ""}, {"private.vkf", 0600, ""},     {"group.vkf", 0640, ""},
        {"new.vkf", 0, ""},      {"target.vkf", 0600, "l.vkf"}, {"dangling.vkf", 0, "d.vkf"},
    };
    const mode_t mask = ::umask(022);
    ::umask(mask);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const TempFolder folder;
        const fs::path file = folder.path() / row.name;
        if (row.oldMode != 0) {
            folder.write(row.name, std::string(3000, 'o'));
            ::chmod(file.c_str(), row.oldMode);
        }
        fs::path saved = file;
        if (*row.link != '\0') {
            saved = folder.path() / row.link;
            fs::create_symlink(row.name, saved); // relative, as users make them
        }
        const auto before = namesIn(folder.path());
        ASSERT_EQ(saveWholeFile(saved, "new bytes"), std::nullopt);
        EXPECT_EQ(readFile(file), "new bytes");
        EXPECT_EQ(modeOf(file) & 07777, row.oldMode != 0 ? row.oldMode : 0666 & ~mask);
        EXPECT_TRUE(S_ISLNK(modeOf(saved)) == (*row.link != '\0'));
        auto expected = before;
        expected.insert(row.name);
        removeSpareFile(); // the old version, kept for the next save
        EXPECT_EQ(namesIn(folder.path()), expected);
    }
}

// The old version of a replaced file becomes the spare that the next save in
// the folder writes into, cut to its new length: a run of saves swaps the
// same two files. A spare with another link to it is someone's file still,
// and is never written into.
TEST(SafeOutput, ARunOfSavesReusesTheReplacedFile) {
    const TempFolder folder;
    const fs::path label = folder.write("label.png", std::string(5000, 'o'));
    const fs::path other = folder.write("other.png", "other");
    const auto first = inodeOf(label);
    ASSERT_EQ(saveWholeFile(label, std::string(3000, 'a')), std::nullopt);
    const auto second = inodeOf(label);
    EXPECT_NE(second, first);
    ASSERT_EQ(saveWholeFile(label, "short"), std::nullopt); // written into the first file
    EXPECT_EQ(inodeOf(label), first);
    EXPECT_EQ(readFile(label), "short");
    ASSERT_EQ(saveWholeFile(other, "new other"), std::nullopt); // the spare serves any name here
    EXPECT_EQ(inodeOf(other), second);
    EXPECT_EQ(readFile(other), "new other");

    // The old label also has a second name: its spare is left alone.
    fs::create_hard_link(label, folder.path() / "kept.png");
    ASSERT_EQ(saveWholeFile(label, "after the link"), std::nullopt);
    ASSERT_EQ(saveWholeFile(other, "and again"), std::nullopt);
    EXPECT_EQ(readFile(folder.path() / "kept.png"), "short");
    EXPECT_EQ(readFile(label), "after the link");
    EXPECT_EQ(readFile(other), "and again");
    removeSpareFile();
    const std::set<std::string> names{"kept.png", "label.png", "other.png"};
    EXPECT_EQ(namesIn(folder.path()), names);

    // A synced save, of a document saved now and then, leaves no spare.
    ASSERT_EQ(saveWholeFile(label, "synced", Durability::Synced), std::nullopt);
    EXPECT_EQ(readFile(label), "synced");
    EXPECT_EQ(namesIn(folder.path()), names);
}

// A device or pipe is written into, never replaced; what cannot be written
// says why and stays what it was.
TEST(SafeOutput, WritesIntoDevicesAndPipesAndRefusesWhatIsNoFile) {
    const TempFolder folder;
    const fs::path fifo = folder.path() / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_directory(folder.path() / "folder");
    fs::create_symlink("/dev/full", folder.path() / "full.pdf");
    const struct {
        fs::path path;
        std::optional<std::string> reason;
    } rows[] = {
        {"/dev/null", std::nullopt},
        {folder.path() / "full.pdf", "No space left on device"},
        {fifo, "it is a pipe that no program reads from"},
        {folder.path() / "folder", "it is a folder"},
        {std::string("label\0.vkf", 10), "the file name holds a NUL character"},
        {"", "no file name was given"},
        {folder.path() / "no folder" / "x.vkf",
         "no file can be made in its folder: No such file or directory"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path.string());
        EXPECT_EQ(saveWholeFile(row.path, std::string(10000, 'b')), row.reason);
    }
    EXPECT_TRUE(S_ISCHR(modeOf("/dev/null")) && S_ISCHR(modeOf("/dev/full")));
    EXPECT_TRUE(S_ISFIFO(modeOf(fifo)));
    EXPECT_TRUE(S_ISLNK(modeOf(folder.path() / "full.pdf")));
    EXPECT_FALSE(fs::exists("label"));
    EXPECT_EQ(namesIn(folder.path()), (std::set<std::string>{"folder", "full.pdf", "pipe"}));

    // With a reader, the pipe gets the bytes.
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(saveWholeFile(fifo, "through the pipe"), std::nullopt);
    char received[64] = {};
    EXPECT_EQ(::read(reader, received, sizeof received), 16);
    EXPECT_STREQ(received, "through the pipe");
    ::close(reader);
}

// An output that is abandoned, or whose bytes do not all reach the disk,
// leaves the old file exactly as it was and nothing beside it.
TEST(SafeOutput, AFailedOrAbandonedOutputKeepsTheOldFile) {
    const TempFolder folder;
    const std::string old(20000, 'o');
    const fs::path file = folder.write("label.png", old);
    {
        SafeOutput abandoned(file);
        ASSERT_EQ(abandoned.open(), std::nullopt);
        std::fputs("half a label", abandoned.stream());
    }
    EXPECT_EQ(readFile(file), old);

    // A file size limit, the signal it raises ignored, as a shell's ulimit.
    struct rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto reason = saveWholeFile(file, std::string(100000, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(reason, "File too large");
    EXPECT_EQ(readFile(file), old);
    EXPECT_EQ(namesIn(folder.path()), (std::set<std::string>{"label.png"}));
}

// Names once used for spare files are no danger: a link planted where a
// spare file might go is never followed.
TEST(SafeOutput, PlantedLinksBesideTheFileAreNotFollowed) {
    const TempFolder folder;
    const fs::path victim = folder.path() / "victim";
    const fs::path file = folder.write("job.vkf", "old");
    for (const char* spare : {"job.vkf.vornik-new", "job.vkf.vornik-new1", "job.vkf.XXXXXX"})
        fs::create_symlink(victim, folder.path() / spare);
    EXPECT_EQ(saveWholeFile(file, "new"), std::nullopt);
    EXPECT_EQ(readFile(file), "new");
    EXPECT_FALSE(fs::exists(victim));
}

} // namespace
} // namespace vornik::files
