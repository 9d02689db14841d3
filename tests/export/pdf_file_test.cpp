// PDF pages measured, their fonts listed and their pictures rendered by
// Poppler, and the symbols on them decoded.

#include "export_support.h"
#include "support/outside_program.h"
#include "support/temp_folder.h"

#include <cctype>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace vornik::exporting {
namespace {

namespace fs = std::filesystem;

constexpr int kDpi = 600;
constexpr double kPointsPerUnit = 72.0 / 2540;

struct PdfRow {
    const char* name;
    const char* commands;
    ZXing::BarcodeFormat format;
    const char* expected;
    const char* visibleText; // text that must stay text, "" for none
};

// clang-format off
const PdfRow kRows[] = {
    // 94.479 by 91.956 points: whole points cut the last bar short.
    {"Code128", "[CODE128][MESSAGE='ABC123'][BARWIDTH=13][QUIETZONES=OFF]", ZXing::BarcodeFormat::Code128, "ABC123", "ABC123"},
    {"Rotated", "[CODE128][MESSAGE='Up 270'][VERTUP][QUIETZONES=OFF]", ZXing::BarcodeFormat::Code128, "Up 270", ""},
    {"Pdf417", "[PDF417][MESSAGE='Whole modules, every one']", ZXing::BarcodeFormat::PDF417, "Whole modules, every one", ""},
    {"DataMatrix", "[DATAMATRIX][MESSAGE='VORNIK DM']", ZXing::BarcodeFormat::DataMatrix, "VORNIK DM", ""},
};
// clang-format on

// The media box pdfinfo states: width and height in points.
std::pair<double, double> mediaBox(const fs::path& file) {
    const std::string info = outputOf("pdfinfo -box " + quoted(file.string()));
    std::smatch box;
    if (!std::regex_search(
            info, box, std::regex(R"(MediaBox: +([-0-9.]+) +([-0-9.]+) +([-0-9.]+) +([-0-9.]+))")))
        return {-1, -1};
    return {std::stod(box[3]) - std::stod(box[1]), std::stod(box[4]) - std::stod(box[2])};
}

// The rows of pdffonts after its two heading lines; each font's "emb" column
// says whether it is embedded.
std::vector<std::string> fontsNotEmbedded(const fs::path& file) {
    std::istringstream listing(outputOf("pdffonts " + quoted(file.string())));
    std::vector<std::string> missing;
    std::string line;
    for (int heading = 0; heading < 2 && std::getline(listing, line); ++heading) {
    }
    while (std::getline(listing, line)) {
        if (!std::regex_search(line, std::regex(R"( yes +(yes|no) +(yes|no) +[0-9]+ +[0-9]+ *$)")))
            missing.push_back(line);
    }
    return missing;
}

// The text pdftotext finds (text that stayed text), without the blanks and
// line ends it puts between characters set apart.
std::string documentText(const fs::path& file) {
    std::string text = outputOf("pdftotext " + quoted(file.string()) + " -");
    std::erase_if(text, [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; });
    return text;
}

QImage rendered(const fs::path& file, const fs::path& stem) {
    if (runQuietly("pdftoppm -r " + std::to_string(kDpi) + " -singlefile -png " +
                   quoted(file.string()) + " " + quoted(stem.string())) != 0)
        return {};
    return loadImage(stem.string() + ".png");
}

bool dark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// The widths of the first and last dark runs along the middle row (or
// column): a bar cut off at the page's edge is narrower than its twin. The
// renderer rounds the page up to whole pixels, so a light pixel at either
// end is passed over.
std::pair<int, int> edgeRuns(const QImage& image, bool alongRow) {
    const int length = alongRow ? image.width() : image.height();
    auto isDark = [&](int i) {
        return alongRow ? dark(image, i, image.height() / 2) : dark(image, image.width() / 2, i);
    };
    const int start = isDark(0) ? 0 : 1;
    const int end = isDark(length - 1) ? length - 1 : length - 2;
    int first = 0, last = 0;
    for (int i = start; i < length && isDark(i); ++i)
        ++first;
    for (int i = end; i >= 0 && isDark(i); --i)
        ++last;
    return {first, last};
}

TEST(PdfFileTest, PageIsTheSymbolsTrueSizeWithNothingCut) {
    ASSERT_EQ(testing::missingProgram(testing::OutsideProgram::Poppler), "");
    const testing::TempFolder folder;
    for (const PdfRow& row : kRows) {
        SCOPED_TRACE(row.name);
        ExportSession session;
        const fs::path file = folder.path() / (std::string(row.name) + ".pdf");
        ASSERT_TRUE(session.buildAndSave(row.commands, file));
        const double width = session.widthUnits() * kPointsPerUnit;
        const double height = session.heightUnits() * kPointsPerUnit;
        const auto [pageWidth, pageHeight] = mediaBox(file);
        constexpr double kHundredthMm = 72 / 2540.0;
        EXPECT_NEAR(pageWidth, width, kHundredthMm);
        EXPECT_NEAR(pageHeight, height, kHundredthMm);
        EXPECT_EQ(fontsNotEmbedded(file), std::vector<std::string>{});
        if (*row.visibleText != '\0') {
            EXPECT_NE(documentText(file).find(row.visibleText), std::string::npos);
        }
        const QImage image = rendered(file, folder.path() / row.name);
        ASSERT_FALSE(image.isNull());
        EXPECT_NEAR(image.width(), width / 72 * kDpi, 1);
        EXPECT_NEAR(image.height(), height / 72 * kDpi, 1);
        EXPECT_EQ(decodeImage(image, ZXing::DecodeHints().setFormats(row.format)), row.expected);
    }
}

// Code 128 starts and ends with a bar two modules wide: with the page cut to
// whole points the last one came out narrower.
TEST(PdfFileTest, LastBarIsAsWideAsTheFirst) {
    ASSERT_EQ(testing::missingProgram(testing::OutsideProgram::Poppler), "");
    const testing::TempFolder folder;
    for (const bool rotated : {false, true}) {
        SCOPED_TRACE(rotated ? "rotated" : "horizontal");
        ExportSession session;
        const fs::path file = folder.path() / "bars.pdf";
        ASSERT_TRUE(session.buildAndSave(std::string("[CODE128][MESSAGE='ABC123'][BARWIDTH=13]"
                                                     "[QUIETZONES=OFF][TEXT=OFF]") +
                                             (rotated ? "[VERTDOWN]" : ""),
                                         file));
        const QImage image = rendered(file, folder.path() / "bars");
        ASSERT_FALSE(image.isNull());
        const auto [first, last] = edgeRuns(image, !rotated);
        EXPECT_GT(first, 0);
        EXPECT_NEAR(last, first, 1);
    }
}

} // namespace
} // namespace vornik::exporting
