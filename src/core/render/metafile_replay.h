#pragma once

#include "core/render/metafile.h"

#include <cstdint>

namespace vornik::render {

// GDI values our recorder never writes but a picture read from a file may hold.
inline constexpr std::uint16_t kBrushNull = 1; // BS_NULL: no fill

// The window that logical coordinates are mapped from: origin and extent as
// the records set them. A negative extent turns the axis over.
struct Window {
    double originX = 0;
    double originY = 0;
    double extentX = 1;
    double extentY = 1;
};

// What a text record is drawn with: the selected font and the text
// attributes of the device context when it was played.
struct TextStyle {
    LogFont font;
    std::uint16_t align = kAlignLeft | kAlignTop;
    ColorRef color = kBlack;
    bool opaque = true; // the cell is filled with the background colour first
    ColorRef background = kWhite;
};

// Where a replayed picture goes: a painter, an SVG or a PostScript document.
// Coordinates are logical, to be mapped through the current window.
class PictureSink {
public:
    virtual ~PictureSink() = default;
    virtual void windowChanged(const Window& window) = 0;
    // A rectangle drawn with the selected pen (its outline; null: none) and
    // brush (its fill; null: none).
    virtual void rectangle(const op::Rectangle& box, const LogPen& pen, const LogBrush& brush) = 0;
    virtual void text(const op::TextOut& call, const TextStyle& style) = 0;
};

// Plays the calls in order with the state of a fresh GDI device context:
// object table, selected pen, brush and font, text attributes and window.
// Selecting or deleting an index that holds no object does nothing, as in
// GDI; a zero window extent is refused, as GDI refuses it.
void replay(const Metafile& metafile, PictureSink& sink);

} // namespace vornik::render
