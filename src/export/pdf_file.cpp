#include "export/pdf_file.h"

#include "core/files/safe_output.h"
#include "export/player.h"
#include "export/vector/page_mapping.h"
#include "export/vector/picture_file.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

namespace vornik::exporting {
namespace {

// Rectangle edges are placed on a grid of this many points an inch: fine
// enough that no print shows the rounding.
constexpr int kPdfResolution = 2400;
constexpr double kPointsPerUnit = 72.0 / 2540; // a point is 1/72 inch, a unit 0.01 mm

struct PointSize {
    double width = 0;
    double height = 0;
};

// Qt's PDF engine keeps a page in whole points. The page it is given is the
// symbol's size rounded up, so that nothing drawn falls off it; the page box
// is cut down to the true size once the document is made.
QPageLayout wholePointPage(const PointSize& size) {
    const QSizeF whole(std::ceil(size.width), std::ceil(size.height));
    return QPageLayout(QPageSize(whole, QPageSize::Point, QString(), QPageSize::ExactMatch),
                       QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point);
}

// Writes the true page size into the page's media box. Qt writes each number
// with six decimals and the whole-point page is never smaller than the true
// one, so the new box is never longer than the old: it is padded with blanks
// to the same length, and no object of the file moves.
bool setMediaBox(QByteArray& document, const PointSize& size) {
    const QByteArray key = "/MediaBox [";
    const auto open = document.indexOf(key);
    if (open < 0 || document.indexOf(key, open + 1) >= 0)
        return false;
    const auto first = open + key.size();
    const auto close = document.indexOf(']', first);
    if (close < 0)
        return false;
    QByteArray box = "0 0 " + QByteArray::number(size.width, 'f', 6) + ' ' +
                     QByteArray::number(size.height, 'f', 6);
    if (box.size() > close - first)
        return false;
    box.append(QByteArray(close - first - box.size(), ' '));
    document.replace(first, box.size(), box);
    return true;
}

} // namespace

std::optional<std::string> writePdfFile(const render::PlaceablePicture& picture,
                                        const std::filesystem::path& path) {
    const PageSize page = pageSizeOf(picture);
    const PointSize points{page.width * kPointsPerUnit, page.height * kPointsPerUnit};
    if (!(points.width > 0 && points.height > 0))
        return notWrittenText(path, "the symbol has no size to draw");
    // The document is made in memory and saved whole, so that a write that
    // fails is reported and never leaves a cut-off PDF in place of the old.
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    QPdfWriter writer(&document);
    writer.setCreator("Vornik");
    writer.setResolution(kPdfResolution);
    const QPageLayout layout = wholePointPage(points);
    writer.setPageLayout(layout);
    QPainter painter;
    if (!painter.begin(&writer))
        return notWrittenText(path, "the file could not be created");
    // The page's bottom edge stays where it is when the box is cut down, so
    // the picture is drawn against it: its top edge falls on the true top.
    constexpr double kPixelsPerPoint = kPdfResolution / 72.0;
    const double drop = (layout.fullRectPoints().height() - points.height) * kPixelsPerPoint;
    const QSizeF pixels(points.width * kPixelsPerPoint, points.height * kPixelsPerPoint);
    playMetafile(picture.metafile, painter, QRectF(QPointF(0, drop), pixels));
    if (!painter.end())
        return notWrittenText(path, "the file could not be finished");
    QByteArray& bytes = document.buffer();
    if (!setMediaBox(bytes, points))
        return notWrittenText(path, "the page could not be given the symbol's size");
    if (const auto why = files::saveWholeFile(
            path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
        return notWrittenText(path, *why);
    return std::nullopt;
}

} // namespace vornik::exporting
