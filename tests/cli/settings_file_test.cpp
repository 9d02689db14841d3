#include "cli/settings_file.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string>
#include <sys/stat.h>

namespace vornik::cli {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using vornik::testing::readFile;
using vornik::testing::TempFolder;

const fs::path kConfName = fs::path("Vornik") / "Vornik.conf";

std::vector<std::string> filesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// ---- Where the file is ----------------------------------------------------

struct DefaultPathCase {
    std::string name;
    std::map<std::string, std::string> environment;
    fs::path expected;
};

// Tests are listed by the row's name, not its bytes.
void PrintTo(const DefaultPathCase& row, std::ostream* out) {
    *out << row.name;
}

class DefaultPathTest : public ::testing::TestWithParam<DefaultPathCase> {};

TEST_P(DefaultPathTest, FollowsTheEnvironment) {
    const auto& row = GetParam();
    const auto lookup = [&row](const char* name) -> std::optional<std::string> {
        if (const auto found = row.environment.find(name); found != row.environment.end())
            return found->second;
        return std::nullopt;
    };
    EXPECT_EQ(SettingsFile::defaultPath(lookup), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DefaultPathTest,
    ::testing::Values(
        DefaultPathCase{"XdgConfigHome",
                        {{"XDG_CONFIG_HOME", "/cfg"}, {"HOME", "/home/ann"}},
                        "/cfg/Vornik/Vornik.conf"},
        DefaultPathCase{
            "HomeWhenXdgUnset", {{"HOME", "/home/ann"}}, "/home/ann/.config/Vornik/Vornik.conf"},
        DefaultPathCase{"HomeWhenXdgEmpty",
                        {{"XDG_CONFIG_HOME", ""}, {"HOME", "/home/ann"}},
                        "/home/ann/.config/Vornik/Vornik.conf"},
        DefaultPathCase{"HomeWhenXdgRelative",
                        {{"XDG_CONFIG_HOME", "cfg"}, {"HOME", "/home/ann"}},
                        "/home/ann/.config/Vornik/Vornik.conf"},
        DefaultPathCase{"XdgWithoutHome", {{"XDG_CONFIG_HOME", "/cfg"}}, "/cfg/Vornik/Vornik.conf"},
        DefaultPathCase{"NeitherSet", {}, ""}, DefaultPathCase{"HomeEmpty", {{"HOME", ""}}, ""}),
    [](const auto& info) { return info.param.name; });

// ---- Reading --------------------------------------------------------------

struct ReadCase {
    std::string name;
    std::optional<std::string> content; // nullopt: no file at all
    std::string key;
    std::optional<std::string> expected;
};

void PrintTo(const ReadCase& row, std::ostream* out) {
    *out << row.name;
}

class ReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadTest, FindsTheValueInSettings) {
    const auto& row = GetParam();
    const TempFolder folder;
    if (row.content)
        folder.write(kConfName, *row.content);
    const SettingsFile settings(folder.path() / kConfName);
    EXPECT_EQ(settings.read(row.key), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReadTest,
    ::testing::Values(
        ReadCase{"MissingFile", std::nullopt, "ShowWordWarning", std::nullopt},
        ReadCase{"EmptyFile", "", "ShowWordWarning", std::nullopt},
        ReadCase{"PlainValue", "[Settings]\nShowWordWarning=-1\n", "ShowWordWarning", "-1"},
        ReadCase{"NoFinalNewline", "[Settings]\nShowWordWarning=0", "ShowWordWarning", "0"},
        ReadCase{"BlanksAroundEquals", "[Settings]\n  ShowWordWarning = -1  \n", "ShowWordWarning",
                 "-1"},
        ReadCase{"CrLfLines", "[Settings]\r\nShowWordWarning=-1\r\n", "ShowWordWarning", "-1"},
        ReadCase{"EmptyValue", "[Settings]\nShowWordWarning=\n", "ShowWordWarning", ""},
        ReadCase{"OtherSectionOnly", "[General]\nShowWordWarning=-1\n", "ShowWordWarning",
                 std::nullopt},
        ReadCase{"KeyBeforeAnySection", "ShowWordWarning=-1\n[Settings]\n", "ShowWordWarning",
                 std::nullopt},
        ReadCase{"SectionAfterOthers",
                 "[General]\nShowWordWarning=5\n\n[Settings]\nShowWordWarning=0\n[Other]\nx=1\n",
                 "ShowWordWarning", "0"},
        ReadCase{"LastRepeatWins", "[Settings]\nShowWordWarning=1\nShowWordWarning=0\n",
                 "ShowWordWarning", "0"},
        ReadCase{"SectionRepeated", "[Settings]\na=1\n[X]\n[Settings]\nShowWordWarning=2\n",
                 "ShowWordWarning", "2"},
        ReadCase{"KeysAreCaseSensitive", "[Settings]\nshowwordwarning=-1\n", "ShowWordWarning",
                 std::nullopt},
        ReadCase{"SectionIsCaseSensitive", "[settings]\nShowWordWarning=-1\n", "ShowWordWarning",
                 std::nullopt},
        ReadCase{"CommentedOut", "[Settings]\n;ShowWordWarning=-1\n#ShowWordWarning=0\n",
                 "ShowWordWarning", std::nullopt},
        ReadCase{"QuotedValue", "[Settings]\nName=\"a, b \\\"c\\\"\"\n", "Name", "a, b \"c\""},
        ReadCase{"LineWithoutEquals", "[Settings]\nShowWordWarning\n", "ShowWordWarning",
                 std::nullopt},
        ReadCase{"UnclosedSectionHeader", "[Settings\nShowWordWarning=-1\n", "ShowWordWarning",
                 std::nullopt},
        ReadCase{"BinaryGarbage",
                 "\x7f"
                 "ELF\0\x01\xff[\n=\x00="s,
                 "ShowWordWarning", std::nullopt},
        ReadCase{"GarbageAroundTheSection",
                 "\xff\xfe\x00zz\n[Settings]\nShowWordWarning=-1\n\x01\x02"s, "ShowWordWarning",
                 "-1"}),
    [](const auto& info) { return info.param.name; });

TEST(SettingsFileRead, AFolderInPlaceOfTheFileReadsAsNoValue) {
    const TempFolder folder;
    fs::create_directories(folder.path() / kConfName);
    EXPECT_EQ(SettingsFile(folder.path() / kConfName).read("ShowWordWarning"), std::nullopt);
}

TEST(SettingsFileRead, AnEmptyPathReadsAsNoValue) {
    EXPECT_EQ(SettingsFile(fs::path()).read("ShowWordWarning"), std::nullopt);
}

// ---- Writing --------------------------------------------------------------

struct WriteCase {
    std::string name;
    std::optional<std::string> before; // nullopt: no file yet
    std::string key;
    std::string value;
    std::string after;
};

void PrintTo(const WriteCase& row, std::ostream* out) {
    *out << row.name;
}

class WriteTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WriteTest, ChangesOnlyTheKey) {
    const auto& row = GetParam();
    const TempFolder folder;
    if (row.before)
        folder.write(kConfName, *row.before);
    SettingsFile settings(folder.path() / kConfName);

