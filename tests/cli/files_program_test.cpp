// Runs the built program on message files, numbering and configuration
// files, and compares each symbol it saves with the same symbol built from
// its message directly.

#include "run_in.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <string>

namespace vornik::cli {
namespace {

using vornik::testing::readFile;
using vornik::testing::TempFolder;

int vornik(const TempFolder& folder, const std::string& arguments) {
    return runIn(folder.path(), shellWord(VORNIK_PROGRAM) + " " + arguments);
}

// The symbol the program saves for MESSAGE built directly, as FILE.
std::string direct(const TempFolder& folder, const std::string& symbology,
                   const std::string& message, const std::string& file) {
    EXPECT_EQ(vornik(folder, "--exec \"[" + symbology + "][message='" + message +
                                 "'][build/copy][savebarcode(" + file + ")]\""),
              0);
    return readFile(folder.path() / file);
}

TEST(FilesProgram, MessageFileLinesBuildOneSymbolEach) {
    const TempFolder folder;
    folder.write("m.txt", "FIRST-1\r\nSECOND-2\r\n");
    ASSERT_EQ(vornik(folder, "--exec \"[code128][openmsgfile(m.txt)][savebarcode(a.wmf)][next]"
                             "[savebarcode(b.wmf)]\""),
              0)
        << readFile(folder.path() / "err");
    const std::string a = readFile(folder.path() / "a.wmf");
    const std::string b = readFile(folder.path() / "b.wmf");
    EXPECT_EQ(a, direct(folder, "code128", "FIRST-1", "ra.wmf"));
    EXPECT_EQ(b, direct(folder, "code128", "SECOND-2", "rb.wmf"));
    EXPECT_NE(a, b);
    EXPECT_EQ(vornik(folder, "--exec \"[code128][openmsgfile(m.txt)][next][next]\""), 1);
}

TEST(FilesProgram, NumberingStepsTheSerialNumber) {
    const TempFolder folder;
    ASSERT_EQ(vornik(folder, "--exec \"[code128][incpreamble='A'][incstart=7][incwidth=3]"
                             "[incenable][next][savebarcode(n.wmf)]\""),
              0)
        << readFile(folder.path() / "err");
    EXPECT_EQ(readFile(folder.path() / "n.wmf"), direct(folder, "code128", "A008", "r.wmf"));
}

TEST(FilesProgram, AConfigurationFileArgumentIsTheJobTheCommandsActOn) {
    const TempFolder folder;
    ASSERT_EQ(vornik(folder, "--exec \"[code93][message='CFG-9'][barwidth=20]"
                             "[saveconfig(job.vkf)]\""),
              0);
    ASSERT_EQ(vornik(folder, "job.vkf --exec \"[build/copy][savebarcode(c.wmf)]\""), 0)
        << readFile(folder.path() / "err");
    const std::string loaded = readFile(folder.path() / "c.wmf");
    ASSERT_FALSE(loaded.empty());
    ASSERT_EQ(vornik(folder, "--exec \"[code93][message='CFG-9'][barwidth=20][build/copy]"
                             "[savebarcode(d.wmf)]\""),
              0);
    EXPECT_EQ(loaded, readFile(folder.path() / "d.wmf"));
    EXPECT_EQ(vornik(folder, "job.vkf"), 0);
    EXPECT_EQ(vornik(folder, "--exec \"[code93][saveconfig]\""), 1);
    EXPECT_EQ(readFile(folder.path() / "err"),
              "vornik: \"Save Vornik Configuration As\" needs a file dialog, which this program "
              "does not have; answered Cancel (name the file in the command, as in "
              "[saveconfig(FILE)])\n"
              "vornik: refused [SAVECONFIG]: the configuration could not be saved\n");
    folder.write("bad.vkf", "not a job\r\n");
    EXPECT_EQ(vornik(folder, "bad.vkf"), 2);
    EXPECT_EQ(readFile(folder.path() / "err"),
              "Vornik: File: bad.vkf is not a valid VORNIK configuration file!\n");
}

} // namespace
} // namespace vornik::cli
