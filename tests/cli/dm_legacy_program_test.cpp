// The program draws ECC 000 to 140 Data Matrix symbols from our own encoder.

#include "cli/run_in.h"
#include "core/twod/dm_legacy_encoder.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <regex>
#include <string>

namespace vornik::cli {
namespace {

using vornik::testing::readFile;
using vornik::testing::TempFolder;

// The dark modules of a saved SVG (one square per module, the first at 0,0)
// as a matrix of `size` modules a side.
twod::ModuleMatrix svgModules(const std::string& svg, int size) {
    const std::regex view(R"re(viewBox="0 0 (\d+) (\d+)")re");
    std::smatch match;
    if (!std::regex_search(svg, match, view) || match[1] != match[2])
        return {};
    const int side = std::stoi(match[1]);
    if (side % size != 0)
        return {};
    const int module = side / size;
    twod::ModuleMatrix matrix(size, size);
    const std::regex dark(
        R"re(<rect x="(\d+)" y="(\d+)" width="(\d+)" height="(\d+)" fill="#000000"/>)re");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), dark); it != std::sregex_iterator();
         ++it) {
        if (std::stoi((*it)[3]) != module || std::stoi((*it)[4]) != module)
            return {};
        matrix.set(std::stoi((*it)[2]) / module + 1, std::stoi((*it)[1]) / module + 1, true);
    }
    return matrix;
}

TEST(DmLegacyProgramTest, SavesTheSymbolOfOurEncoder) {
    const struct {
        const char* name;
        const char* commands;
        twod::LegacyLevel level;
        int dmFormat;
        const char* message;
        int size;
    } cases[] = {
        {"Ecc140Numeric", "[dmecc=140][dmformat=1][message='0123 4567']", twod::LegacyLevel::Ecc140,
         1, "0123 4567", 21},
        {"Ecc000Base41", "[dmecc=0][dmformat=4][message='AB12-X']", twod::LegacyLevel::Ecc000, 4,
         "AB12-X", 11},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        const std::string commands = std::string("[datamatrix]") + row.commands +
                                     "[dmmodulesize=20][build/copy][savebarcode(d.svg)]";
        ASSERT_EQ(
            runIn(folder.path(), shellWord(VORNIK_PROGRAM) + " --exec " + shellWord(commands)), 0)
            << readFile(folder.path() / "err");
        const twod::LegacySymbol expected =
            twod::encodeLegacyDataMatrix(row.level, row.dmFormat, row.message, 0);
        ASSERT_EQ(expected.matrix.rows(), row.size);
        EXPECT_EQ(svgModules(readFile(folder.path() / "d.svg"), row.size), expected.matrix);
    }
}

} // namespace
} // namespace vornik::cli
