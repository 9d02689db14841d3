// LibreOffice is where most of our WMF files end up. It opens each one at the
// symbol's true size, and what it draws is read back by ZXing.

#include "export_support.h"
#include "support/outside_program.h"
#include "support/temp_folder.h"

#include <QImage>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <string>

namespace vornik::exporting {
namespace {

namespace fs = std::filesystem;

// Where LibreOffice put the picture on its page, in 0.01 mm.
struct Frame {
    double x = 0, y = 0, width = 0, height = 0;
};

double centimetres(const std::string& content, const std::string& attribute) {
    const std::regex pattern(attribute + "=\"(-?[0-9.]+)cm\"");
    std::smatch match;
    if (!std::regex_search(content, match, pattern))
        return -1;
    return std::stod(match[1]) * 1000;
}

// The frame of the only picture of the drawing LibreOffice made of FILE.
Frame frameOf(const fs::path& odg) {
    const std::string content = outputOf("unzip -p " + odg.string() + " content.xml");
    return {centimetres(content, "svg:x"), centimetres(content, "svg:y"),
            centimetres(content, "svg:width"), centimetres(content, "svg:height")};
}

// LibreOffice converts every file in one start, with a profile of its own.
void convertAll(const fs::path& folder, const std::string& format, const std::string& files) {
    ASSERT_EQ(runQuietly("cd " + folder.string() + " && soffice -env:UserInstallation=file://" +
                         folder.string() + "/profile --headless --convert-to " + format + " " +
                         files),
              0);
}

// LibreOffice's page rendered at DPI, cut to the picture's frame.
QImage pictureOnPage(const fs::path& pdf, const Frame& frame, double dpi) {
    const fs::path page = pdf.parent_path() / (pdf.stem().string() + "-page");
    if (runQuietly("pdftoppm -singlefile -gray -png -r " + std::to_string(dpi) + " " +
                   pdf.string() + " " + page.string()) != 0)
        return {};
    const double pixelsPerUnit = dpi / 2540.0;
    return loadImage(page.string() + ".png")
        .copy(static_cast<int>(std::lround(frame.x * pixelsPerUnit)),
              static_cast<int>(std::lround(frame.y * pixelsPerUnit)),
              static_cast<int>(std::lround(frame.width * pixelsPerUnit)),
              static_cast<int>(std::lround(frame.height * pixelsPerUnit)));
}

TEST(LibreOfficeInterchangeTest, OpensAtTrueSize) {
    ASSERT_EQ(testing::missingProgram(testing::OutsideProgram::LibreOfficeDraw), "");
    ASSERT_EQ(testing::missingProgram(testing::OutsideProgram::Poppler), "");
    const struct {
        const char* name;
        const char* commands;
        ZXing::BarcodeFormat format;
        const char* expected;
        // LibreOffice strokes each bar's one-unit pen as a hairline a device pixel wide, which
        // closes the narrow spaces of a 10-mil UPC-A at 300 dpi; that one is measured only.
        bool readBack;
    } rows[] = {
        {"DataMatrix", "[datamatrix][message='Hello Matrix']", ZXing::BarcodeFormat::DataMatrix,
         "Hello Matrix", true},
        {"Aztec", "[aztec][message='Hello Aztec']", ZXing::BarcodeFormat::Aztec, "Hello Aztec",
         true},
        {"Pdf417", "[pdf417][message='Hello PDF417']", ZXing::BarcodeFormat::PDF417, "Hello PDF417",
         true},
        {"Code128", "[code128][message='Code 128'][barwidth=10]", ZXing::BarcodeFormat::Code128,
         "Code 128", true},
        {"UpcAUp", "[upca][message='01234567890'][vertup]", ZXing::BarcodeFormat::UPCA,
         "012345678905", false},
    };
    const testing::TempFolder folder;
    ExportSession session;
    std::string files;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(
            session.buildAndSave(row.commands, folder.path() / (std::string(row.name) + ".wmf")));
        ASSERT_TRUE(session.run(std::string("[SAVEBARCODE(") +
                                (folder.path() / (std::string(row.name) + ".png")).string() +
                                ")]"));
        files += std::string(" ") + row.name + ".wmf";
    }
    convertAll(folder.path(), "odg", files);
    convertAll(folder.path(), "pdf", files);
    ExportSession sizes;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(sizes.run(std::string(row.commands) + "[BUILD/COPY]"));
        const Frame frame = frameOf(folder.path() / (std::string(row.name) + ".odg"));
        EXPECT_NEAR(frame.width, sizes.widthUnits(), 10);
        EXPECT_NEAR(frame.height, sizes.heightUnits(), 10);
        const QImage ours = loadImage(folder.path() / (std::string(row.name) + ".png"));
        ASSERT_FALSE(ours.isNull());
        const double dpi = std::round(ours.dotsPerMeterX() * 0.0254);
        const QImage theirs =
            pictureOnPage(folder.path() / (std::string(row.name) + ".pdf"), frame, dpi);
        ASSERT_FALSE(theirs.isNull());
        if (row.readBack) {
            EXPECT_EQ(decodeImage(theirs, ZXing::DecodeHints().setFormats(row.format)),
                      row.expected);
        }
    }
}

} // namespace
} // namespace vornik::exporting
