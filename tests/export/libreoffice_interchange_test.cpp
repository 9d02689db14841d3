// LibreOffice is where most of our WMF files end up. It opens each one at the
// symbol's true size, ZXing reads what it draws, and what it draws is what our
// own player draws.

#include "export_support.h"
#include "support/outside_program.h"
#include "support/temp_folder.h"

#include <QImage>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <regex>
#include <string>

namespace vornik::exporting {
namespace {

namespace fs = std::filesystem;

// Where LibreOffice put the picture on its page, in 0.01 mm.
struct Frame {
    double x = 0, y = 0, width = 0, height = 0;
};

std::string contentOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

double centimetres(const std::string& element, const std::string& attribute) {
    const std::regex pattern(attribute + "=\"(-?[0-9.]+)cm\"");
    std::smatch match;
    if (!std::regex_search(element, match, pattern))
        return -1;
    return std::stod(match[1]) * 1000;
}

// The element of the only picture of a flat drawing LibreOffice saved.
std::string frameElement(const std::string& drawing) {
    std::smatch match;
    return std::regex_search(drawing, match, std::regex("<draw:frame [^>]*>")) ? match.str() : "";
}

Frame frameOf(const std::string& drawing) {
    const std::string element = frameElement(drawing);
    return {centimetres(element, "svg:x"), centimetres(element, "svg:y"),
            centimetres(element, "svg:width"), centimetres(element, "svg:height")};
}

// The drawing with its picture moved to the page's top left corner, where it
// starts on a whole pixel at any resolution: LibreOffice centres a picture on
// the page, and a picture a fraction of a pixel off would differ from ours
// along every edge.
std::string movedToCorner(const std::string& drawing) {
    const std::string element = frameElement(drawing);
    std::string moved =
        std::regex_replace(element, std::regex("svg:x=\"[-0-9.]+cm\""), "svg:x=\"0cm\"");
    moved = std::regex_replace(moved, std::regex("svg:y=\"[-0-9.]+cm\""), "svg:y=\"0cm\"");
    std::string result = drawing;
    result.replace(drawing.find(element), element.size(), moved);
    return result;
}

// LibreOffice converts every file in one start, with a profile of its own.
void convertAll(const fs::path& folder, const std::string& format, const std::string& files) {
    ASSERT_EQ(runQuietly("cd " + folder.string() + " && soffice -env:UserInstallation=file://" +
                         folder.string() + "/profile --headless --convert-to " + format + " " +
                         files),
              0);
}

// The top left WIDTH x HEIGHT pixels of a PDF's page rendered at DPI, without
// smoothing, as our player draws.
QImage pageCorner(const fs::path& pdf, double dpi, int width, int height) {
    const fs::path page = pdf.parent_path() / (pdf.stem().string() + "-page");
    if (runQuietly("pdftoppm -singlefile -gray -png -aa no -aaVector no -r " + std::to_string(dpi) +
                   " -x 0 -y 0 -W " + std::to_string(width) + " -H " + std::to_string(height) +
                   " " + pdf.string() + " " + page.string()) != 0)
        return {};
    return loadImage(page.string() + ".png");
}

// The share of pixels, in per cent, that are dark in one image and light in
// the other.
double differingPercent(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull())
        return 100;
    const QImage greyA = a.convertToFormat(QImage::Format_Grayscale8);
    const QImage greyB = b.convertToFormat(QImage::Format_Grayscale8);
    long differing = 0;
    for (int y = 0; y < greyA.height(); ++y) {
        const uchar* rowA = greyA.constScanLine(y);
        const uchar* rowB = greyB.constScanLine(y);
        for (int x = 0; x < greyA.width(); ++x)
            differing += (rowA[x] < 128) != (rowB[x] < 128);
    }
    return 100.0 * static_cast<double>(differing) / (greyA.width() * greyA.height());
}

TEST(LibreOfficeInterchangeTest, OpensAtTrueSizeAndDrawsAsWeDo) {
    ASSERT_EQ(testing::missingProgram(testing::OutsideProgram::LibreOfficeDraw), "");
    ASSERT_EQ(testing::missingProgram(testing::OutsideProgram::Poppler), "");
    const struct {
        const char* name;
        const char* commands;
        ZXing::BarcodeFormat format;
        const char* expected;
        double mostDiffering; // per cent of the pixels
    } rows[] = {
        {"DataMatrix", "[datamatrix][message='Hello Matrix']", ZXing::BarcodeFormat::DataMatrix,
         "Hello Matrix", 2},
        {"Aztec", "[aztec][message='Hello Aztec']", ZXing::BarcodeFormat::Aztec, "Hello Aztec", 2},
        {"Pdf417", "[pdf417][message='Hello PDF417']", ZXing::BarcodeFormat::PDF417, "Hello PDF417",
         2},
        {"Code128", "[code128][message='Code 128'][barwidth=10]", ZXing::BarcodeFormat::Code128,
         "Code 128", 2},
        {"UpcAUp", "[upca][message='01234567890'][vertup]", ZXing::BarcodeFormat::UPCA,
         "012345678905", 2},
        // LibreOffice sets digits turned downward up to two pixels further along their line.
        {"UpcADown", "[upca][message='01234567890'][vertdown]", ZXing::BarcodeFormat::UPCA,
         "012345678905", 3},
    };
    const testing::TempFolder folder;
    ExportSession session;
    std::string pictures;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(
            session.buildAndSave(row.commands, folder.path() / (std::string(row.name) + ".wmf")));
        ASSERT_TRUE(session.run(std::string("[SAVEBARCODE(") +
                                (folder.path() / (std::string(row.name) + ".png")).string() +
                                ")]"));
        pictures += std::string(" ") + row.name + ".wmf";
    }
    convertAll(folder.path(), "fodg", pictures);
    std::string moved;
    for (const auto& row : rows) {
        const std::string drawing = contentOf(folder.path() / (std::string(row.name) + ".fodg"));
        ASSERT_NE(frameElement(drawing), "") << row.name;
        std::ofstream(folder.path() / (std::string(row.name) + "-moved.fodg"))
            << movedToCorner(drawing);
        moved += std::string(" ") + row.name + "-moved.fodg";
    }
    convertAll(folder.path(), "pdf", moved);
    ExportSession sizes;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(sizes.run(std::string(row.commands) + "[BUILD/COPY]"));
        const Frame frame = frameOf(contentOf(folder.path() / (std::string(row.name) + ".fodg")));
        EXPECT_NEAR(frame.width, sizes.widthUnits(), 10);
        EXPECT_NEAR(frame.height, sizes.heightUnits(), 10);
        const QImage ours = loadImage(folder.path() / (std::string(row.name) + ".png"));
        ASSERT_FALSE(ours.isNull());
        const double dpi = std::round(ours.dotsPerMeterX() * 0.0254);
        const QImage theirs = pageCorner(folder.path() / (std::string(row.name) + "-moved.pdf"),
                                         dpi, ours.width(), ours.height());
        ASSERT_FALSE(theirs.isNull());
        EXPECT_EQ(decodeImage(theirs, ZXing::DecodeHints().setFormats(row.format)), row.expected);
        EXPECT_LT(differingPercent(theirs, ours), row.mostDiffering);
    }
}

} // namespace
} // namespace vornik::exporting
