// The printer page as a PDF file, rendered back by Poppler: symbols at their
// margins from the paper's corner and at true size within a tenth of a
// millimetre, read by ZXing.

#include "export/printing/page_pdf.h"
#include "printed_page.h"
#include "support/outside_program.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <regex>

namespace vornik::printing {
namespace {

namespace fs = std::filesystem;

constexpr int kDpi = 600;
constexpr PaperSize kA4{21000, 29700};
constexpr PaperSize kLetter{21590, 27940};

// The page size pdfinfo gives, in points.
std::string pageSize(const fs::path& pdf) {
    const std::string info = exporting::outputOf("pdfinfo " + exporting::quoted(pdf.string()));
    std::smatch size;
    if (!std::regex_search(info, size, std::regex(R"(Page size: +([0-9.]+ x [0-9.]+) pts)")))
        return "(none)";
    return size[1];
}

TEST(PagePdf, SymbolLandsAtItsMarginsAtTrueSize) {
    ASSERT_EQ(testing::missingProgram(testing::OutsideProgram::Poppler), "");
    const render::CurrentPicture picture = builtPicture(kEdgeToEdgeSymbol);
    ASSERT_NE(picture.metafile, nullptr);
    const testing::TempFolder folder;
    // clang-format off
    const struct { const char* name; PageSetup setup; double left, top; const char* points; } rows[] = {
        {"A4At600", {kA4, 600}, 1.0, 0.5, "595 x 842"},
        {"A4At300", {kA4, 300}, 1.0, 0.5, "595 x 842"},
        {"LetterAt300", {kLetter, 300}, 0.25, 2.0, "612 x 792"},
        {"ZeroMargins", {kA4, 600}, 0.0, 0.0, "595 x 842"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const fs::path pdf = folder.path() / (std::string(row.name) + ".pdf");
        ASSERT_EQ(writePrinterPagePdf({{picture, row.left, row.top}}, row.setup, pdf),
                  std::nullopt);
        EXPECT_EQ(pageSize(pdf), row.points);
        const QImage page = renderPdfCorner(pdf, folder.path() / row.name, kDpi, 4, 4);
        ASSERT_FALSE(page.isNull());
        const QRect box = darkBox(page);
        const double tolerance = tenthMillimetre(kDpi);
        EXPECT_NEAR(box.left(), pixels(row.left, kDpi), tolerance);
        EXPECT_NEAR(box.top(), pixels(row.top, kDpi), tolerance);
        EXPECT_NEAR(box.width(), picture.xExtent * kDpi / 2540.0, tolerance);
        EXPECT_NEAR(box.height(), picture.yExtent * kDpi / 2540.0, tolerance);
        EXPECT_EQ(decodeArea(page, box, ZXing::BarcodeFormat::Code128), kEdgeToEdgeMessage);
    }
}

TEST(PagePdf, TwoSymbolsShareOnePage) {
    ASSERT_EQ(testing::missingProgram(testing::OutsideProgram::Poppler), "");
    const render::CurrentPicture code128 = builtPicture(kEdgeToEdgeSymbol);
    const render::CurrentPicture dataMatrix = builtPicture("[DATAMATRIX][MESSAGE='VORNIK DM']");
    ASSERT_NE(code128.metafile, nullptr);
    ASSERT_NE(dataMatrix.metafile, nullptr);
    const testing::TempFolder folder;
    const fs::path pdf = folder.path() / "two.pdf";
    ASSERT_EQ(writePrinterPagePdf({{code128, 1.0, 0.5}, {dataMatrix, 3.0, 4.0}}, {kA4, 600}, pdf),
              std::nullopt);
    const std::string info = exporting::outputOf("pdfinfo " + exporting::quoted(pdf.string()));
    EXPECT_TRUE(std::regex_search(info, std::regex("\nPages: +1\n"))) << info;
    const QImage page = renderPdfCorner(pdf, folder.path() / "two", kDpi, 5, 5);
    ASSERT_FALSE(page.isNull());
    const double tolerance = tenthMillimetre(kDpi);
    const QRect upper = darkBox(page, QRect(0, 0, page.width(), pixels(3, kDpi)));
    const QRect lower = darkBox(page, QRect(0, pixels(3, kDpi), page.width(), page.height()));
    EXPECT_NEAR(upper.left(), pixels(1.0, kDpi), tolerance);
    EXPECT_NEAR(upper.top(), pixels(0.5, kDpi), tolerance);
    EXPECT_NEAR(lower.left(), pixels(3.0, kDpi), tolerance);
    EXPECT_NEAR(lower.top(), pixels(4.0, kDpi), tolerance);
    EXPECT_EQ(decodeArea(page, upper, ZXing::BarcodeFormat::Code128), kEdgeToEdgeMessage);
    EXPECT_EQ(decodeArea(page, lower, ZXing::BarcodeFormat::DataMatrix), "VORNIK DM");
}

// Every setup that cannot make a page is told in a sentence, and no file is
// left behind.
TEST(PagePdf, RefusesASetupWithoutPaperOrDots) {
    const render::CurrentPicture picture = builtPicture(kEdgeToEdgeSymbol);
    const testing::TempFolder folder;
    const fs::path pdf = folder.path() / "page.pdf";
    const fs::path unwritable = folder.path() / "missing" / "page.pdf";
    // clang-format off
    const struct { const char* name; PageSetup setup; fs::path path; std::string why; } rows[] = {
        {"NoPaper", {{0, 29700}, 600}, pdf, "the paper has no size"},
        {"NoDots", {kA4, 0}, pdf, "the printer's resolution has no dots"},
        {"NoFolder", {kA4, 600}, unwritable, "the file could not be created"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(writePrinterPagePdf({{picture, 1, 1}}, row.setup, row.path),
                  "The page could not be written to " + row.path.string() + ": " + row.why + ".");
        EXPECT_FALSE(fs::exists(row.path));
    }
}

} // namespace
} // namespace vornik::printing
