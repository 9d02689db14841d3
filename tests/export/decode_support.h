#pragma once

// Reading back what we draw: the temporary placeable metafile of a build,
// rendered by the player and decoded by ZXing.

#include "core/render/placeable_wmf.h"
#include "export/player.h"

#include <QPainter>
#include <ZXing/ReadBarcode.h>
#include <fstream>
#include <iterator>
#include <string>

namespace vornik::exporting {

// The picture as the temporary file holds it, rendered at `dpi` onto a white
// page with a margin, so that symbols drawn without quiet zones still have
// light space around them.
inline QImage renderTemporaryFile(const std::string& path, double dpi) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    const auto read = render::readPlaceableWmf(bytes);
    if (!std::holds_alternative<render::PlaceablePicture>(read))
        return {};
    const auto& picture = std::get<render::PlaceablePicture>(read);
    const QImage symbol = renderToImage(picture.metafile, picture.xExtent, picture.yExtent, dpi);
    const int margin = static_cast<int>(dpi / 4); // a quarter inch
    QImage page(symbol.width() + 2 * margin, symbol.height() + 2 * margin, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.drawImage(margin, margin, symbol);
    painter.end();
    return page.convertToFormat(QImage::Format_Grayscale8);
}

inline std::string decode(const QImage& grey, ZXing::BarcodeFormat format) {
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(),
                                ZXing::ImageFormat::Lum, static_cast<int>(grey.bytesPerLine()));
    const auto hints =
        ZXing::DecodeHints().setFormats(format).setTryCode39ExtendedMode(true).setTryRotate(true);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    return result.isValid() ? result.text() : "(nothing read)";
}

} // namespace vornik::exporting
