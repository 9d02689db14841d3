#include "export/pdf_file.h"

#include "core/files/safe_output.h"
#include "export/player.h"
#include "export/vector/page_mapping.h"
#include "export/vector/picture_file.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace vornik::exporting {
namespace {

// Rectangle edges are placed on a grid of this many points an inch: fine
// enough that no print shows the rounding.
constexpr int kPdfResolution = 2400;

} // namespace

std::optional<std::string> writePdfFile(const render::PlaceablePicture& picture,
                                        const std::filesystem::path& path) {
    const PageSize page = pageSizeOf(picture);
    const QSizeF size(page.width / 100, page.height / 100); // millimetres
    if (size.isEmpty())
        return notWrittenText(path, "the symbol has no size to draw");
    // The document is made in memory and saved whole, so that a write that
    // fails is reported and never leaves a cut-off PDF in place of the old.
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    QPdfWriter writer(&document);
    writer.setCreator("Vornik");
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(QPageLayout(QPageSize(size, QPageSize::Millimeter), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer))
        return notWrittenText(path, "the file could not be created");
    const QSizeF pixels(size.width() / 25.4 * kPdfResolution,
                        size.height() / 25.4 * kPdfResolution);
    playMetafile(picture.metafile, painter, QRectF(QPointF(0, 0), pixels));
    if (!painter.end())
        return notWrittenText(path, "the file could not be finished");
    const QByteArray& bytes = document.data();
    if (const auto why = files::saveWholeFile(
            path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
        return notWrittenText(path, *why);
    return std::nullopt;
}

} // namespace vornik::exporting
