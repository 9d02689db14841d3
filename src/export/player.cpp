#include "export/player.h"

#include "core/app/rounding.h"
#include "core/render/metafile_replay.h"
#include "export/device_mapping.h"
#include "export/qt_colour.h"

#include <QPainter>

namespace vornik::exporting {
namespace {

constexpr double kUnitsPerInch = 2540.0;

QRect toQRect(const PixelBox& box) {
    return QRect(box.left, box.top, box.right - box.left, box.bottom - box.top);
}

// Draws the replayed calls onto the painter, mapping the window onto the
// target rectangle.
class Player : public render::PictureSink {
public:
    Player(QPainter& painter, const QRectF& target, TextRendering textRendering)
        : painter_(painter), mapping_(target.left(), target.top(), target.width(), target.height()),
          textRendering_(textRendering) {}

    void windowChanged(const render::Window& window) override { mapping_.setWindow(window); }
    void rectangle(const render::op::Rectangle& call, const render::LogPen& pen,
                   const render::LogBrush& brush) override;
    void text(const render::op::TextOut& call, const render::TextStyle& style) override;

private:
    QPainter& painter_;
    DeviceMapping mapping_;
    TextRendering textRendering_;
};

// Hatched and pattern brushes are filled in their colour.
void Player::rectangle(const render::op::Rectangle& call, const render::LogPen& pen,
                       const render::LogBrush& brush) {
    const PixelBox box = mapping_.box(call);
    if (box.isEmpty())
        return;
    if (brush.style != render::kBrushNull)
        painter_.fillRect(toQRect(box), toQColor(brush.color));
    for (const PixelBox& band : mapping_.frame(box, pen, brush))
        painter_.fillRect(toQRect(band), toQColor(pen.color));
}

void Player::text(const render::op::TextOut& call, const render::TextStyle& style) {
    const QPointF reference(nearest(mapping_.x(call.x)), nearest(mapping_.y(call.y)));
    PlacedText(call, style, reference, mapping_.scaleX(), mapping_.scaleY(), textRendering_,
               painter_.device())
        .draw(painter_);
}

} // namespace

void playMetafile(const render::Metafile& metafile, QPainter& painter, const QRectF& target,
                  TextRendering textRendering) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, textRendering == TextRendering::Smooth);
    Player player(painter, target, textRendering);
    render::replay(metafile, player);
    painter.restore();
}

QImage renderToImage(const render::Metafile& metafile, int xExtentUnits, int yExtentUnits,
                     double dotsPerInch, TextRendering textRendering) {
    if (xExtentUnits <= 0 || yExtentUnits <= 0 || !(dotsPerInch > 0)) {
        return {};
    }
    QImage image(devicePixels(xExtentUnits, dotsPerInch), devicePixels(yExtentUnits, dotsPerInch),
                 QImage::Format_RGB888);
    if (image.isNull()) {
        return {};
    }
    image.fill(Qt::white);
    image.setDotsPerMeterX(dotsPerMetre(dotsPerInch));
    image.setDotsPerMeterY(dotsPerMetre(dotsPerInch));

    QPainter painter(&image);
    const QSizeF size(xExtentUnits * dotsPerInch / kUnitsPerInch,
                      yExtentUnits * dotsPerInch / kUnitsPerInch);
    playMetafile(metafile, painter, QRectF(QPointF(0, 0), size), textRendering);
    return image;
}

} // namespace vornik::exporting
