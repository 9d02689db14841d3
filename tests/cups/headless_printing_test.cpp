// The headless program's printer against queues of a cupsd of the test's
// own: a page goes through the converter module and the print service into
// a PDF file the cups-pdf queue writes, which Poppler renders and ZXing
// reads; a page no queue can take is told in a sentence and leaves nothing.

#include "cli/command_line.h"
#include "cli/headless_printer.h"
#include "cli/run_in.h"
#include "cups_queues.h"
#include "desktop/guide_pages.h"
#include "export/printing/printed_page.h"
#include "support/temp_folder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <regex>

namespace vornik::cli {
namespace {

namespace fs = std::filesystem;
using testing::cupsOutput;
using testing::cupsQueue;

constexpr int kDpi = 600;

fs::path programDirectory() {
    return fs::path(VORNIK_PROGRAM).parent_path();
}

// The one page the queue of SUFFIX printed has PICTURE with its corner at
// LEFT, TOP inches from the paper's corner, at true size: its dark pixels
// lie where they must within a tenth of a millimetre, and ZXing reads it.
void expectPrintedAt(const std::string& suffix, const render::CurrentPicture& picture, double left,
                     double top, const std::string& message) {
    const fs::path pdf = testing::printedPdf(cupsQueue(suffix), cupsOutput(suffix));
    ASSERT_FALSE(pdf.empty()) << "no page came out of " << cupsQueue(suffix);
    const testing::TempFolder folder;
    const QImage page = printing::renderPdfCorner(pdf, folder.path() / "page", kDpi, 4, 4);
    ASSERT_FALSE(page.isNull());
    const QRect box = printing::darkBox(page);
    const QRect expected = printing::expectedDarkBox(picture, left, top, kDpi);
    const double tolerance = printing::tenthMillimetre(kDpi);
    EXPECT_NEAR(box.left(), expected.left(), tolerance);
    EXPECT_NEAR(box.top(), expected.top(), tolerance);
    EXPECT_NEAR(box.right(), expected.right(), tolerance);
    EXPECT_NEAR(box.bottom(), expected.bottom(), tolerance);
    EXPECT_EQ(printing::decodeArea(page, box, ZXing::BarcodeFormat::Code128), message);
}

// Nothing came out of the queue of SUFFIX, and nothing waits in it.
void expectNothingPrinted(const std::string& queue, const fs::path& folder) {
    EXPECT_FALSE(testing::jobsPending(queue)) << queue;
    if (!folder.empty()) {
        EXPECT_TRUE(testing::pdfFiles(folder).empty()) << folder;
    }
}

TEST(HeadlessPrinting, PageLandsAtItsMarginsOnEachQueue) {
    ASSERT_FALSE(cupsQueue("600").empty()) << testing::kNotStartedByScript;
    const render::CurrentPicture picture = printing::builtPicture(printing::kEdgeToEdgeSymbol);
    ASSERT_NE(picture.metafile, nullptr);
    for (const char* suffix : {"600", "300X600"}) {
        SCOPED_TRACE(suffix);
        testing::clearOutput(cupsOutput(suffix));
        auto printer = headlessPrinter(cupsQueue(suffix), programDirectory());
        EXPECT_EQ(printer.name(), cupsQueue(suffix));
        EXPECT_EQ(printer.problem(), std::nullopt);
        ASSERT_EQ(printer.print({{picture, 1.0, 0.5}}), std::nullopt);
        expectPrintedAt(suffix, picture, 1.0, 0.5, printing::kEdgeToEdgeMessage);
    }
}

TEST(HeadlessPrinting, APageNoQueueTakesIsToldAndLeavesNothing) {
    ASSERT_FALSE(cupsQueue("600").empty()) << testing::kNotStartedByScript;
    const render::CurrentPicture picture = printing::builtPicture(printing::kEdgeToEdgeSymbol);
    // clang-format off
    const struct { const char* name; std::string queue; fs::path output; std::string says; } rows[] = {
        {"Unknown", "nosuchprinter", {}, "There is no printer nosuchprinter: the print service (CUPS) does not know it."},
        {"Stopped", cupsQueue("STOPPED"), cupsOutput("STOPPED"), "The printer " + cupsQueue("STOPPED") + " is stopped"},
        {"Rejecting", cupsQueue("REJECTING"), cupsOutput("REJECTING"), "The printer " + cupsQueue("REJECTING") + " is not accepting jobs"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        auto printer = headlessPrinter(row.queue, programDirectory());
        const auto problem = printer.problem();
        ASSERT_TRUE(problem.has_value());
        EXPECT_TRUE(problem->starts_with(row.says)) << *problem;
        EXPECT_EQ(printer.print({{picture, 1.0, 0.5}}), problem);
        EXPECT_EQ(printer.resolution().has_value(), row.name != std::string("Unknown"));
        expectNothingPrinted(row.queue, row.output);
    }
}

// Without --printer the host prints on the service's default printer, and
// says so plainly when there is none.
TEST(HeadlessPrinting, WithoutANameTheDefaultPrinterPrints) {
    ASSERT_FALSE(cupsQueue("600").empty()) << testing::kNotStartedByScript;
    auto printer = headlessPrinter(std::nullopt, programDirectory());
    EXPECT_EQ(printer.name(), "");
    EXPECT_EQ(printer.resolution(), std::nullopt);
    const std::string none = "There is no printer to print on: the print service (CUPS) has no "
                             "default printer. Name one with --printer NAME.";
    EXPECT_EQ(printer.problem(), none);
    EXPECT_EQ(printer.print({}), none);
    ASSERT_EQ(std::system(("lpadmin -d " + cupsQueue("300X600")).c_str()), 0);
    EXPECT_EQ(printer.name(), cupsQueue("300X600"));
    EXPECT_EQ(printer.resolution(), (PrinterResolution{300, 600}));
    EXPECT_EQ(printer.problem(), std::nullopt);
}

// The help's printing example, on a queue of the test's own.
std::string helpPrintingExample(const std::string& queue) {
    const std::string help(helpText());
    std::smatch example;
    if (!std::regex_search(help, example, std::regex("vornik --printer office-laser [^\n]*")))
        return "";
    return std::regex_replace(example.str(), std::regex("office-laser"), queue);
}

TEST(ProgramPrinting, TheHelpsExamplePrintsAtItsMargins) {
    ASSERT_FALSE(cupsQueue("600").empty()) << testing::kNotStartedByScript;
    const std::string example = helpPrintingExample(cupsQueue("600"));
    std::smatch commands;
    ASSERT_TRUE(std::regex_search(example, commands, std::regex(R"(--exec "(.*)\[print\]")")))
        << example;
    // The same symbol built here tells where its bars must land.
    const render::CurrentPicture picture = printing::builtPicture(commands[1]);
    ASSERT_NE(picture.metafile, nullptr);
    for (const char* suffix : {"600", "300X600"}) {
        SCOPED_TRACE(suffix);
        testing::clearOutput(cupsOutput(suffix));
        const testing::TempFolder folder;
        const std::string line =
            shellWord(VORNIK_PROGRAM) + helpPrintingExample(cupsQueue(suffix)).substr(6);
        ASSERT_EQ(runIn(folder.path(), line), 0) << testing::readFile(folder.path() / "err");
        expectPrintedAt(suffix, picture, 1.0, 0.5, "VORNIK");
    }
}

// The printing examples of the README (its "shell" blocks, which the
// examples test leaves to this one) and of the guide's printing page (which
// its examples test leaves too), each on a queue of the test's own.
std::vector<std::string> readmePrintingExamples() {
    std::ifstream readme(fs::path(VORNIK_SOURCE_DIRECTORY) / "README.md");
    std::vector<std::string> examples;
    bool inBlock = false;
    for (std::string line; std::getline(readme, line);) {
        if (line.starts_with("```"))
            inBlock = line == "```shell";
        else if (inBlock && line.starts_with("build/vornik --printer office-laser "))
            examples.push_back(line.substr(std::string_view("build/").size()));
    }
    return examples;
}

std::vector<std::string> guidePrintingExamples() {
    std::vector<std::string> examples;
    const auto page =
        guide::commandExamples(testing::readFile(guide::guideFolder() / "printing.html"));
    for (const guide::CommandExample& example : page.examples)
        if (example.command.find(guide::kPrintingExampleQueue) != std::string::npos)
            examples.push_back(example.command);
    return examples;
}

// EXAMPLE ("vornik --printer office-laser ...") as run on QUEUE.
std::string onQueue(const std::string& example, const std::string& queue) {
    return shellWord(VORNIK_PROGRAM) +
           std::regex_replace(example.substr(std::string_view("vornik").size()),
                              std::regex("office-laser"), shellWord(queue));
}

// One symbol at its margins; then two labels on one sheet, each read where
// its margins put it. The README and the guide show the same two.
TEST(ProgramPrinting, TheReadmesAndGuidesExamplesPrint) {
    ASSERT_FALSE(cupsQueue("600").empty()) << testing::kNotStartedByScript;
    for (const auto& examples : {readmePrintingExamples(), guidePrintingExamples()}) {
        ASSERT_EQ(examples.size(), 2u);
        SCOPED_TRACE(examples[0]);
        const testing::TempFolder folder;
        testing::clearOutput(cupsOutput("600"));
        ASSERT_EQ(runIn(folder.path(), onQueue(examples[0], cupsQueue("600"))), 0)
            << testing::readFile(folder.path() / "err");
        expectPrintedAt("600", printing::builtPicture("[code128][message='VORNIK']"), 1.0, 0.5,
                        "VORNIK");

        testing::clearOutput(cupsOutput("600"));
        ASSERT_EQ(runIn(folder.path(), onQueue(examples[1], cupsQueue("600"))), 0)
            << testing::readFile(folder.path() / "err");
        const fs::path pdf = testing::printedPdf(cupsQueue("600"), cupsOutput("600"));
        ASSERT_FALSE(pdf.empty());
        EXPECT_EQ(testing::pdfFiles(cupsOutput("600")).size(), 1u);
        const QImage page = printing::renderPdfCorner(pdf, folder.path() / "page", kDpi, 4, 4);
        ASSERT_FALSE(page.isNull());
        // Each label's band: from its top margin, an inch and a quarter down.
        const auto band = [](double top) {
            return QRect(0, static_cast<int>(top * kDpi), 4 * kDpi, static_cast<int>(1.25 * kDpi));
        };
        EXPECT_EQ(printing::decodeArea(page, printing::darkBox(page, band(1.0)),
                                       ZXing::BarcodeFormat::Code128),
                  "LOT-1");
        EXPECT_EQ(printing::decodeArea(page, printing::darkBox(page, band(2.5)),
                                       ZXing::BarcodeFormat::Code128),
                  "LOT-2");
    }
}

// The widths of dark and light runs along the row Y of IMAGE, from its
// first dark pixel to its last.
std::vector<int> runsAlong(const QImage& image, int y) {
    std::vector<int> runs;
    bool dark = false;
    int start = -1;
    for (int x = 0; x < image.width(); ++x) {
        const bool here = qGray(image.pixel(x, y)) < 128;
        if (start < 0 && !here)
            continue;
        if (start < 0 || here != dark) {
            if (start >= 0)
                runs.push_back(x - start);
            start = x;
            dark = here;
        }
    }
    return runs;
}

// Fitted to a 300 dpi target, a 7-mil Code 128 prints on the 300 dpi queue
// with every bar edge on a whole dot and its narrow bars and spaces three
// dots wide. Symbols are kept in whole 0.01 mm, where three dots are 25.4,
// so now and then an element comes out a dot narrower: at most one in ten.
TEST(ProgramPrinting, FittedBarsAreWholeDots) {
    ASSERT_FALSE(cupsQueue("300X600").empty()) << testing::kNotStartedByScript;
    const testing::TempFolder folder;
    testing::clearOutput(cupsOutput("300X600"));
    const std::string line =
        shellWord(VORNIK_PROGRAM) + " --printer " + shellWord(cupsQueue("300X600")) +
        " --exec \"[horizontaldpi=300][verticaldpi=300]" + printing::kEdgeToEdgeSymbol +
        "[barwidth=7][fittodots][leftprintmargin=1][topprintmargin=1][build/copy][print]\"";
    ASSERT_EQ(runIn(folder.path(), line), 0) << testing::readFile(folder.path() / "err");
    const fs::path pdf = testing::printedPdf(cupsQueue("300X600"), cupsOutput("300X600"));
    ASSERT_FALSE(pdf.empty());
    constexpr int kFine = 1200; // four pixels to a dot
    const QImage page = printing::renderPdfCorner(pdf, folder.path() / "page", kFine, 4, 2);
    ASSERT_FALSE(page.isNull());
    const std::vector<int> runs = runsAlong(page, static_cast<int>(1.5 * kFine));
    ASSERT_GT(runs.size(), 50u);
    int narrow = 0;
    int threeDots = 0;
    for (const int run : runs) {
        EXPECT_EQ(run % 4, 0) << run << " pixels is not a whole number of dots";
        if (run <= 4 * 4) {
            ++narrow;
            threeDots += run == 3 * 4 ? 1 : 0;
        }
    }
    EXPECT_GE(threeDots * 10, narrow * 9) << threeDots << " of " << narrow;
    EXPECT_EQ(printing::decodeArea(page, printing::darkBox(page), ZXing::BarcodeFormat::Code128),
              printing::kEdgeToEdgeMessage);
}

TEST(ProgramPrinting, FailuresAreToldWithExitStatusTwo) {
    ASSERT_FALSE(cupsQueue("600").empty()) << testing::kNotStartedByScript;
    // clang-format off
    const struct { const char* name; std::string queue; fs::path output; std::string says; } rows[] = {
        {"Unknown", "nosuchprinter", {}, "There is no printer nosuchprinter: the print service (CUPS) does not know it."},
        {"Stopped", cupsQueue("STOPPED"), cupsOutput("STOPPED"), "The printer " + cupsQueue("STOPPED") + " is stopped"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const testing::TempFolder folder;
        const std::string line = shellWord(VORNIK_PROGRAM) + " --printer " + shellWord(row.queue) +
                                 " --exec \"" + printing::kEdgeToEdgeSymbol +
                                 "[build/copy][print]\"";
        EXPECT_EQ(runIn(folder.path(), line), 2);
        const std::string errors = testing::readFile(folder.path() / "err");
        EXPECT_NE(errors.find(row.says), std::string::npos) << errors;
        expectNothingPrinted(row.queue, row.output);
    }
}

} // namespace
} // namespace vornik::cli
