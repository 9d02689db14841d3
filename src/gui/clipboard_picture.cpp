#include "gui/clipboard_picture.h"

#include "core/render/placeable_wmf.h"
#include "export/player.h"
#include "export/vector/svg_writer.h"

#include <QBuffer>
#include <QImage>
#include <QMimeData>

namespace vornik::gui {
namespace {

QByteArray svgForm(const render::CurrentPicture& picture) {
    const render::PlaceablePicture placeable{.xExtent = static_cast<std::uint16_t>(picture.xExtent),
                                             .yExtent = static_cast<std::uint16_t>(picture.yExtent),
                                             .unitsPerInch = render::kUnitsPerInch,
                                             .metafile = *picture.metafile};
    const std::string svg = exporting::svgDocument(placeable);
    return QByteArray(svg.data(), static_cast<qsizetype>(svg.size()));
}

} // namespace

QByteArray pngForm(const render::CurrentPicture& picture, double dotsPerInch) {
    const QImage image =
        exporting::renderToImage(*picture.metafile, picture.xExtent, picture.yExtent, dotsPerInch);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG"))
        return {};
    return bytes;
}

QMimeData* clipboardPicture(const render::CurrentPicture& picture,
                            std::span<const std::uint8_t> placeableWmf) {
    auto* data = new QMimeData;
    if (!picture.metafile)
        return data;
    const QByteArray wmf(reinterpret_cast<const char*>(placeableWmf.data()),
                         static_cast<qsizetype>(placeableWmf.size()));
    data->setData(kSvgForm, svgForm(picture));
    data->setData(kLibreOfficeWmfForm, wmf);
    data->setData(kWmfForm, wmf);
    const QByteArray png = pngForm(picture, kClipboardPngDotsPerInch);
    if (!png.isEmpty())
        data->setData(kPngForm, png);
    return data;
}

} // namespace vornik::gui
