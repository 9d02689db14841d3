#include "export/placed_text.h"

#include "export/qt_colour.h"
#include "export/text_alignment.h"
#include "export/windows1252.h"

#include <QFontMetricsF>
#include <QPainter>
#include <tuple>
#include <utility>

namespace vornik::exporting {
namespace {

// The glyphs side by side from the baseline's start, and how far they
// advance the pen in all; an empty run when the face lacks one of them.
std::pair<QGlyphRun, double> glyphRunOf(const QString& text, const DeviceFont& face) {
    const QList<quint32> indexes = face.raw.glyphIndexesForString(text);
    if (!face.raw.isValid() || indexes.size() != text.size() || indexes.contains(0u))
        return {};
    const QList<QPointF> advances = face.raw.advancesForGlyphIndexes(indexes);
    QList<QPointF> positions;
    positions.reserve(advances.size());
    QPointF pen(0, 0);
    for (const QPointF& advance : advances) {
        positions.append(pen);
        pen += advance;
    }
    QGlyphRun run;
    run.setRawFont(face.raw);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    run.setUnderline(face.font.underline());
    run.setStrikeOut(face.font.strikeOut());
    return {run, pen.x()};
}

} // namespace

PlacedText::PlacedText(const render::op::TextOut& call, const render::TextStyle& style,
                       const QPointF& reference, double scaleX, double scaleY,
                       TextRendering rendering, const QPaintDevice* device)
    : text_(fromWindows1252(call.text)), style_(style) {
    if (text_.isEmpty())
        return;
    face_ = cachedDeviceFont(style.font, std::abs(scaleY), std::abs(scaleX), device,
                             rendering == TextRendering::Smooth);
    std::tie(glyphs_, advance_) = glyphRunOf(text_, face_);
    if (glyphs_.isEmpty())
        advance_ = QFontMetricsF(face_.font, device).horizontalAdvance(text_);
    ascent_ = face_.ascent;
    descent_ = face_.descent;
    origin_ =
        QPointF(alignedX(style.align, advance_), alignedBaseline(style.align, ascent_, descent_));
    frame_.translate(reference.x(), reference.y());
    frame_.rotate(-style.font.escapement / 10.0);
    frame_.scale(face_.horizontalScale, 1.0);
}

// Laid out glyph by glyph, the text reaches as far as the glyphs' own boxes
// (a pixel more, for their edges), its cell when that is filled and its
// advance when it is underlined or struck out. Shaped text is given a margin
// of a quarter of its cell all round, for italics and accents.
QRectF PlacedText::bounds() const {
    const double cell = ascent_ + descent_;
    const QRectF cellBox(origin_.x(), origin_.y() - ascent_, advance_, cell);
    if (glyphs_.isEmpty()) {
        const double margin = cell / 4 + 2;
        return frame_.mapRect(cellBox.adjusted(-margin, -margin, margin, margin));
    }
    QRectF ink;
    const QList<quint32> indexes = glyphs_.glyphIndexes();
    const QList<QPointF> positions = glyphs_.positions();
    for (qsizetype i = 0; i < indexes.size(); ++i)
        ink |= face_.raw.boundingRect(indexes[i]).translated(origin_ + positions[i]);
    if (style_.opaque || face_.font.underline() || face_.font.strikeOut())
        ink |= cellBox;
    return frame_.mapRect(ink).adjusted(-2, -2, 2, 2);
}

void PlacedText::draw(QPainter& painter) const {
    if (isEmpty())
        return;
    painter.save();
    painter.setTransform(frame_, true);
    if (style_.opaque)
        painter.fillRect(QRectF(origin_.x(), origin_.y() - ascent_, advance_, ascent_ + descent_),
                         toQColor(style_.background));
    painter.setPen(toQColor(style_.color));
    if (glyphs_.isEmpty()) {
        painter.setFont(face_.font);
        painter.drawText(origin_, text_);
    } else {
        painter.drawGlyphRun(origin_, glyphs_);
    }
    painter.restore();
}

bool PlacedText::standsPlainly() const {
    return !glyphs_.isEmpty() && frame_.type() <= QTransform::TxTranslate && !style_.opaque &&
           !face_.font.underline() && !face_.font.strikeOut();
}

bool PlacedText::joins(const PlacedText& next) const {
    return standsPlainly() && next.standsPlainly() && face_.raw == next.face_.raw &&
           style_.color == next.style_.color;
}

void PlacedText::drawInOrder(QPainter& painter, std::span<const PlacedText> texts) {
    for (std::size_t first = 0; first < texts.size();) {
        std::size_t end = first + 1;
        while (end < texts.size() && texts[end - 1].joins(texts[end]))
            ++end;
        const PlacedText& lead = texts[first];
        if (end == first + 1) {
            lead.draw(painter);
            first = end;
            continue;
        }
        // Each text's glyphs move into the lead's frame by the difference of
        // the two reference points, which are whole pixels.
        QList<quint32> indexes;
        QList<QPointF> positions;
        for (const PlacedText& text : texts.subspan(first, end - first)) {
            const QPointF shift = text.origin_ + QPointF(text.frame_.dx() - lead.frame_.dx(),
                                                         text.frame_.dy() - lead.frame_.dy());
            indexes += text.glyphs_.glyphIndexes();
            for (const QPointF& position : text.glyphs_.positions())
                positions.append(position + shift);
        }
        QGlyphRun run;
        run.setRawFont(lead.face_.raw);
        run.setGlyphIndexes(indexes);
        run.setPositions(positions);
        painter.save();
        painter.setTransform(lead.frame_, true);
        painter.setPen(toQColor(lead.style_.color));
        painter.drawGlyphRun(QPointF(0, 0), run);
        painter.restore();
        first = end;
    }
}

} // namespace vornik::exporting
