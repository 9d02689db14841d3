#pragma once

#include "core/render/current_picture.h"

#include <QWidget>

namespace vornik::gui {

// The symbol on screen at its true size, measured with the screen's physical
// resolution, when it fits the box; scaled down to fit, keeping its shape,
// when it does not. The picture is played as vectors onto the widget, so it
// stays sharp on screens of any pixel density.
class SymbolDisplay : public QWidget {
    Q_OBJECT

public:
    explicit SymbolDisplay(QWidget* parent = nullptr);

    void setPicture(const render::CurrentPicture& picture);
    void clearPicture();
    [[nodiscard]] bool hasPicture() const { return picture_.metafile != nullptr; }

    // Where the picture is drawn, in the widget's coordinates; empty with no
    // picture.
    [[nodiscard]] QRectF pictureRect() const;

    // Logical pixels per 0.01 mm at true size on this widget's screen.
    [[nodiscard]] double trueSizePixelsPerUnit() const;

signals:
    // A double click with the left (or middle) button, and with the right.
    void buildRequested();
    void clearRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    render::CurrentPicture picture_;
    Qt::MouseButton pressedButton_ = Qt::NoButton;
};

} // namespace vornik::gui
