#include "export/vector/eps_writer.h"

#include "core/app/ascii_case.h"
#include "export/vector/page_mapping.h"

#include <cmath>
#include <optional>

namespace vornik::exporting {
namespace {

using render::op::Rectangle;
using render::op::TextOut;

constexpr double kPointsPerUnit = 72.0 / 2540.0; // page units are 0.01 mm

// Defines /Vornik-1252, the Latin-1 encoding with the characters Windows-1252
// puts at 0x80 to 0x9F, and the hyphen, straight quote and grave accent at
// their ASCII places (PostScript's Latin-1 has a minus, curly quote and left
// quote there), and the procedures the body uses:
//   x y w h F             fill a box (y up, lower left corner)
//   x y w h t F-band      fill the band of width t inside the outer box
//   (text) face size sx angle x y dy align T
//                         set text: the reference point x y, the baseline dy
//                         below it in the text's own frame, align 0 left,
//                         1 centre, 2 right
constexpr std::string_view kProlog = R"(/Vornik-1252 ISOLatin1Encoding dup length array copy def
Vornik-1252 16#27 /quotesingle put Vornik-1252 16#2D /hyphen put
Vornik-1252 16#60 /grave put
[16#80 /Euro 16#82 /quotesinglbase /florin /quotedblbase /ellipsis /dagger /daggerdbl
 /circumflex /perthousand /Scaron /guilsinglleft /OE 16#8E /Zcaron
 16#91 /quoteleft /quoteright /quotedblleft /quotedblright /bullet /endash /emdash
 /tilde /trademark /scaron /guilsinglright /oe 16#9E /zcaron /Ydieresis]
/Vornik-put-code 0 def
{ dup type /integertype eq { /Vornik-put-code exch def }
  { Vornik-1252 Vornik-put-code 3 -1 roll put /Vornik-put-code Vornik-put-code 1 add def }
  ifelse } forall
/Vornik-font { % name -> font re-encoded
  dup findfont dup length dict begin
  { 1 index /FID ne { def } { pop pop } ifelse } forall
  /Encoding Vornik-1252 def currentdict end
  exch 100 string cvs (-1252) concatstrings cvn exch definefont } bind def
/concatstrings { exch dup length 2 index length add string dup dup 4 2 roll copy length
  4 -1 roll putinterval } bind def
/F { rectfill } bind def
/F-band { 5 dict begin /t exch def /h exch def /w exch def /y exch def /x exch def
  x y w t rectfill x y h add t sub w t rectfill
  x y t add t h t 2 mul sub rectfill x w add t sub y t add t h t 2 mul sub rectfill end } bind def
/T { 9 dict begin /al exch def /dy exch def /y exch def /x exch def /angle exch def
  /sx exch def /size exch def /face exch def /s exch def
  gsave x y translate angle rotate sx 1 scale
  face Vornik-font size scalefont setfont
  s stringwidth pop al 2 div mul neg dy neg moveto s show grestore end } bind def
)";

// The standard PostScript fonts that stand for the faces pictures name.
std::string postScriptFace(const render::LogFont& font) {
    const std::string face = asciiUpper(font.faceName);
    std::string base = "Helvetica";
    if (face.find("COURIER") != std::string::npos || face == "TERMINAL" ||
        (font.pitchAndFamily >> 4) == 3)
        base = "Courier";
    else if (face.find("TIMES") != std::string::npos || (font.pitchAndFamily >> 4) == 1)
        base = "Times";
    const bool bold = font.weight >= 600;
    const bool italic = font.italic != 0;
    if (base == "Times") {
        if (bold && italic)
            return "Times-BoldItalic";
        if (bold)
            return "Times-Bold";
        return italic ? "Times-Italic" : "Times-Roman";
    }
    if (bold && italic)
        return base + "-BoldOblique";
    if (bold)
        return base + "-Bold";
    return italic ? base + "-Oblique" : base;
}

// A PostScript string: the three special characters escaped, every byte
// outside printable ASCII in octal.
std::string postScriptString(std::string_view bytes) {
    std::string text = "(";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '(' || c == ')' || c == '\\') {
            text += '\\';
            text += c;
        } else if (byte < 0x20 || byte >= 0x7F) {
            const char octal[] = {'\\', static_cast<char>('0' + (byte >> 6)),
                                  static_cast<char>('0' + ((byte >> 3) & 7)),
                                  static_cast<char>('0' + (byte & 7)), '\0'};
            text += octal;
        } else {
            text += c;
        }
    }
    return text + ")";
}

