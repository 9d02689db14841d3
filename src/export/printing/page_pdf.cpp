#include "export/printing/page_pdf.h"

#include "export/printing/page_painter.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace vornik::printing {
namespace {

std::string notWritten(const std::filesystem::path& path, const std::string& why) {
    return "The page could not be written to " + path.string() + ": " + why + ".";
}

// The printer's paper, matched to the standard size it is (A4, Letter) so
// that the file names it as the printer does.
QPageLayout paperLayout(const PaperSize& paper) {
    const QSizeF millimetres(paper.widthUnits / 100.0, paper.heightUnits / 100.0);
    const QPageSize size(millimetres, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

} // namespace

std::optional<std::string> writePrinterPagePdf(const PrinterPage& page, const PageSetup& setup,
                                               const std::filesystem::path& path) {
    if (setup.paper.widthUnits <= 0 || setup.paper.heightUnits <= 0)
        return notWritten(path, "the paper has no size");
    if (setup.dotsPerInch <= 0)
        return notWritten(path, "the printer's resolution has no dots");
    QPdfWriter writer(QString::fromStdString(path.string()));
    writer.setCreator("Vornik");
    writer.setTitle("Vornik bar code");
    writer.setResolution(setup.dotsPerInch);
    if (!writer.setPageLayout(paperLayout(setup.paper)))
        return notWritten(path, "the paper size is not one a PDF page can have");
    QPainter painter;
    if (!painter.begin(&writer))
        return notWritten(path, "the file could not be created");
    paintPrinterPage(page, painter);
    if (!painter.end())
        return notWritten(path, "the file could not be finished");
    return std::nullopt;
}

} // namespace vornik::printing
