// The headless program writes SVG and EPS itself; raster images by the raster
// module beside it, which needs no Qt, and PDF by the converter module, which
// does.

#include "run_in.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace vornik::cli {
namespace {

namespace fs = std::filesystem;
using vornik::testing::readFile;
using vornik::testing::TempFolder;

// Neither the program nor the raster module links Qt; the program links no
// image or font library either, which only raster images need.
TEST(ImageConverterModule, TheProgramAndTheRasterModuleLinkNoQt) {
    const TempFolder folder;
    const std::string rasterModule =
        (fs::path(VORNIK_PROGRAM).parent_path() / "vornik-raster.so").string();
    const struct {
        std::string file;
        std::vector<std::string> absent;
    } rows[] = {
        {VORNIK_PROGRAM, {"Qt", "libfreetype", "libfontconfig", "libtiff", "libjpeg"}},
        {rasterModule, {"Qt"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        ASSERT_EQ(runIn(folder.path(), "ldd '" + row.file + "'"), 0);
        const std::string libraries = readFile(folder.path() / "out");
        ASSERT_NE(libraries.find("libc.so"), std::string::npos);
        for (const std::string& library : row.absent)
            EXPECT_EQ(libraries.find(library), std::string::npos) << library << ":\n" << libraries;
    }
}

// A copy of the program without the modules beside it still writes vector
// files, and says plainly why it cannot write a PNG or a PDF, naming the
// module each needs.
TEST(ImageConverterModule, WithoutTheModulesRasterAndPdfOutputIsRefusedPlainly) {
    const TempFolder folder;
    const fs::path program = folder.path() / "vornik";
    fs::copy_file(VORNIK_PROGRAM, program);
    const std::string build = "[code39][message='A'][build/copy]";
    EXPECT_EQ(runIn(folder.path(), "./vornik --exec \"" + build + "[savebarcode(a.svg)]\""), 0);
    EXPECT_TRUE(readFile(folder.path() / "a.svg").starts_with("<?xml"));
    for (const auto& [file, module] :
         {std::pair{"a.png", "vornik-raster.so"}, std::pair{"a.pdf", "vornik-wmfconv.so"}}) {
        SCOPED_TRACE(file);
        EXPECT_EQ(
            runIn(folder.path(), "./vornik --exec \"" + build + "[savebarcode(" + file + ")]\""),
            2);
        const std::string error = readFile(folder.path() / "err");
        EXPECT_TRUE(error.starts_with(std::string("Vornik: The bar code could not be saved to ") +
                                      file + ": the image converter " +
                                      (folder.path() / module).string() + " could not be loaded ("))
            << error;
        EXPECT_FALSE(fs::exists(folder.path() / file));
    }
}

} // namespace
} // namespace vornik::cli
