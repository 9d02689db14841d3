// Runs the built program on input it must refuse without hanging or losing
// anything: pipes named as files, file names holding a NUL character, and a
// command that needs more memory than the run may have.

#include "run_in.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

// GCC says it builds with AddressSanitizer by a macro, clang by a feature.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VORNIK_WITH_ADDRESS_SANITIZER 1
#endif
#endif
#ifndef VORNIK_WITH_ADDRESS_SANITIZER
#define VORNIK_WITH_ADDRESS_SANITIZER 0
#endif

namespace vornik::cli {
namespace {

using vornik::testing::readFile;
using vornik::testing::TempFolder;
namespace fs = std::filesystem;

// At most this long for a run that must not wait on its input: a run that
// hangs is stopped and fails its test with timeout's status 124.
const std::string kPatience = "timeout 20 ";

int vornik(const TempFolder& folder, const std::string& arguments,
           const std::string& before = kPatience) {
    return runIn(folder.path(), before + shellWord(VORNIK_PROGRAM) + " " + arguments);
}

std::string err(const TempFolder& folder) {
    return readFile(folder.path() / "err");
}

// A pipe given where a file is read is refused at once with a sentence,
// never waited on; the job goes on.
TEST(BadInputProgram, PipesAreRefusedAsInput) {
    const struct {
        std::string arguments;
        int status;
    } rows[] = {
        {"--exec \"[openconfig(pipe)][savebarcode(x.wmf)]\"", 2},
        {"--exec \"[code39][openmsgfile(pipe)]\"", 2},
        {"--exec \"[code39][readmsgfile(pipe)]\"", 2},
        {"pipe --exec \"[code39]\"", 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments);
        const TempFolder folder;
        ASSERT_EQ(::mkfifo((folder.path() / "pipe").c_str(), 0600), 0);
        EXPECT_EQ(vornik(folder, row.arguments), row.status);
        EXPECT_NE(err(folder).find("File: pipe could not be used: it is a pipe, not a file."),
                  std::string::npos)
            << err(folder);
    }
}

// A configuration file can carry a NUL character into the file names it
// holds; such a name is refused with a sentence, at once.
TEST(BadInputProgram, FileNamesHoldingNulAreRefused) {
    const TempFolder folder;
    ASSERT_EQ(vornik(folder, "--exec \"[code39][message='NUL'][build/copy][savebarcode(saved.wmf)]"
                             "[saveconfig(job.vkf)]\""),
              0)
        << err(folder);
    std::string job = readFile(folder.path() / "job.vkf");
    const auto saved = job.find("saved.wmf");
    ASSERT_NE(saved, std::string::npos);
    job.replace(saved, 9, std::string("sav\0ed.wmf", 10));
    folder.write("job.vkf", job);
    folder.write("sav", "someone else's file");
    EXPECT_EQ(vornik(folder, "job.vkf --exec \"[build/copy][savebarcode]\""), 2);
    EXPECT_NE(err(folder).find(": the file name holds a NUL character."), std::string::npos)
        << err(folder);
    EXPECT_EQ(readFile(folder.path() / "sav"), "someone else's file");
}

// Running out of memory abandons the one command with a sentence: the run
// goes on with the next command, saves what it is asked to, removes its
// temporary file and ends with status 2. A 200 MB message file cannot be
// opened within 150 MB of address space.
TEST(BadInputProgram, RunningOutOfMemoryAbandonsOneCommand) {
#if defined(__SANITIZE_ADDRESS__) || VORNIK_WITH_ADDRESS_SANITIZER
    GTEST_SKIP() << "an address space limit cannot be set on a program built with "
                    "AddressSanitizer, which reserves terabytes for its shadow memory";
#endif
    const TempFolder folder;
    fs::create_directory(folder.path() / "tmp");
    fs::resize_file(folder.write("huge.txt", ""), 200u << 20);
    EXPECT_EQ(vornik(folder,
                     "--exec \"[code128][message='AFTER'][build/copy][openmsgfile(huge.txt)]"
                     "[savebarcode(after.svg)]\"",
                     "TMPDIR=\"$PWD/tmp\" prlimit --as=157286400 "),
              2);
    EXPECT_EQ(err(folder), "Vornik: There was not enough memory to carry out "
                           "[openmsgfile(huge.txt)]; it was abandoned.\n"
                           "vornik: refused [OPENMSGFILE(huge.txt)]: there was not enough memory "
                           "to carry it out\n");
    EXPECT_NE(readFile(folder.path() / "after.svg").find("<svg"), std::string::npos);
    EXPECT_TRUE(fs::is_empty(folder.path() / "tmp"));
    EXPECT_TRUE(fs::exists(folder.path() / "config" / "Vornik" / "Vornik.conf"));
}

// A message file of ten million short lines (20 MB) is held in little more
// than its size: it opens and steps within 120 MB of address space, the
// program itself included.
TEST(BadInputProgram, AMessageFileOfManyLinesFitsInLittleMoreThanItsSize) {
#if defined(__SANITIZE_ADDRESS__) || VORNIK_WITH_ADDRESS_SANITIZER
    GTEST_SKIP() << "an address space limit cannot be set on a program built with "
                    "AddressSanitizer, which reserves terabytes for its shadow memory";
#endif
    const TempFolder folder;
    std::string lines;
    lines.reserve(20'000'002);
    for (int n = 0; n < 10'000'000; ++n)
        lines += "A\n";
    folder.write("lines.txt", lines + "LAST\n");
    EXPECT_EQ(vornik(folder,
                     "--exec \"[code128][openmsgfile(lines.txt)][next][savebarcode(second.svg)]\"",
                     "prlimit --as=125829120 "),
              0)
        << err(folder);
    EXPECT_NE(readFile(folder.path() / "second.svg").find("<svg"), std::string::npos);
}

} // namespace
} // namespace vornik::cli
