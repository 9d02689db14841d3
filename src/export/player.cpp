#include "export/player.h"

#include "core/app/rounding.h"
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

// GDI values our recorder never writes but a picture read from a file may hold.
constexpr std::uint16_t kPenNull = 5;   // PS_NULL: no outline
constexpr std::uint16_t kBrushNull = 1; // BS_NULL: no fill
constexpr std::uint16_t kAlignHorizontal = 6;
constexpr std::uint16_t kAlignVertical = 24;
constexpr std::uint16_t kAlignBottom = 8;
constexpr std::uint16_t kAlignBaseline = 24;

// COLORREF holds red in its lowest byte.
QColor toQColor(ColorRef color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

using GdiObject = std::variant<LogPen, LogBrush, LogFont>;

// The metafile's object table, indexed as the records index it: a new object
// takes the lowest free slot, a deleted one frees its slot.
class ObjectTable {
public:
    void create(GdiObject object) {
        const auto free = std::find(slots_.begin(), slots_.end(), std::nullopt);
        if (free == slots_.end()) {
            slots_.emplace_back(std::move(object));
            return;
        }
        *free = std::move(object);
    }
    [[nodiscard]] const GdiObject* find(std::uint16_t index) const {
        if (index >= slots_.size() || !slots_[index]) {
            return nullptr;
        }
        return &*slots_[index];
    }
    void remove(std::uint16_t index) {
        if (index < slots_.size()) {
            slots_[index].reset();
        }
    }

private:
    std::vector<std::optional<GdiObject>> slots_;
};

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

// Plays one call at a time onto the painter with the state of a GDI device
// context: mapping, object table, selected objects and text attributes. The
// defaults are those of a fresh device context.
class Player {
public:
    Player(QPainter& painter, const QRectF& target) : painter_(painter), target_(target) {}

    void operator()(const op::SetWindowOrg& call) {
        originX_ = call.x;
        originY_ = call.y;
    }
    void operator()(const op::SetWindowExt& call) {
        // GDI refuses a zero extent; so do we, rather than divide by it.
        if (call.x == 0 || call.y == 0) {
            return;
        }
        scaleX_ = target_.width() / call.x;
        scaleY_ = target_.height() / call.y;
        deviceFont_.reset();
    }
    void operator()(const op::CreatePen& call) { objects_.create(call.pen); }
    void operator()(const op::CreateBrush& call) { objects_.create(call.brush); }
    void operator()(const op::CreateFont& call) { objects_.create(call.font); }
    void operator()(const op::SelectObject& call);
    // A selected object stays in use after it is deleted: the context holds a copy.
    void operator()(const op::DeleteObject& call) { objects_.remove(call.index); }
    void operator()(const op::Rectangle& call);
    void operator()(const op::SetTextAlign& call) { align_ = call.align; }
    void operator()(const op::SetTextColor& call) { textColor_ = call.color; }
    void operator()(const op::SetBkMode& call) { backgroundMode_ = call.mode; }
    void operator()(const op::SetBkColor& call) { backgroundColor_ = call.color; }
    void operator()(const op::TextOut& call);

private:
    [[nodiscard]] double deviceX(double x) const {
        return target_.left() + (x - originX_) * scaleX_;
    }
    [[nodiscard]] double deviceY(double y) const {
        return target_.top() + (y - originY_) * scaleY_;
    }
    [[nodiscard]] QRect deviceBox(const op::Rectangle& call) const;
    void drawFrame(const QRect& box);
    const DeviceFont& deviceFont();
    [[nodiscard]] double alignedX(double advance) const;
    [[nodiscard]] double alignedBaseline(const QFontMetricsF& metrics) const;

    QPainter& painter_;
    QRectF target_;
    double originX_ = 0;
    double originY_ = 0;
    double scaleX_ = 1;
    double scaleY_ = 1;
    ObjectTable objects_;
    LogPen pen_;
    LogBrush brush_{render::kBrushSolid, kWhite, 0};
    LogFont font_;
    std::optional<DeviceFont> deviceFont_;
    std::uint16_t align_ = render::kAlignLeft | render::kAlignTop;
    ColorRef textColor_ = kBlack;
    ColorRef backgroundColor_ = kWhite;
    std::uint16_t backgroundMode_ = render::kOpaqueBackground;
};

void Player::operator()(const op::SelectObject& call) {
    const GdiObject* object = objects_.find(call.index);
    if (object == nullptr) {
        return;
    }
    if (const auto* pen = std::get_if<LogPen>(object)) {
        pen_ = *pen;
    } else if (const auto* brush = std::get_if<LogBrush>(object)) {
        brush_ = *brush;
    } else {
        font_ = std::get<LogFont>(*object);
        deviceFont_.reset();
    }
}

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
void Player::operator()(const op::Rectangle& call) {
    const QRect box = deviceBox(call);
    if (box.isEmpty()) {
        return;
    }
    if (brush_.style != kBrushNull) {
        painter_.fillRect(box, toQColor(brush_.color));
    }
    if (pen_.style != kPenNull) {
        drawFrame(box);
    }
}

// Pen widths scale with x, as in GDI; width 0 is one pixel. An inside-frame
// pen stays within the rectangle, any other straddles its edge.
void Player::drawFrame(const QRect& box) {
    const int width = std::max(1, nearest(pen_.width * std::abs(scaleX_)));
    const int outset = pen_.style == render::kPenInsideFrame ? 0 : width / 2;
    fillFrame(painter_, box.adjusted(-outset, -outset, outset, outset), width,
              toQColor(pen_.color));
}

const DeviceFont& Player::deviceFont() {
    if (!deviceFont_) {
        deviceFont_ =
            makeDeviceFont(font_, std::abs(scaleY_), std::abs(scaleX_), painter_.device());
    }
    return *deviceFont_;
}

// Where the text starts along its baseline, relative to the reference point.
double Player::alignedX(double advance) const {
    switch (align_ & kAlignHorizontal) {
    case render::kAlignRight:
        return -advance;
    case render::kAlignCenter:
        return -advance / 2;
    }
    return 0;
}

// Where the baseline lies below the reference point.
double Player::alignedBaseline(const QFontMetricsF& metrics) const {
    switch (align_ & kAlignVertical) {
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
void Player::operator()(const op::TextOut& call) {
    const QString text = fromWindows1252(call.text);
    if (text.isEmpty()) {
        return;
    }
    const DeviceFont& face = deviceFont();
    const QFontMetricsF metrics(face.font, painter_.device());
    const double advance = metrics.horizontalAdvance(text);
    const QPointF origin(alignedX(advance), alignedBaseline(metrics));

    painter_.save();
    painter_.translate(nearest(deviceX(call.x)), nearest(deviceY(call.y)));
    painter_.rotate(-font_.escapement / 10.0);
    painter_.scale(face.horizontalScale, 1.0);
    if (backgroundMode_ != render::kTransparentBackground) {
        const double cell = metrics.ascent() + metrics.descent();
        painter_.fillRect(QRectF(origin.x(), origin.y() - metrics.ascent(), advance, cell),
                          toQColor(backgroundColor_));
    }
    painter_.setFont(face.font);
    painter_.setPen(toQColor(textColor_));
    painter_.drawText(origin, text);
    painter_.restore();
}

// Image sides are whole pixels; the small allowance keeps an exact product
// that lands a hair above an integer from gaining a pixel.
int pixelsFor(int units, double dotsPerInch) {
    return std::max(1, static_cast<int>(std::ceil(units * dotsPerInch / kUnitsPerInch - 1e-6)));
}

} // namespace

void playMetafile(const render::Metafile& metafile, QPainter& painter, const QRectF& target) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    Player player(painter, target);
    for (const render::MetaOp& call : metafile.ops) {
        std::visit(player, call);
    }
    painter.restore();
}

QImage renderToImage(const render::Metafile& metafile, int xExtentUnits, int yExtentUnits,
                     double dotsPerInch) {
    if (xExtentUnits <= 0 || yExtentUnits <= 0 || !(dotsPerInch > 0)) {
        return {};
    }
    QImage image(pixelsFor(xExtentUnits, dotsPerInch), pixelsFor(yExtentUnits, dotsPerInch),
                 QImage::Format_RGB32);
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
    playMetafile(metafile, painter, QRectF(QPointF(0, 0), size));
    return image;
}

} // namespace vornik::exporting
