#include "gui/symbol_display.h"

#include "export/player.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>

namespace vornik::gui {
namespace {

constexpr double kUnitsPerInch = 2540;
constexpr int kMargin = 8;

} // namespace

SymbolDisplay::SymbolDisplay(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setMinimumSize(120, 80);
    setAccessibleName(tr("Symbol"));
}

void SymbolDisplay::setPicture(const render::CurrentPicture& picture) {
    picture_ = picture;
    update();
}

void SymbolDisplay::clearPicture() {
    picture_ = {};
    update();
}

double SymbolDisplay::trueSizePixelsPerUnit() const {
    const QScreen* display = screen();
    if (display == nullptr)
        return 96 / kUnitsPerInch;
    // Qt gives the screen's physical density in the device-independent
    // pixels the painter works in, whatever the scale factor.
    const double physical = display->physicalDotsPerInchX();
    const double perInch = physical > 0 ? physical : display->logicalDotsPerInchX();
    return perInch / kUnitsPerInch;
}

QRectF SymbolDisplay::pictureRect() const {
    if (!hasPicture() || picture_.xExtent <= 0 || picture_.yExtent <= 0)
        return {};
    const QRectF room = QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const double trueScale = trueSizePixelsPerUnit();
    const double fitScale =
        std::min(room.width() / picture_.xExtent, room.height() / picture_.yExtent);
    const double scale = std::min(trueScale, fitScale);
    return {room.left(), room.top(), picture_.xExtent * scale, picture_.yExtent * scale};
}

void SymbolDisplay::paintEvent(QPaintEvent*) {
    const QRectF target = pictureRect();
    if (target.isEmpty())
        return;
    QPainter painter(this);
    // Symbols are made for paper: a transparent one is shown on white, so
    // that it reads in a dark theme too.
    painter.fillRect(target, Qt::white);
    exporting::playMetafile(*picture_.metafile, painter, target);
}

void SymbolDisplay::mousePressEvent(QMouseEvent* event) {
    pressedButton_ = event->button();
    QWidget::mousePressEvent(event);
}

void SymbolDisplay::mouseDoubleClickEvent(QMouseEvent* event) {
    if (pressedButton_ == Qt::RightButton || event->button() == Qt::RightButton)
        emit clearRequested();
    else
        emit buildRequested();
}

} // namespace vornik::gui
