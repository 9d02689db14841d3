#include "export/rasteriser.h"

#include "core/app/rounding.h"
#include "core/render/metafile_replay.h"
#include "export/device_mapping.h"
#include "export/raster/raster_scene.h"

#include <QImage>
#include <QPainter>
#include <vector>

namespace vornik::exporting {
namespace {

constexpr double kUnitsPerInch = 2540.0;

// COLORREF holds red in its lowest byte.
Rgb toRgb(ColorRef color) {
    return {static_cast<std::uint8_t>(color & 0xFF), static_cast<std::uint8_t>((color >> 8) & 0xFF),
            static_cast<std::uint8_t>((color >> 16) & 0xFF)};
}

// Records the replayed calls into a raster scene: fills as they are, text
// drawn by Qt onto transparent stamps. Text records that follow one another
// (a symbol's human-readable line is one record a character) share a stamp,
// so that Qt starts drawing once for them all.
class SceneBuilder : public render::PictureSink {
public:
    SceneBuilder(RasterScene& scene, double width, double height, double dotsPerInch,
                 TextRendering textRendering)
        : scene_(scene), mapping_(0, 0, width, height), textRendering_(textRendering),
          device_(1, 1, QImage::Format_ARGB32_Premultiplied),
          dotsPerMetre_(dotsPerMetre(dotsPerInch)) {
        device_.setDotsPerMeterX(dotsPerMetre_);
        device_.setDotsPerMeterY(dotsPerMetre_);
    }

    void windowChanged(const render::Window& window) override { mapping_.setWindow(window); }
    void rectangle(const render::op::Rectangle& call, const render::LogPen& pen,
                   const render::LogBrush& brush) override;
    void text(const render::op::TextOut& call, const render::TextStyle& style) override;
    // Lays the text still waiting; called after the last record too.
    void layPendingText();

private:
    [[nodiscard]] Stamp stampOfPendingText(const QRect& bounds) const;

    RasterScene& scene_;
    DeviceMapping mapping_;
    TextRendering textRendering_;
    QImage device_; // the resolution fonts are measured at
    int dotsPerMetre_;
    std::vector<PlacedText> pendingText_;
    QRect pendingBounds_;
};

// Hatched and pattern brushes are filled in their colour.
void SceneBuilder::rectangle(const render::op::Rectangle& call, const render::LogPen& pen,
                             const render::LogBrush& brush) {
    const PixelBox box = mapping_.box(call);
    if (box.isEmpty())
        return;
    layPendingText();
    if (brush.style != render::kBrushNull)
        scene_.fill(box, toRgb(brush.color));
    for (const PixelBox& band : mapping_.frame(box, pen, brush))
        scene_.fill(band, toRgb(pen.color));
}

void SceneBuilder::text(const render::op::TextOut& call, const render::TextStyle& style) {
    const QPointF reference(nearest(mapping_.x(call.x)), nearest(mapping_.y(call.y)));
    const PlacedText placed(call, style, reference, mapping_.scaleX(), mapping_.scaleY(),
                            textRendering_, &device_);
    if (placed.isEmpty())
        return;
    const QRect bounds =
        placed.bounds().toAlignedRect().intersected(QRect(0, 0, scene_.width(), scene_.height()));
    if (bounds.isEmpty())
        return;
    pendingText_.push_back(placed);
    pendingBounds_ = pendingBounds_.united(bounds);
}

void SceneBuilder::layPendingText() {
    if (pendingText_.empty())
        return;
    scene_.lay(stampOfPendingText(pendingBounds_),
               textRendering_ == TextRendering::Crisp ? Coverage::Threshold : Coverage::Blend);
    pendingText_.clear();
    pendingBounds_ = QRect();
}

// Qt draws straight into the stamp's pixels, which start out transparent
// (all zeros).
Stamp SceneBuilder::stampOfPendingText(const QRect& bounds) const {
    Stamp stamp{bounds.left(), bounds.top(), bounds.width(), bounds.height(), {}};
    stamp.argb.resize(static_cast<std::size_t>(stamp.width) *
                      static_cast<std::size_t>(stamp.height));
    QImage image(reinterpret_cast<uchar*>(stamp.argb.data()), stamp.width, stamp.height,
                 stamp.width * 4, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(dotsPerMetre_);
    image.setDotsPerMeterY(dotsPerMetre_);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, textRendering_ == TextRendering::Smooth);
    painter.translate(-bounds.left(), -bounds.top());
    PlacedText::drawInOrder(painter, pendingText_);
    painter.end();
    return stamp;
}

} // namespace

PixelImage rasterise(const render::Metafile& metafile, int xExtentUnits, int yExtentUnits,
                     double dotsPerInch, TextRendering textRendering) {
    if (xExtentUnits <= 0 || yExtentUnits <= 0 || !(dotsPerInch > 0))
        return {};
    RasterScene scene(devicePixels(xExtentUnits, dotsPerInch),
                      devicePixels(yExtentUnits, dotsPerInch), Rgb{255, 255, 255});
    SceneBuilder builder(scene, xExtentUnits * dotsPerInch / kUnitsPerInch,
                         yExtentUnits * dotsPerInch / kUnitsPerInch, dotsPerInch, textRendering);
    render::replay(metafile, builder);
    builder.layPendingText();
    return scene.render(dotsPerInch);
}

} // namespace vornik::exporting
