#pragma once

// Pages for the printer built through the real path, and pages read back:
// a PDF rendered by Poppler without antialiasing, the box its dark pixels
// fill measured, and the symbol in it read by ZXing.

#include "core/app/printer_page.h"
#include "export/export_support.h"
#include "export/player.h"

#include <QImage>
#include <QRect>
#include <filesystem>
#include <string>

namespace vornik::printing {

// Code 128 without quiet zones or text: its picture starts and ends with a
// bar the full height, so the dark pixels fill exactly the picture's box.
inline constexpr const char* kEdgeToEdgeSymbol =
    "[CODE128][MESSAGE='VORNIK'][QUIETZONES=OFF][TEXT=OFF]";
inline constexpr const char* kEdgeToEdgeMessage = "VORNIK";

// The picture the commands build (warnings off); a picture without a
// metafile when the build fails.
inline render::CurrentPicture builtPicture(const std::string& commands) {
    testing::CommandSession session;
    session.run("[PRINTWARNINGS=OFF][MESSAGEWARNINGS=OFF]");
    if (!session.run(commands + "[BUILD/COPY]") || !session.state().SymbolBuilt)
        return {};
    return session.state().CurrentPicture;
}

// The box of the dark pixels inside AREA; an empty rectangle when there
// are none.
inline QRect darkBox(const QImage& image, const QRect& area) {
    const QRect within = area.intersected(image.rect());
    int left = within.right() + 1, right = within.left() - 1;
    int top = within.bottom() + 1, bottom = within.top() - 1;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            if (qGray(image.pixel(x, y)) >= 128)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < left ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

inline QRect darkBox(const QImage& image) {
    return darkBox(image, image.rect());
}

// The top-left WIDTH x HEIGHT inches of the PDF's first page as Poppler
// draws them in grey at DPI, edges left hard (no antialiasing), so that a
// pixel is dark or light and pixel (0, 0) is the paper's corner; null on
// failure. A whole sheet at 600 dpi would be larger than Qt reads.
inline QImage renderPdfCorner(const std::filesystem::path& pdf, const std::filesystem::path& stem,
                              int dpi, double widthInches, double heightInches) {
    const std::string area = " -x 0 -y 0 -W " +
                             std::to_string(static_cast<int>(widthInches * dpi)) + " -H " +
                             std::to_string(static_cast<int>(heightInches * dpi));
    if (exporting::runQuietly("pdftoppm -r " + std::to_string(dpi) + area +
                              " -aa no -aaVector no -gray -singlefile -f 1 -l 1 -png " +
                              exporting::quoted(pdf.string()) + " " +
                              exporting::quoted(stem.string())) != 0)
        return {};
    return exporting::loadImage(stem.string() + ".png");
}

// What ZXing reads in the part of the page in BOX, with light space around.
inline std::string decodeArea(const QImage& page, const QRect& box, ZXing::BarcodeFormat format) {
    return exporting::decodeImage(page.copy(box), ZXing::DecodeHints().setFormats(format));
}

// Where the dark pixels of PICTURE must be on a page that has it at LEFT,
// TOP inches from the paper's corner, in pixels at DPI: the picture drawn
// alone at DPI says where its first bar and its last dark pixels lie.
inline QRect expectedDarkBox(const render::CurrentPicture& picture, double left, double top,
                             int dpi) {
    if (picture.metafile == nullptr)
        return {};
    const QImage alone =
        exporting::renderToImage(*picture.metafile, picture.xExtent, picture.yExtent, dpi);
    return darkBox(alone).translated(qRound(left * dpi), qRound(top * dpi));
}

// Inches at DPI as pixels, and 0.1 mm as pixels: the tolerance of a print.
inline double pixels(double inches, int dpi) {
    return inches * dpi;
}
inline double tenthMillimetre(int dpi) {
    return dpi / 254.0;
}

} // namespace vornik::printing
