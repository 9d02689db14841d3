#include "core/files/rewrite_in_place.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace vornik::files {
namespace {

using vornik::testing::readFile;
using vornik::testing::TempFolder;
namespace fs = std::filesystem;

// The file keeps its identity (a second link to it sees the new bytes, its
// permissions stay) and holds exactly the new bytes, whether they are fewer
// or more than the old.
TEST(WriteWholeFileInPlace, RewritesTheSameFileToItsNewLength) {
    const TempFolder folder;
    const fs::path file = folder.write("label.png", std::string(5000, 'o'));
    const fs::path link = folder.path() / "link.png";
    fs::create_hard_link(file, link);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    for (const std::string& bytes : {std::string("new"), std::string(9000, 'n'), std::string()}) {
        EXPECT_EQ(writeWholeFileInPlace(file, bytes), std::nullopt);
        EXPECT_EQ(readFile(file), bytes);
        EXPECT_EQ(readFile(link), bytes);
        EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write);
    }
}

// A device has no length to cut, and one that cannot be written is left
// where it is; a missing folder gives the system's reason and leaves no file.
TEST(WriteWholeFileInPlace, WritesToDevicesAndSaysWhyItCannotWrite) {
    EXPECT_EQ(writeWholeFileInPlace("/dev/null", "bars"), std::nullopt);
    EXPECT_EQ(writeWholeFileInPlace("/dev/full", "bars"), "No space left on device");
    EXPECT_TRUE(fs::exists("/dev/full"));
    const TempFolder folder;
    const fs::path missing = folder.path() / "no folder" / "label.png";
    EXPECT_EQ(writeWholeFileInPlace(missing, "bars"), "No such file or directory");
    EXPECT_FALSE(fs::exists(missing));
}

} // namespace
} // namespace vornik::files
