// The headless printer when the print service cannot be reached: every
// question about the printer is answered with a sentence naming it, and
// nothing is printed. (Printing through a running service is tested by
// tests/cups against a cupsd of its own.)

#include "cli/headless_printer.h"
#include "support/temp_folder.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace vornik::cli {
namespace {

TEST(HeadlessPrinter, AServiceOutOfReachIsToldNamingThePrinter) {
    const testing::TempFolder folder;
    // libcups reads the server once, on first use: nothing in this process
    // has asked it before.
    ::setenv("CUPS_SERVER", (folder.path() / "no-service.sock").c_str(), 1);
    auto printer = headlessPrinter("office-laser", folder.path());
    EXPECT_EQ(printer.name(), "office-laser");
    EXPECT_EQ(printer.resolution(), std::nullopt);
    const auto problem = printer.problem();
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(*problem,
              "The printer office-laser cannot be used: the print service (CUPS) does not answer "
              "at " +
                  (folder.path() / "no-service.sock").string() + ".");
    EXPECT_EQ(printer.print({}), problem);
    ::unsetenv("CUPS_SERVER");
}

} // namespace
} // namespace vornik::cli
