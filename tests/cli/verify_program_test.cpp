// vornik --verify reads back every image file a headless run saves.

#include "cli/command_line.h"
#include "cli/run_in.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <string>

namespace vornik::cli {
namespace {

using vornik::testing::readFile;
using vornik::testing::TempFolder;

struct VerifyCase {
    const char* name;
    const char* commands;
    int exitStatus;
    const char* err;
    const char* environment = "";
};

// clang-format off
const VerifyCase kCases[] = {
    {"Reads", "[code128][message='ABC-1'][build/copy][savebarcode(a.png)]", 0,
     "vornik: a.png reads back as \"ABC-1\"\n"},
    {"CheckDigitAndAddOn", "[upca][message='03600029145'][supplement=12][build/copy][savebarcode(u.bmp)]", 0,
     "vornik: u.bmp reads back as \"036000291452 12\"\n"},
    {"Vectors", "[code128][message='ABC'][build/copy][savebarcode(a.svg)][savebarcode(a.eps)][savebarcode(a.pdf)]", 0,
     "vornik: a.svg reads back as \"ABC\"\nvornik: a.eps reads back as \"ABC\"\nvornik: a.pdf reads back as \"ABC\"\n"},
    {"VectorWithoutDrawer", "[code128][message='ABC'][build/copy][savebarcode(a.eps)]", 0,
     "vornik: a.eps is not verifiable: the file cannot be read back here: it needs gs (Debian package ghostscript) to be drawn for reading\n",
     "env PATH=/nonexistent "},
    {"Postnet", "[postnet][message='12345'][build/copy][savebarcode(p.png)]", 0,
     "vornik: p.png is not verifiable: POSTNET cannot be read back\n"},
    {"DataMatrixEcc140", "[datamatrix][dmecc=140][dmformat=1][message='0123 4567'][build/copy][savebarcode(d.png)]", 0,
     "vornik: d.png is not verifiable: Data Matrix ECC 000 to 140 cannot be read back\n"},
    {"TooCoarse", "[code128][message='ABCDEFGHIJKLMNOP'][rasterimageresolution=20][jpegquality=1][build/copy][savebarcode(c.jpg)]", 2,
     "vornik: c.jpg does not read back right: no Code128 symbol could be read back from the file\n"},
};
// clang-format on

TEST(VerifyProgramTest, EverySavedImageIsReadBackAndTold) {
    for (const VerifyCase& row : kCases) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        const std::string commands = std::string("[printwarnings=off]") + row.commands;
        EXPECT_EQ(runIn(folder.path(), row.environment + shellWord(VORNIK_PROGRAM) +
                                           " --verify --exec " + shellWord(commands)),
                  row.exitStatus);
        EXPECT_EQ(readFile(folder.path() / "err"), row.err);
    }
}

TEST(VerifyProgramTest, VerifyGoesWithTheProgramThatSaves) {
    const auto parsed = parseCommandLine({"--verify", "--exec", "[code39]"});
    ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed));
    EXPECT_TRUE(std::get<CommandLine>(parsed).verify);
    for (const auto& arguments : {std::vector<std::string>{"--verify", "--send", "[x]"},
                                  std::vector<std::string>{"--verify", "--serve"}})
        EXPECT_EQ(parseCommandLine(arguments),
                  ParsedCommandLine(CommandLineError{
                      "--verify goes with --exec: it reads back the files this program saves"}));
}

} // namespace
} // namespace vornik::cli