std::string points(double units) {
    return documentNumber(units * kPointsPerUnit, 3);
}

class EpsSink : public PageSink {
public:
    EpsSink(double width, double height) : PageSink(width, height), height_(height) {}

    void rectangle(const Rectangle& call, const render::LogPen& pen,
                   const render::LogBrush& brush) override;
    void text(const TextOut& call, const render::TextStyle& style) override;

private:
    void setColor(ColorRef color);
    // The lower left corner and size of a page box, in points with y up.
    [[nodiscard]] std::string corner(const PageBox& box) const {
        return points(box.left) + " " + points(height_ - box.top - box.height) + " " +
               points(box.width) + " " + points(box.height);
    }

    double height_;
    std::optional<ColorRef> color_;
};

void EpsSink::setColor(ColorRef color) {
    if (color_ == color)
        return;
    color_ = color;
    body_ += documentNumber(redOf(color) / 255.0, 4) + " " +
             documentNumber(greenOf(color) / 255.0, 4) + " " +
             documentNumber(blueOf(color) / 255.0, 4) + " setrgbcolor\n";
}

void EpsSink::rectangle(const Rectangle& call, const render::LogPen& pen,
                        const render::LogBrush& brush) {
    const PageRectangle shape = pageRectangle(mapping_, call, pen, brush);
    if (shape.box.width <= 0 || shape.box.height <= 0)
        return;
    if (shape.filled) {
        setColor(shape.fill);
        body_ += corner(shape.box) + " F\n";
    }
    if (!shape.outlined)
        return;
    setColor(shape.outlineColor);
    const PageBox& band = shape.outline;
    if (2 * shape.outlineWidth >= band.width || 2 * shape.outlineWidth >= band.height)
        body_ += corner(band) + " F\n";
    else
        body_ += corner(band) + " " + points(shape.outlineWidth) + " F-band\n";
}

// PostScript measures the text itself, so the alignment is exact; the cell
// behind an opaque text uses the font's average width.
void EpsSink::text(const TextOut& call, const render::TextStyle& style) {
    if (call.text.empty())
        return;
    const PageText text = pageText(mapping_, call, style);
    const std::uint16_t horizontal = style.align & 6;
    const int align = horizontal == render::kAlignCenter  ? 1
                      : horizontal == render::kAlignRight ? 2
                                                          : 0;
    setColor(style.color);
    body_ += postScriptString(call.text) + " /" + postScriptFace(style.font) + " " +
             points(text.emSize) + " " + documentNumber(text.horizontalScale, 4) + " " +
             documentNumber(text.rotation, 2) + " " + points(text.reference.x) + " " +
             points(height_ - text.reference.y) + " " + points(baselineOffset(style.align, text)) +
             " " + std::to_string(align) + " T\n";
}

} // namespace

std::string epsDocument(const render::PlaceablePicture& picture) {
    const auto [width, height] = pageSizeOf(picture);
    EpsSink sink(width, height);
    render::replay(picture.metafile, sink);
    const double widthPoints = width * kPointsPerUnit;
    const double heightPoints = height * kPointsPerUnit;
    return "%!PS-Adobe-3.0 EPSF-3.0\n"
           "%%BoundingBox: 0 0 " +
           std::to_string(static_cast<int>(std::ceil(widthPoints - 1e-9))) + " " +
           std::to_string(static_cast<int>(std::ceil(heightPoints - 1e-9))) +
           "\n%%HiResBoundingBox: 0 0 " + documentNumber(widthPoints, 3) + " " +
           documentNumber(heightPoints, 3) +
           "\n%%Creator: Vornik\n%%LanguageLevel: 2\n%%EndComments\n"
           "%%BeginProlog\n" +
           std::string(kProlog) + "%%EndProlog\nsave\n" + sink.body() +
           "restore\nshowpage\n%%EOF\n";
}

} // namespace vornik::exporting