    ASSERT_TRUE(settings.write(row.key, row.value)) << settings.lastError();
    EXPECT_EQ(settings.lastError(), "");
    EXPECT_EQ(readFile(folder.path() / kConfName), row.after);
    EXPECT_EQ(settings.read(row.key), row.value);
    EXPECT_EQ(filesIn(folder.path() / "Vornik"), std::vector<std::string>{"Vornik.conf"});
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WriteTest,
    ::testing::Values(
        WriteCase{"NewFile", std::nullopt, "ShowWordWarning", "-1",
                  "[Settings]\nShowWordWarning=-1\n"},
        WriteCase{"EmptyFile", "", "ShowWordWarning", "0", "[Settings]\nShowWordWarning=0\n"},
        WriteCase{"ReplacesTheValue", "[Settings]\nShowWordWarning=-1\n", "ShowWordWarning", "0",
                  "[Settings]\nShowWordWarning=0\n"},
        WriteCase{"KeepsEverythingElse",
                  "; written by hand\n[General]\nShowWordWarning=7\n\n[Settings]\nA=1\n"
                  "ShowWordWarning = -1\nB=2\n\n[Window]\ngeometry=@ByteArray(xyz)\n",
                  "ShowWordWarning", "0",
                  "; written by hand\n[General]\nShowWordWarning=7\n\n[Settings]\nA=1\n"
                  "ShowWordWarning=0\nB=2\n\n[Window]\ngeometry=@ByteArray(xyz)\n"},
        WriteCase{"AddsToTheSectionBeforeTheNext", "[Settings]\nA=1\n\n[Window]\nw=3\n",
                  "ShowWordWarning", "-1",
                  "[Settings]\nA=1\nShowWordWarning=-1\n\n[Window]\nw=3\n"},
        WriteCase{"AddsTheSectionAtTheEnd", "[Window]\nw=3\n", "ShowWordWarning", "-1",
                  "[Window]\nw=3\n\n[Settings]\nShowWordWarning=-1\n"},
        WriteCase{"AddsTheSectionAfterABlankLine", "[Window]\nw=3\n\n", "ShowWordWarning", "-1",
                  "[Window]\nw=3\n\n[Settings]\nShowWordWarning=-1\n"},
        WriteCase{"AddsANewlineTheFileLacked", "[Settings]\nA=1", "ShowWordWarning", "-1",
                  "[Settings]\nA=1\nShowWordWarning=-1\n"},
        WriteCase{"KeepsCrLfLines", "[Settings]\r\nShowWordWarning=-1\r\nA=1\r\n",
                  "ShowWordWarning", "0", "[Settings]\r\nShowWordWarning=0\r\nA=1\r\n"},
        WriteCase{"ReplacesEveryRepeat",
                  "[Settings]\nShowWordWarning=1\n[X]\n[Settings]\nShowWordWarning=2\n",
                  "ShowWordWarning", "0",
                  "[Settings]\nShowWordWarning=0\n[X]\n[Settings]\nShowWordWarning=0\n"},
        WriteCase{"LeavesACommentedKeyAlone", "[Settings]\n;ShowWordWarning=1\n", "ShowWordWarning",
                  "0", "[Settings]\n;ShowWordWarning=1\nShowWordWarning=0\n"},
        WriteCase{"LeavesOtherCaseAlone", "[Settings]\nshowwordwarning=1\n", "ShowWordWarning", "0",
                  "[Settings]\nshowwordwarning=1\nShowWordWarning=0\n"},
        WriteCase{"EmptyValue", std::nullopt, "Name", "", "[Settings]\nName=\n"},
        WriteCase{"KeepsGarbage", "\xff\x00zz\n"s, "ShowWordWarning", "-1",
                  "\xff\x00zz\n\n[Settings]\nShowWordWarning=-1\n"s}),
    [](const auto& info) { return info.param.name; });

TEST(SettingsFileWrite, RoundTripsEveryWrittenValue) {
    const TempFolder folder;
    SettingsFile settings(folder.path() / "deep" / "er" / "Vornik.conf");
    const std::vector<std::pair<std::string, std::string>> writes = {
        {"ShowWordWarning", "-1"},
        {"Other", "text with blanks"},
        {"ShowWordWarning", "0"},
        {"Path", "/home/ann/labels.vkf"},
        {"Other", ""}};
    std::map<std::string, std::string> expected;
    for (const auto& [key, value] : writes) {
        ASSERT_TRUE(settings.write(key, value)) << settings.lastError();
        expected[key] = value;
        for (const auto& [knownKey, knownValue] : expected)
            EXPECT_EQ(settings.read(knownKey), knownValue) << "after writing " << key;
    }
}

TEST(SettingsFileWrite, KeepsTheModeOfTheFile) {
    const TempFolder folder;
    const auto path = folder.write(kConfName, "[Settings]\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    SettingsFile settings(path);
    ASSERT_TRUE(settings.write("ShowWordWarning", "0")) << settings.lastError();
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST(SettingsFileWrite, ALinkStaysALinkToTheChangedFile) {
    const TempFolder folder;
    const auto real = folder.write("real.conf", "[Settings]\nShowWordWarning=-1\n");
    fs::create_directories(folder.path() / "Vornik");
    fs::create_symlink(real, folder.path() / kConfName);
    SettingsFile settings(folder.path() / kConfName);
    ASSERT_TRUE(settings.write("ShowWordWarning", "0")) << settings.lastError();
    EXPECT_TRUE(fs::is_symlink(folder.path() / kConfName));
    EXPECT_EQ(readFile(real), "[Settings]\nShowWordWarning=0\n");
}

// ---- Writes that cannot be made ------------------------------------------

enum class Obstacle {
    None,         // the folder and file are fine
    FileAsFolder, // a plain file stands where the Vornik folder should be
    FolderAsFile, // a folder stands where Vornik.conf should be
};

struct FailedWriteCase {
    std::string name;
    Obstacle obstacle;
    std::string key;
    std::string value;
    std::string error; // "@" stands for the temporary folder
};

void PrintTo(const FailedWriteCase& row, std::ostream* out) {
    *out << row.name;
}

class FailedWriteTest : public ::testing::TestWithParam<FailedWriteCase> {};

std::string withFolder(std::string text, const fs::path& folder) {
    if (const auto at = text.find('@'); at != std::string::npos)
        text.replace(at, 1, folder.string());
    return text;
}

TEST_P(FailedWriteTest, SaysWhyAndLosesNothing) {
    const auto& row = GetParam();
    const TempFolder folder;
    const std::string original = "[Settings]\nShowWordWarning=-1\n";
    switch (row.obstacle) {
    case Obstacle::None:
        folder.write(kConfName, original);
        break;
    case Obstacle::FileAsFolder:
        folder.write("Vornik", original);
        break;
    case Obstacle::FolderAsFile:
        fs::create_directories(folder.path() / kConfName);
        break;
    }
    const auto before = filesIn(folder.path());
    SettingsFile settings(folder.path() / kConfName);

    EXPECT_FALSE(settings.write(row.key, row.value));
    EXPECT_EQ(settings.lastError(), withFolder(row.error, folder.path()));
    EXPECT_EQ(filesIn(folder.path()), before);
    if (row.obstacle == Obstacle::None) {
        EXPECT_EQ(readFile(folder.path() / kConfName), original);
        EXPECT_EQ(filesIn(folder.path() / "Vornik"), std::vector<std::string>{"Vornik.conf"});
    }
    if (row.obstacle == Obstacle::FileAsFolder) {
        EXPECT_EQ(readFile(folder.path() / "Vornik"), original);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FailedWriteTest,
    ::testing::Values(FailedWriteCase{"FolderPathThroughAFile", Obstacle::FileAsFolder,
                                      "ShowWordWarning", "0",
                                      "cannot read @/Vornik/Vornik.conf: Not a directory"},
                      FailedWriteCase{"FolderWhereTheFileGoes", Obstacle::FolderAsFile,
                                      "ShowWordWarning", "0",
                                      "cannot read @/Vornik/Vornik.conf: Is a directory"},
                      FailedWriteCase{"EmptyKey", Obstacle::None, "", "0",
                                      "the setting name \"\" is not plain text"},
                      FailedWriteCase{"KeyWithBlank", Obstacle::None, "Show Word", "0",
                                      "the setting name \"Show Word\" is not plain text"},
                      FailedWriteCase{"KeyWithSlash", Obstacle::None, "a/b", "0",
                                      "the setting name \"a/b\" is not plain text"},
                      FailedWriteCase{"ValueWithNewline", Obstacle::None, "ShowWordWarning",
                                      "0\n[X]", "the value of ShowWordWarning is not plain text"},
                      FailedWriteCase{"ValueWithComma", Obstacle::None, "ShowWordWarning", "1,2",
                                      "the value of ShowWordWarning is not plain text"},
                      FailedWriteCase{"ValueWithQuote", Obstacle::None, "ShowWordWarning", "\"1\"",
                                      "the value of ShowWordWarning is not plain text"},
                      FailedWriteCase{"ValueWithLeadingBlank", Obstacle::None, "ShowWordWarning",
                                      " 1", "the value of ShowWordWarning is not plain text"},
                      FailedWriteCase{"ValueNotAscii", Obstacle::None, "ShowWordWarning", "\xe9",
                                      "the value of ShowWordWarning is not plain text"}),
    [](const auto& info) { return info.param.name; });

// Nobody, not even root, can make a folder in /proc: the one place where the
// failure to create the settings folder can be shown for every user.
TEST(SettingsFileWrite, FailsWhenTheFolderCannotBeCreated) {
    const fs::path path = "/proc/vornik-no-such-folder/Vornik/Vornik.conf";
    SettingsFile settings(path);
    EXPECT_FALSE(settings.write("ShowWordWarning", "0"));
    EXPECT_EQ(settings.lastError(),
              "cannot create the folder /proc/vornik-no-such-folder/Vornik: No such file or "
              "directory");
    EXPECT_FALSE(fs::exists(path.parent_path()));
}

TEST(SettingsFileWrite, FailsWithoutAPath) {
    SettingsFile settings{fs::path()};
    EXPECT_FALSE(settings.write("ShowWordWarning", "0"));
    EXPECT_EQ(settings.lastError(),
              "there is no settings file: neither XDG_CONFIG_HOME nor HOME is set");
}

TEST(SettingsFileWrite, ASuccessClearsTheLastError) {
    const TempFolder folder;
    SettingsFile settings(folder.path() / kConfName);
    EXPECT_FALSE(settings.write("", "0"));
    EXPECT_TRUE(settings.write("ShowWordWarning", "0"));
    EXPECT_EQ(settings.lastError(), "");
}

} // namespace
} // namespace vornik::cli
