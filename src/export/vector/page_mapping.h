#pragma once

#include "core/render/metafile.h"
#include "core/render/metafile_replay.h"
#include "core/render/placeable_wmf.h"

#include <string>

namespace vornik::exporting {

// A point or length on the page of a vector document: 0.01 mm, x to the
// right and y downward from the picture's top left corner.
struct PagePoint {
    double x = 0;
    double y = 0;
};

struct PageBox {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// A placeable picture's size in page units (0.01 mm), whatever units its
// header counts in.
struct PageSize {
    double width = 0;
    double height = 0;
};
[[nodiscard]] PageSize pageSizeOf(const render::PlaceablePicture& picture);

// Maps a picture's logical coordinates onto its page through the window the
// records set; until they set one, a logical unit is a page unit.
class PageMapping {
public:
    PageMapping(double pageWidth, double pageHeight)
        : pageWidth_(pageWidth), pageHeight_(pageHeight) {}

    void setWindow(const render::Window& window);
    [[nodiscard]] PagePoint point(double x, double y) const;
    // The rectangle between two corners, whatever their order.
    [[nodiscard]] PageBox box(const render::op::Rectangle& call) const;
    [[nodiscard]] double scaleX() const { return scaleX_; }
    [[nodiscard]] double scaleY() const { return scaleY_; }

private:
    double pageWidth_;
    double pageHeight_;
    render::Window window_;
    double scaleX_ = 1;
    double scaleY_ = 1;
};

// What the vector documents' sinks share: the mapping onto the page and the
// body of the document being written.
class PageSink : public render::PictureSink {
public:
    PageSink(double pageWidth, double pageHeight) : mapping_(pageWidth, pageHeight) {}
    void windowChanged(const render::Window& window) override { mapping_.setWindow(window); }
    [[nodiscard]] const std::string& body() const { return body_; }

protected:
    PageMapping mapping_;
    std::string body_;
};

// What a rectangle of the records comes to on the page: the fill (none for a
// null brush) and the outline. Outlines are drawn as filled bands, as the
// raster player draws them: an inside-frame pen within the rectangle, any
// other straddling its edge; width 0 is the thinnest line, one page unit.
struct PageRectangle {
    PageBox box;
    bool filled = false;
    ColorRef fill = kBlack;
    bool outlined = false;
    PageBox outline; // the band's outer edge
    double outlineWidth = 0;
    ColorRef outlineColor = kBlack;
};

[[nodiscard]] PageRectangle pageRectangle(const PageMapping& mapping,
                                          const render::op::Rectangle& call,
                                          const render::LogPen& pen, const render::LogBrush& brush);

// Text set on the page: font size (em), horizontal stretch and where the
// baseline starts, for a font whose metrics vector documents cannot measure.
// The proportions are those of Arial and its metric-compatible substitutes,
// which is what the program's pictures use.
struct PageText {
    PagePoint reference; // the record's reference point
    double emSize = 0;
    double horizontalScale = 1;
    double ascent = 0;       // baseline below the top of the cell
    double descent = 0;      // bottom of the cell below the baseline
    double averageWidth = 0; // of a character, before the horizontal stretch
    double rotation = 0;     // degrees, counter-clockwise on the page
};

[[nodiscard]] PageText pageText(const PageMapping& mapping, const render::op::TextOut& call,
                                const render::TextStyle& style);

// How far the baseline lies below the reference point for the alignment
// flags of a text style.
[[nodiscard]] double baselineOffset(std::uint16_t align, const PageText& text);

// A number for a document: at most `decimals` decimals, no trailing zeros,
// "." whatever the locale.
[[nodiscard]] std::string documentNumber(double value, int decimals = 2);

// The red, green and blue of a COLORREF, 0 to 255.
[[nodiscard]] int redOf(ColorRef color);
[[nodiscard]] int greenOf(ColorRef color);
[[nodiscard]] int blueOf(ColorRef color);

} // namespace vornik::exporting
