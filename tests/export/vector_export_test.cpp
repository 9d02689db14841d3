// EPS, SVG and PDF: drawn from the records at true size, read back by
// Ghostscript and Qt's SVG renderer, and decoded.

#include "export_support.h"
#include "support/outside_program.h"
#include "support/temp_folder.h"

#include <QSvgRenderer>
#include <cmath>
#include <gtest/gtest.h>
#include <regex>

namespace vornik::exporting {
namespace {

namespace fs = std::filesystem;

constexpr int kDpi = 300;

struct SymbolRow {
    const char* name;
    const char* commands;
    ZXing::BarcodeFormat format;
    const char* expected;
    const char* visibleText; // what the human-readable line shows
};

// clang-format off
const SymbolRow kSymbols[] = {
    {"Code39", "[CODE39][MESSAGE='VORNIK-39']", ZXing::BarcodeFormat::Code39, "VORNIK-39", "VORNIK-39"},
    {"Code128", "[CODE128][MESSAGE='Vornik 128'][COMMENT=Lot 7]", ZXing::BarcodeFormat::Code128, "Vornik 128", "Lot7"},
    // Characters the documents must escape: PostScript's ( ) \ and XML's < & >.
    {"Escapes", "[CODE128][MESSAGE='a(b)\\c<&>d'][COMMENT=(<&>)]", ZXing::BarcodeFormat::Code128, "a(b)\\c<&>d", "(<&>)"},
    {"Rotated", "[CODE128][MESSAGE='Up 270'][VERTUP][QUIETZONES=ON]", ZXing::BarcodeFormat::Code128, "Up 270", "U"},
};
// clang-format on

int pixelsFor(int units) {
    return static_cast<int>(std::lround(units * double{kDpi} / 2540));
}

QImage ghostscriptImage(const fs::path& file, const fs::path& png, bool eps) {
    const std::string command = std::string("gs -q -dNOPAUSE -dBATCH -dSAFER ") +
                                (eps ? "-dEPSCrop " : "") + "-sDEVICE=png16m -r" +
                                std::to_string(kDpi) + " -sOutputFile=" + png.string() + " " +
                                file.string();
    return runQuietly(command) == 0 ? loadImage(png) : QImage();
}

QImage svgImage(const fs::path& file, int width, int height) {
    QSvgRenderer renderer(QString::fromStdString(file.string()));
    if (!renderer.isValid())
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// The text Ghostscript finds in a document (text that stayed text), without
// the blanks and line ends it puts between characters set apart.
std::string documentText(const fs::path& file) {
    std::string text = outputOf("gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=txtwrite "
                                "-sOutputFile=- " +
                                file.string());
    std::erase_if(text, [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
    return text;
}

// EPS and PDF through Ghostscript, SVG through Qt; the size each document
// states, the picture at that size, what ZXing reads and the text that stays
// text.
TEST(VectorExportTest, EpsSvgAndPdfAreTrueSizeAndReadBack) {
    ASSERT_EQ(testing::missingProgram(testing::OutsideProgram::Ghostscript), "");
    const testing::TempFolder folder;
    for (const char* extension : {"Eps", "svg", "pdf"}) {
        for (const SymbolRow& row : kSymbols) {
            SCOPED_TRACE(std::string(row.name) + "." + extension);
            ExportSession session;
            const fs::path file = folder.path() / (std::string(row.name) + "." + extension);
            ASSERT_TRUE(session.buildAndSave(row.commands, file));
            const std::string document = testing::readFile(file);
            const int width = session.widthUnits(), height = session.heightUnits();
            const bool svg = extension == std::string("svg"), eps = extension[0] == 'E';
            const auto points = [](int units) {
                return std::to_string(static_cast<int>(std::ceil(units * 72.0 / 2540)));
            };
            std::smatch size;
            if (eps) {
                EXPECT_NE(document.find("%%BoundingBox: 0 0 " + points(width) + " " +
                                        points(height) + "\n"),
                          std::string::npos);
            } else if (svg) {
                ASSERT_TRUE(std::regex_search(
                    document, size, std::regex(R"(width="([0-9.]+)mm" height="([0-9.]+)mm")")));
                EXPECT_NEAR(std::stod(size[1]) * 100, width, 0.01);
                EXPECT_NEAR(std::stod(size[2]) * 100, height, 0.01);
                EXPECT_EQ(document.find("<image"), std::string::npos);
            }
            const QImage image = svg ? svgImage(file, pixelsFor(width), pixelsFor(height))
                                     : ghostscriptImage(file, folder.path() / "gs.png", eps);
            EXPECT_EQ(decodeImage(image, ZXing::DecodeHints().setFormats(row.format)),
                      row.expected);
            if (!svg) {
                EXPECT_NEAR(image.width(), pixelsFor(width), 1);
                EXPECT_NEAR(image.height(), pixelsFor(height), 1);
                EXPECT_NE(documentText(file).find(row.visibleText), std::string::npos);
            }
        }
    }
}

// A source that is no metafile, or a destination that cannot be written,
// gives a sentence and leaves no file.
TEST(VectorExportTest, FailuresAreToldAndLeaveNothing) {
    const testing::TempFolder folder;
    const fs::path notAPicture = folder.write("junk.wmf", "not a metafile");
    ExportSession session;
    ASSERT_TRUE(session.run("[CODE39][MESSAGE='A'][BUILD/COPY]"));
    for (const ImageFormat format : {ImageFormat::Svg, ImageFormat::Eps, ImageFormat::Pdf}) {
        ImageConversion request = imageConversion(session.job(), notAPicture.string(),
                                                  (folder.path() / "out").string(), format);
        auto error = convertImage(request);
        ASSERT_TRUE(error);
        EXPECT_TRUE(error->starts_with("The picture " + notAPicture.string() +
                                       " is not a placeable metafile: "))
            << *error;
        request.source = session.state().TempMetafilePath;
        request.destination = (folder.path() / "no/such/folder/out").string();
        error = convertImage(request);
        ASSERT_TRUE(error);
        EXPECT_TRUE(error->starts_with("The file " + request.destination + " could not be written"))
            << *error;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

} // namespace
} // namespace vornik::exporting
