// The headless program writes SVG and EPS itself and needs Qt only for the
// converter module beside it, which it loads for raster and PDF output.

#include "run_in.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace vornik::cli {
namespace {

namespace fs = std::filesystem;
using vornik::testing::readFile;
using vornik::testing::TempFolder;

TEST(ImageConverterModule, TheProgramLinksNoQt) {
    const TempFolder folder;
    ASSERT_EQ(runIn(folder.path(), std::string("ldd '") + VORNIK_PROGRAM + "'"), 0);
    const std::string libraries = readFile(folder.path() / "out");
    ASSERT_NE(libraries.find("libc.so"), std::string::npos);
    EXPECT_EQ(libraries.find("Qt"), std::string::npos) << libraries;
}

// A copy of the program without the module beside it still writes vector
// files, and says plainly why it cannot write a PNG.
TEST(ImageConverterModule, WithoutTheModuleRasterOutputIsRefusedPlainly) {
    const TempFolder folder;
    const fs::path program = folder.path() / "vornik";
    fs::copy_file(VORNIK_PROGRAM, program);
    const std::string build = "[code39][message='A'][build/copy]";
    EXPECT_EQ(runIn(folder.path(), "./vornik --exec \"" + build + "[savebarcode(a.svg)]\""), 0);
    EXPECT_TRUE(readFile(folder.path() / "a.svg").starts_with("<?xml"));
    EXPECT_EQ(runIn(folder.path(), "./vornik --exec \"" + build + "[savebarcode(a.png)]\""), 2);
    const std::string error = readFile(folder.path() / "err");
    EXPECT_TRUE(error.starts_with("Vornik: The bar code could not be saved to a.png: the image "
                                  "converter " +
                                  (folder.path() / "vornik-wmfconv.so").string() +
                                  " could not be loaded ("))
        << error;
    EXPECT_FALSE(fs::exists(folder.path() / "a.png"));
}

} // namespace
} // namespace vornik::cli
