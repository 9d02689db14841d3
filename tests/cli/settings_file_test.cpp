#include "cli/settings_file.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string>
#include <sys/stat.h>

namespace vornik::cli {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using Files = std::map<std::string, std::string>; // path in the folder -> content
using vornik::testing::TempFolder;

const std::string kConf = "Vornik/Vornik.conf";
const std::string kKey = "ShowWordWarning";
const std::string kNotPlain = "the value of ShowWordWarning is not plain text";

// Every file in the folder: a temporary file left behind shows up here.
Files filesIn(const TempFolder& folder) {
    Files files;
    for (const auto& entry : fs::recursive_directory_iterator(folder.path()))
        if (!entry.is_directory())
            files[fs::relative(entry.path(), folder.path()).string()] =
                testing::readFile(entry.path());
    return files;
}

// Only the key in [Settings] is read and replaced; every other byte stays,
// and what is written reads back.
TEST(SettingsFile, ReadsAndWritesOnlyItsKey) {
    // BEFORE and AFTER: the file (nullopt: none); READ: its value before the write.
    // clang-format off
    const struct { const char* name; std::optional<std::string> before, read; std::string value, after; } rows[] = {
        {"NoFile", std::nullopt, std::nullopt, "-1", "[Settings]\nShowWordWarning=-1\n"},
        {"OtherSections", "; by hand\n[General]\nShowWordWarning=7\n\n[Settings]\nA=1\n  ShowWordWarning = 0 \r\n\n[W]\ng=@ByteArray(xyz)",
         "0", "-1", "; by hand\n[General]\nShowWordWarning=7\n\n[Settings]\nA=1\nShowWordWarning=-1\r\n\n[W]\ng=@ByteArray(xyz)\n"},
        {"Repeats", "[Settings]\nShowWordWarning=1\n[X]\nShowWordWarning=3\n[Settings]\nShowWordWarning=2\n",
         "2", "", "[Settings]\nShowWordWarning=\n[X]\nShowWordWarning=3\n[Settings]\nShowWordWarning=\n"},
        {"CommentsCaseAndBareKeys", "[settings]\nShowWordWarning=1\n[Settings]\n;ShowWordWarning=1\nshowwordwarning=1\nShowWordWarning\n\n[W]\n",
         std::nullopt, "0", "[settings]\nShowWordWarning=1\n[Settings]\n;ShowWordWarning=1\nshowwordwarning=1\nShowWordWarning\nShowWordWarning=0\n\n[W]\n"},
        {"Quoted", "[Settings]\nShowWordWarning=\"a, b \\\"c\\\"\"\n", "a, b \"c\"", "0", "[Settings]\nShowWordWarning=0\n"},
        {"UnclosedHeader", "[Settings\nShowWordWarning=-1\n", std::nullopt, "0", "[Settings\nShowWordWarning=-1\n\n[Settings]\nShowWordWarning=0\n"},
        {"BinaryGarbage", "\177ELF\0\x01\xff[\n=\x00="s, std::nullopt, "-1", "\177ELF\0\x01\xff[\n=\x00=\n\n[Settings]\nShowWordWarning=-1\n"s},
        {"GarbageAround", "\xff\x00z\n[Settings]\nShowWordWarning=-1\n\x01"s, "-1", "0", "\xff\x00z\n[Settings]\nShowWordWarning=0\n\x01\n"s},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const TempFolder folder;
        if (row.before)
            folder.write(kConf, *row.before);
        SettingsFile settings(folder.path() / kConf);
        EXPECT_EQ(settings.read(kKey), row.read);
        EXPECT_FALSE(settings.write("", "0"));
        ASSERT_TRUE(settings.write(kKey, row.value)) << settings.lastError();
        EXPECT_EQ(settings.lastError(), "");
        EXPECT_EQ(filesIn(folder), (Files{{kConf, row.after}}));
        EXPECT_EQ(settings.read(kKey), row.value);
    }
}

// The file as a file on the disk: a replacement is a new one.
ino_t fileNumber(const fs::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_ino : 0;
}

// A write that would leave the text as it stands keeps the very file (the
// end of every run stores its preferences, mostly unchanged); any change of
// text replaces it.
TEST(SettingsFile, KeepsAFileThatWouldComeOutTheSame) {
    // clang-format off
    const struct { const char* name; std::string before, value; bool replaced; } rows[] = {
        {"SameValue", "[Settings]\nShowWordWarning=-1\n", "-1", false},
        {"SameValueCrlf", "[General]\nx=1\n[Settings]\nShowWordWarning=0\r\n", "0", false},
        {"OtherValue", "[Settings]\nShowWordWarning=-1\n", "0", true},
        {"SameValueSpaced", "[Settings]\nShowWordWarning = -1\n", "-1", true},
        {"NoNewlineAtEnd", "[Settings]\nShowWordWarning=-1", "-1", true},
        {"EmptyFile", "", "-1", true},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const TempFolder folder;
        const fs::path file = folder.write(kConf, row.before);
        const ino_t before = fileNumber(file);
        ASSERT_NE(before, ino_t{0});
        SettingsFile settings(file);
        ASSERT_TRUE(settings.write(kKey, row.value)) << settings.lastError();
        EXPECT_EQ(fileNumber(file) != before, row.replaced);
        EXPECT_EQ(settings.read(kKey), row.value);
        if (!row.replaced) {
            EXPECT_EQ(testing::readFile(file), row.before);
        }
    }
}

// A write that cannot be made says why and leaves every file as it was.
TEST(SettingsFile, RefusesAWriteAndLosesNothing) {
    const Files good = {{kConf, "[Settings]\nShowWordWarning=-1\n"}};
    // An ERROR starting with "/" follows "cannot read " and the folder's path.
    // clang-format off
    const struct { Files files; std::string key, value, error; } rows[] = {
        {{{"Vornik", "[Settings]\n"}}, kKey, "0", "/Vornik/Vornik.conf: Not a directory"},
        {{{kConf + "/x", ""}}, kKey, "0", "/Vornik/Vornik.conf: it is a folder"},
        {good, "A b", "0", "the setting name \"A b\" is not plain text"},
        {good, kKey, "0\n[X]", kNotPlain}, {good, kKey, "1,2", kNotPlain}, {good, kKey, "\"1\"", kNotPlain},
        {good, kKey, " 1", kNotPlain}, {good, kKey, "\x7f", kNotPlain}, {good, kKey, "\xe9", kNotPlain},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.error + " for " + row.key + "=" + row.value);
        const TempFolder folder;
        for (const auto& [name, text] : row.files)
            folder.write(name, text);
        SettingsFile settings(folder.path() / kConf);
        EXPECT_FALSE(settings.write(row.key, row.value));
        EXPECT_EQ(settings.lastError(), row.error.starts_with("/")
                                            ? "cannot read " + folder.path().string() + row.error
                                            : row.error);
        EXPECT_EQ(filesIn(folder), row.files);
        EXPECT_EQ(settings.read(kKey), row.files == good ? std::optional("-1"s) : std::nullopt);
    }
    // Nobody, not even root, can make a folder in /proc.
    SettingsFile inProc("/proc/vornik-none/Vornik/Vornik.conf");
    EXPECT_FALSE(inProc.write(kKey, "0"));
    EXPECT_EQ(inProc.lastError(),
              "cannot create the folder /proc/vornik-none/Vornik: No such file or directory");
    SettingsFile nowhere{fs::path()};
    EXPECT_EQ(nowhere.read(kKey), std::nullopt);
    EXPECT_FALSE(nowhere.write(kKey, "0"));
    EXPECT_EQ(nowhere.lastError(),
              "there is no settings file: neither XDG_CONFIG_HOME nor HOME is set");
}

// The file the desktop program's settings use: XDG_CONFIG_HOME when it is an
// absolute folder, else ~/.config; nowhere when neither is known.
TEST(SettingsFileTest, DefaultPathFollowsTheXdgRules) {
    using Environment = std::map<std::string, std::string>;
    const struct {
        Environment environment;
        const char* expected;
    } rows[] = {
        {{{"XDG_CONFIG_HOME", "/x"}, {"HOME", "/h"}}, "/x/Vornik/Vornik.conf"},
        {{{"XDG_CONFIG_HOME", "relative"}, {"HOME", "/h"}}, "/h/.config/Vornik/Vornik.conf"},
        {{{"XDG_CONFIG_HOME", ""}, {"HOME", "/h"}}, "/h/.config/Vornik/Vornik.conf"},
        {{{"HOME", ""}}, ""},
        {{}, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expected);
        const auto lookup = [&](const char* name) -> std::optional<std::string> {
            const auto found = row.environment.find(name);
            return found == row.environment.end() ? std::nullopt : std::optional(found->second);
        };
        EXPECT_EQ(SettingsFile::defaultPath(lookup), fs::path(row.expected));
    }
}

} // namespace
} // namespace vornik::cli
