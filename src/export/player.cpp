#include "export/player.h"

#include "core/app/rounding.h"
#include "core/render/metafile_replay.h"
#include "export/device_font.h"
#include "export/windows1252.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <optional>
#include <variant>
#include <vector>

namespace vornik::exporting {
namespace {

using render::LogBrush;
using render::LogFont;
using render::LogPen;
namespace op = render::op;

constexpr double kUnitsPerInch = 2540.0;

constexpr std::uint16_t kAlignHorizontal = 6;
constexpr std::uint16_t kAlignVertical = 24;
constexpr std::uint16_t kAlignBottom = 8;
constexpr std::uint16_t kAlignBaseline = 24;

// COLORREF holds red in its lowest byte.
QColor toQColor(ColorRef color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

// Fills the band of `width` pixels just inside `outer`.
void fillFrame(QPainter& painter, const QRect& outer, int width, const QColor& color) {
    if (2 * width >= outer.width() || 2 * width >= outer.height()) {
        painter.fillRect(outer, color);
        return;
    }
    const int innerHeight = outer.height() - 2 * width;
    painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), width), color);
    painter.fillRect(QRect(outer.left(), outer.bottom() - width + 1, outer.width(), width), color);
    painter.fillRect(QRect(outer.left(), outer.top() + width, width, innerHeight), color);
    painter.fillRect(QRect(outer.right() - width + 1, outer.top() + width, width, innerHeight),
                     color);
}

// Draws the replayed calls onto the painter, mapping the window onto the
// target rectangle.
class Player : public render::PictureSink {
public:
    Player(QPainter& painter, const QRectF& target, TextRendering textRendering)
        : painter_(painter), target_(target), textRendering_(textRendering) {}

    void windowChanged(const render::Window& window) override {
        window_ = window;
        scaleX_ = target_.width() / window.extentX;
        scaleY_ = target_.height() / window.extentY;
    }
    void rectangle(const op::Rectangle& call, const LogPen& pen, const LogBrush& brush) override;
    void text(const op::TextOut& call, const render::TextStyle& style) override;

private:
    [[nodiscard]] double deviceX(double x) const {
        return target_.left() + (x - window_.originX) * scaleX_;
    }
    [[nodiscard]] double deviceY(double y) const {
        return target_.top() + (y - window_.originY) * scaleY_;
    }
    [[nodiscard]] QRect deviceBox(const op::Rectangle& call) const;
    void drawFrame(const QRect& box, const LogPen& pen);
    [[nodiscard]] DeviceFont deviceFont(const LogFont& font) const;

    QPainter& painter_;
    QRectF target_;
    TextRendering textRendering_;
    render::Window window_;
    double scaleX_ = 1;
    double scaleY_ = 1;
};

// Each edge is mapped and rounded on its own, so that equal widths in units
// give equal widths in pixels wherever they stand. As in GDI, the right and
// bottom edges are not part of the rectangle.
QRect Player::deviceBox(const op::Rectangle& call) const {
    const int x1 = nearest(deviceX(call.left));
    const int x2 = nearest(deviceX(call.right));
    const int y1 = nearest(deviceY(call.top));
    const int y2 = nearest(deviceY(call.bottom));
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                 QSize(std::abs(x2 - x1), std::abs(y2 - y1)));
}

// Hatched and pattern brushes are filled in their colour.
void Player::rectangle(const op::Rectangle& call, const LogPen& pen, const LogBrush& brush) {
    const QRect box = deviceBox(call);
    if (box.isEmpty()) {
        return;
    }
    if (brush.style != render::kBrushNull) {
        painter_.fillRect(box, toQColor(brush.color));
    }
    // An inside frame in the fill's own colour changes nothing: bars are
    // drawn so, and their frames would cost four fills each.
    const bool frameShows = pen.style != render::kPenNull &&
                            !(pen.style == render::kPenInsideFrame &&
                              brush.style != render::kBrushNull && pen.color == brush.color);
    if (frameShows) {
        drawFrame(box, pen);
    }
}

// Pen widths scale with x, as in GDI; width 0 is one pixel. An inside-frame
// pen stays within the rectangle, any other straddles its edge.
void Player::drawFrame(const QRect& box, const LogPen& pen) {
    const int width = std::max(1, nearest(pen.width * std::abs(scaleX_)));
    const int outset = pen.style == render::kPenInsideFrame ? 0 : width / 2;
    fillFrame(painter_, box.adjusted(-outset, -outset, outset, outset), width, toQColor(pen.color));
}

DeviceFont Player::deviceFont(const LogFont& font) const {
    DeviceFont face =
        cachedDeviceFont(font, std::abs(scaleY_), std::abs(scaleX_), painter_.device());
    if (textRendering_ == TextRendering::Crisp) {
        face.font.setStyleStrategy(QFont::NoAntialias);
    }
    return face;
}

// Where the text starts along its baseline, relative to the reference point.
double alignedX(std::uint16_t align, double advance) {
    switch (align & kAlignHorizontal) {
    case render::kAlignRight:
        return -advance;
    case render::kAlignCenter:
        return -advance / 2;
    }
    return 0;
}

// Where the baseline lies below the reference point.
double alignedBaseline(std::uint16_t align, const QFontMetricsF& metrics) {
    switch (align & kAlignVertical) {
    case kAlignBaseline:
        return 0;
    case kAlignBottom:
        return -metrics.descent();
    }
    return metrics.ascent();
}

// The text is laid out in its own frame, turned by the escapement (tenths of
// a degree counter-clockwise) about the reference point; GDI never mirrors
// text, whatever the window's orientation.
void Player::text(const op::TextOut& call, const render::TextStyle& style) {
    const QString text = fromWindows1252(call.text);
    if (text.isEmpty()) {
        return;
    }
    const DeviceFont face = deviceFont(style.font);
    const QFontMetricsF metrics(face.font, painter_.device());
    const double advance = metrics.horizontalAdvance(text);
    const QPointF origin(alignedX(style.align, advance), alignedBaseline(style.align, metrics));

    painter_.save();
    painter_.translate(nearest(deviceX(call.x)), nearest(deviceY(call.y)));
    painter_.rotate(-style.font.escapement / 10.0);
    painter_.scale(face.horizontalScale, 1.0);
    if (style.opaque) {
        const double cell = metrics.ascent() + metrics.descent();
        painter_.fillRect(QRectF(origin.x(), origin.y() - metrics.ascent(), advance, cell),
                          toQColor(style.background));
    }
    painter_.setFont(face.font);
    painter_.setPen(toQColor(style.color));
    painter_.drawText(origin, text);
    painter_.restore();
}

// Image sides are whole pixels; the small allowance keeps an exact product
// that lands a hair above an integer from gaining a pixel.
int pixelsFor(int units, double dotsPerInch) {
    return std::max(1, static_cast<int>(std::ceil(units * dotsPerInch / kUnitsPerInch - 1e-6)));
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
    QImage image(pixelsFor(xExtentUnits, dotsPerInch), pixelsFor(yExtentUnits, dotsPerInch),
                 QImage::Format_RGB888);
    if (image.isNull()) {
        return {};
    }
    image.fill(Qt::white);
    const int dotsPerMeter = nearest(dotsPerInch * 10000.0 / 254.0);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);

    QPainter painter(&image);
    const QSizeF size(xExtentUnits * dotsPerInch / kUnitsPerInch,
                      yExtentUnits * dotsPerInch / kUnitsPerInch);
    playMetafile(metafile, painter, QRectF(QPointF(0, 0), size), textRendering);
    return image;
}

} // namespace vornik::exporting
