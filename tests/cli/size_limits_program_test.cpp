// Runs the built program on symbols too large for a picture and on files
// whose numbers no setting can take: each run ends with the reason and
// writes no picture.

#include "core/files/config_file.h"
#include "run_in.h"
#include "support/config_lines.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace vornik::cli {
namespace {

using vornik::testing::readFile;
using vornik::testing::TempFolder;
using vornik::testing::withLine;

const std::string kTooWide =
    "Vornik: Cannot Create Bar Code!  Total Width exceeds system limit.\r"
    "Try reducing the Narrow Bar Width or the length of the Bar Code Text.\n";
const std::string kTooTall = "Vornik: Cannot Create Bar Code!  Total Height exceeds system limit.\r"
                             "Try reducing the Bar Code Height or the font size.\n";
const std::string kPdfTooLarge = "Vornik: Module Height or Width values exceed system limits!  "
                                 "Please enter smaller values for these parameters.\n";
const std::string kNotAConfiguration =
    "Vornik: File: big.vkf is not a valid VORNIK configuration file!\n"
    "Vornik: Missing or invalid bar code message!  Please re-enter bar code text.\n";

// A job with a message, saved with one line of its file replaced.
std::string configurationWith(int line, const std::string& text) {
    files::ConfigurationRecord record;
    record.job.Message = "ABC";
    record.job.Comment = "lot";
    return withLine(files::writeConfigurationBytes(record), line, text);
}

struct SizeCase {
    const char* name;
    std::string configuration; // big.vkf, given as the file to open; none when empty
    std::string commands;
    std::string err;
};

TEST(SizeLimitsProgram, TooLargeEndsWithTheReasonAndNoPicture) {
    // clang-format off
    const SizeCase rows[] = {
        {"FontSizeOfTheReport", configurationWith(testing::kFontSizeLine, " 2147483647 "), "", kNotAConfiguration},
        {"RasterResolutionOfTheReport", configurationWith(testing::kRasterResolutionLine, " 2147483647"), "", kNotAConfiguration},
        {"AztecModuleSize", "", "[aztec][message='ABC'][aztecmodulesize=1e9]", "Cannot Create Bar Code!: Invalid module size.\n"},
        {"DataMatrixModuleSize", "", "[datamatrix][message='ABC'][dmmodulesize=1e30]", kTooWide},
        {"LinearBarWidth", "", "[code39][message='ABC'][barwidth=1e30]", kTooWide},
        {"LinearFontSize", "", "[code39][message='ABC'][fontsize=32767]", kTooTall},
        {"LinearCommentFont", "", "[code39][message='ABC'][text=off][comment=lot][fontsize=32767]", kTooTall},
        {"RssFontSize", "", "[rss14][message='1234567890123'][fontsize=32767]", kTooTall},
        {"Pdf417ModuleHeight", "", "[pdf417][message='ABC'][pdfmoduleheight=1e30]", kPdfTooLarge},
        {"Pdf417ModuleWidth", "", "[pdf417][message='ABC'][pdfmodulewidth=1e9]", kPdfTooLarge},
    };
    // clang-format on
    for (const SizeCase& row : rows) {
        SCOPED_TRACE(row.name);
        const TempFolder folder;
        std::string arguments;
        if (!row.configuration.empty()) {
            folder.write("big.vkf", row.configuration);
            arguments = " big.vkf";
        }
        arguments += " --exec " + shellWord(row.commands + "[build/copy][savebarcode(x.png)]");
        EXPECT_EQ(runIn(folder.path(), shellWord(VORNIK_PROGRAM) + arguments), 2);
        // The save that follows is refused, and says so.
        EXPECT_EQ(readFile(folder.path() / "err"),
                  row.err +
                      "vornik: refused [SAVEBARCODE(x.png)]: no symbol has been built to save\n");
        EXPECT_FALSE(std::filesystem::exists(folder.path() / "x.png"));
    }
}

} // namespace
} // namespace vornik::cli
