#pragma once

#include "core/render/metafile_replay.h"
#include "export/device_font.h"
#include "export/text_rendering.h"

#include <QGlyphRun>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <span>

class QPainter;
class QPaintDevice;

namespace vornik::exporting {

// A text record laid out for a device, as GDI draws it: the text in its own
// frame, turned by the escapement (tenths of a degree counter-clockwise)
// about the reference point and aligned on it; GDI never mirrors text,
// whatever the window's orientation. With an opaque background the text's
// cell is filled first. Like GDI's text-out, glyphs follow one another by
// their own advances, without kerning or ligatures; a character the face
// lacks sends the whole text through Qt's shaping, which finds it in another
// font.
class PlacedText {
public:
    // `reference` is the reference point in device pixels; the scales turn
    // logical lengths into device pixels.
    PlacedText(const render::op::TextOut& call, const render::TextStyle& style,
               const QPointF& reference, double scaleX, double scaleY, TextRendering rendering,
               const QPaintDevice* device);

    [[nodiscard]] bool isEmpty() const { return text_.isEmpty(); }

    // A device rectangle that holds every pixel the text may touch.
    [[nodiscard]] QRectF bounds() const;

    // Draws onto a painter in device coordinates; its state is kept.
    void draw(QPainter& painter) const;

    // Draws texts in order, as draw() would one by one. Neighbours that differ
    // only in where they stand (upright and unstretched, in one face and
    // colour, with no cell to fill and no line) are drawn as one run of
    // glyphs: a symbol's human-readable line is a text a character, and Qt
    // draws one run for little more than one of its glyphs.
    static void drawInOrder(QPainter& painter, std::span<const PlacedText> texts);

private:
    [[nodiscard]] bool standsPlainly() const;
    [[nodiscard]] bool joins(const PlacedText& next) const;

    QString text_;
    render::TextStyle style_;
    DeviceFont face_;
    QGlyphRun glyphs_; // empty when the text goes through shaping
    QTransform frame_; // from the text's own frame to the device
    QPointF origin_;   // the baseline's start in the text's frame
    double advance_ = 0;
    double ascent_ = 0;
    double descent_ = 0;
};

} // namespace vornik::exporting
