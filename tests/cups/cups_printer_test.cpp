// The print service asked through libcups, against queues of a cupsd of the
// test's own: resolutions and paper as the queues' descriptions give them,
// and every reason a queue cannot print told in a sentence naming it.

#include "cups_queues.h"
#include "export/printing/cups_printer.h"
#include "export/printing/pdf_page_job.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace vornik::printing {
namespace {

using testing::cupsQueue;

// The paper with_cups_queues.sh gives each queue.
constexpr PaperSize kA4{21000, 29700};
constexpr PaperSize kLetter{21590, 27940};

TEST(CupsPrinter, ResolutionAndPaperAreTheQueuesOwn) {
    ASSERT_FALSE(cupsQueue("600").empty()) << testing::kNotStartedByScript;
    // clang-format off
    const struct { const char* suffix; PrinterResolution resolution; PaperSize paper; int pageDots; } rows[] = {
        {"600", {600, 600}, kA4, 600},
        {"300X600", {300, 600}, kLetter, 300},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.suffix);
        const std::string queue = cupsQueue(row.suffix);
        const auto resolution = printerResolution(queue);
        ASSERT_TRUE(std::holds_alternative<PrinterResolution>(resolution))
            << std::get<std::string>(resolution);
        EXPECT_EQ(std::get<PrinterResolution>(resolution), row.resolution);
        const auto paper = printerPaper(queue);
        ASSERT_TRUE(std::holds_alternative<PaperSize>(paper)) << std::get<std::string>(paper);
        EXPECT_EQ(std::get<PaperSize>(paper), row.paper);
        const auto setup = pageSetupFor(queue);
        ASSERT_TRUE(std::holds_alternative<PageSetup>(setup));
        EXPECT_EQ(std::get<PageSetup>(setup), (PageSetup{row.paper, row.pageDots}));
        EXPECT_EQ(printerProblem(queue), std::nullopt);
    }
}

TEST(CupsPrinter, EveryProblemIsASentenceNamingThePrinter) {
    ASSERT_FALSE(cupsQueue("600").empty()) << testing::kNotStartedByScript;
    const std::string stopped = cupsQueue("STOPPED");
    const std::string rejecting = cupsQueue("REJECTING");
    const std::string unknown = "nosuchprinter";
    const std::string notKnown =
        "There is no printer nosuchprinter: the print service (CUPS) does not know it.";
    EXPECT_EQ(printerProblem(stopped),
              "The printer " + stopped +
                  " is stopped: it prints nothing until its queue is started again.");
    EXPECT_EQ(printerProblem(rejecting),
              "The printer " + rejecting +
                  " is not accepting jobs: a page sent to it now would be turned away.");
    EXPECT_EQ(printerProblem(unknown), notKnown);
    EXPECT_EQ(std::get<std::string>(printerResolution(unknown)), notKnown);
    EXPECT_EQ(std::get<std::string>(printerPaper(unknown)), notKnown);
}

// A job the service turns away comes back with the service's reason.
TEST(CupsPrinter, ARefusedJobIsToldWithTheServicesReason) {
    ASSERT_FALSE(cupsQueue("600").empty()) << testing::kNotStartedByScript;
    const testing::TempFolder folder;
    const auto pdf = folder.write("page.pdf", "%PDF-1.4\n%%EOF\n");
    const std::string rejecting = cupsQueue("REJECTING");
    const auto refused = submitPdf(rejecting, pdf);
    ASSERT_TRUE(refused.has_value());
    EXPECT_TRUE(refused->starts_with("The printer " + rejecting + " did not take the page: "))
        << *refused;
    EXPECT_GT(refused->size(), ("The printer " + rejecting + " did not take the page: .").size());
    const auto missing = submitPdf(cupsQueue("600"), folder.path() / "none.pdf");
    ASSERT_TRUE(missing.has_value());
    EXPECT_TRUE(
        missing->starts_with("The printer " + cupsQueue("600") + " did not take the page: "))
        << *missing;
}

} // namespace
} // namespace vornik::printing
