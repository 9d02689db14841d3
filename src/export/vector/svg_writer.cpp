#include "export/vector/svg_writer.h"

#include "core/app/windows1252.h"
#include "export/vector/page_mapping.h"

#include <cstdio>

namespace vornik::exporting {
namespace {

using render::op::Rectangle;
using render::op::TextOut;

std::string svgColor(ColorRef color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", redOf(color), greenOf(color), blueOf(color));
    return text;
}

std::string escapedXml(std::string_view utf8) {
    std::string text;
    for (const char c : utf8) {
        switch (c) {
        case '<':
            text += "&lt;";
            break;
        case '>':
            text += "&gt;";
            break;
        case '&':
            text += "&amp;";
            break;
        case '"':
            text += "&quot;";
            break;
        default:
            // XML 1.0 has no place for the other C0 controls, even escaped.
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r')
                text += c;
            else
                text += "&#xFFFD;";
        }
    }
    return text;
}

std::string boxPath(const PageBox& box) {
    return "M" + documentNumber(box.left) + "," + documentNumber(box.top) + "h" +
           documentNumber(box.width) + "v" + documentNumber(box.height) + "h" +
           documentNumber(-box.width) + "z";
}

class SvgSink : public PageSink {
public:
    using PageSink::PageSink;

    void rectangle(const Rectangle& call, const render::LogPen& pen,
                   const render::LogBrush& brush) override;
    void text(const TextOut& call, const render::TextStyle& style) override;

private:
    void fillBox(const PageBox& box, ColorRef color);
    void fillBand(const PageBox& outer, double width, ColorRef color);
};

void SvgSink::fillBox(const PageBox& box, ColorRef color) {
    body_ += "<rect x=\"" + documentNumber(box.left) + "\" y=\"" + documentNumber(box.top) +
             "\" width=\"" + documentNumber(box.width) + "\" height=\"" +
             documentNumber(box.height) + "\" fill=\"" + svgColor(color) + "\"/>\n";
}

// An outline as the band between its outer edge and an inner one; when the
// band would close up, the whole box.
void SvgSink::fillBand(const PageBox& outer, double width, ColorRef color) {
    if (2 * width >= outer.width || 2 * width >= outer.height) {
        fillBox(outer, color);
        return;
    }
    const PageBox inner{outer.left + width, outer.top + width, outer.width - 2 * width,
                        outer.height - 2 * width};
    body_ += "<path fill-rule=\"evenodd\" d=\"" + boxPath(outer) + boxPath(inner) + "\" fill=\"" +
             svgColor(color) + "\"/>\n";
}

void SvgSink::rectangle(const Rectangle& call, const render::LogPen& pen,
                        const render::LogBrush& brush) {
    const PageRectangle shape = pageRectangle(mapping_, call, pen, brush);
    if (shape.box.width <= 0 || shape.box.height <= 0)
        return;
    if (shape.filled)
        fillBox(shape.box, shape.fill);
    if (shape.outlined)
        fillBand(shape.outline, shape.outlineWidth, shape.outlineColor);
}

// The cell behind a text in its own frame. SVG cannot measure text before it
// is drawn, so the width is the font's average character width per character.
PageBox textCell(const PageText& text, std::uint16_t align, std::size_t characters) {
    const double width = static_cast<double>(characters) * text.averageWidth;
    const std::uint16_t horizontal = align & 6;
    const double left = horizontal == render::kAlignCenter  ? -width / 2
                        : horizontal == render::kAlignRight ? -width
                                                            : 0;
    const double top = baselineOffset(align, text) - text.ascent;
    return {left, top, width, text.ascent + text.descent};
}

// The text is laid out in its own frame, turned about the reference point;
// an opaque background is a box of the cell's height and an estimated width.
void SvgSink::text(const TextOut& call, const render::TextStyle& style) {
    if (call.text.empty())
        return;
    const PageText text = pageText(mapping_, call, style);
    const std::uint16_t horizontal = style.align & 6;
    const char* anchor = horizontal == render::kAlignCenter  ? "middle"
                         : horizontal == render::kAlignRight ? "end"
                                                             : "start";
    body_ += "<g transform=\"translate(" + documentNumber(text.reference.x) + "," +
             documentNumber(text.reference.y) + ") rotate(" + documentNumber(-text.rotation) +
             ") scale(" + documentNumber(text.horizontalScale, 4) + ",1)\">";
    if (style.opaque)
        fillBox(textCell(text, style.align, call.text.size()), style.background);
    body_ += "<text x=\"0\" y=\"" + documentNumber(baselineOffset(style.align, text)) +
             "\" font-family=\"" + escapedXml(windows1252ToUtf8(style.font.faceName)) +
             ", 'Liberation Sans', Arial, Helvetica, sans-serif\" font-size=\"" +
             documentNumber(text.emSize) + "\"" +
             (style.font.weight >= 600 ? " font-weight=\"bold\"" : "") +
             (style.font.italic ? " font-style=\"italic\"" : "") + " text-anchor=\"" + anchor +
             "\" fill=\"" + svgColor(style.color) + "\" xml:space=\"preserve\">" +
             escapedXml(windows1252ToUtf8(call.text)) + "</text></g>\n";
}

} // namespace

std::string svgDocument(const render::PlaceablePicture& picture) {
    const auto [width, height] = pageSizeOf(picture);
    SvgSink sink(width, height);
    render::replay(picture.metafile, sink);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
           documentNumber(width / 100, 4) + "mm\" height=\"" + documentNumber(height / 100, 4) +
           "mm\" viewBox=\"0 0 " + documentNumber(width) + " " + documentNumber(height) +
           "\" shape-rendering=\"crispEdges\">\n" + sink.body() + "</svg>\n";
}

} // namespace vornik::exporting
