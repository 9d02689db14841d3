// The text lines of a linear symbol: the human-readable characters, the
// UPC/EAN add-on digits and the comment.

#include "core/app/rounding.h"
#include "core/render/linear_drawing.h"

#include <algorithm>

namespace vornik::render {

namespace {

// The face name up to its first NUL, at most 31 bytes as LOGFONT holds it.
std::string faceName(const std::string& name) {
    return name.substr(0, std::min(name.find('\0'), std::string::size_type{31}));
}

bool drawsSmallEndDigits(Symbology symbology) {
    return symbology == Symbology::UpcA || symbology == Symbology::UpcE ||
           symbology == Symbology::UpcE1;
}

// The short UPC/EAN bars leave 5 % of the bar height for the digits.
int textRise(const Job& job, const LinearLayout& layout) {
    return isUpcEanFamily(job.Symbology) ? nearest(0.05 * layout.h) : 0;
}

// Height of a comment placed above the text line.
int commentAbove(const Job& job, const LinearLayout& layout) {
    return job.CommentAbove && layout.Cn > 0 ? layout.L : 0;
}

// The span the characters share: the whole symbol between the quiet zones,
// or the main part only when an add-on follows.
int textSpanEnd(const Job& job, const LinearLayout& layout) {
    if (isUpcEanFamily(job.Symbology) && !layout.supplement.empty())
        return nearest(2 * layout.Cm);
    return layout.W;
}

// Position of character i (from 1) of n in the picture's coordinates.
struct Spot {
    int x;
    int y;
};

Spot characterSpot(const Job& job, const LinearLayout& layout, int i, int n) {
    const int Tc = commentAbove(job, layout);
    const int r = textRise(job, layout);
    const int QX = layout.Q * layout.X;
    const int E = textSpanEnd(job, layout);
    switch (job.Orientation) {
    case Orientation::Horizontal: {
        const double s = static_cast<double>(E - 2 * QX) / n;
        const int left = nearest(QX + (i - 1) * s);
        const int right = nearest(QX + i * s);
        const int y = job.TextAbove ? -Tc : r - layout.h - Tc;
        return {left + nearest((right - left) / 2.0), y};
    }
    case Orientation::Vertical90: {
        const double s = static_cast<double>(2 * QX - E) / n;
        const int g = nearest(s) / 2;
        const int x = job.TextAbove ? layout.H - Tc : layout.H - layout.h + r - Tc;
        return {x, nearest((i - 1) * s - QX + g)};
    }
    case Orientation::Vertical270: {
        const double s = static_cast<double>(2 * QX - E) / n;
        const int g = nearest(s) / 2;
        const int x = job.TextAbove ? Tc : layout.h - r + Tc;
        return {x, nearest(QX - layout.W - (i - 1) * s - g)};
    }
    }
    return {0, 0};
}

// The small first and last UPC digits sit a fifth of a line lower.
Spot lowered(Spot spot, const Job& job, const LinearLayout& layout) {
    const int drop = nearest(0.2 * layout.L);
    switch (job.Orientation) {
    case Orientation::Horizontal:
        return {spot.x, spot.y - drop};
    case Orientation::Vertical90:
        return {spot.x - drop, spot.y};
    case Orientation::Vertical270:
        return {spot.x + drop, spot.y};
    }
    return spot;
}

} // namespace

LogFont stockSystemFont() {
    return {.height = 16,
            .width = 7,
            .weight = 700,
            .charSet = 0,
            .outPrecision = 1,
            .clipPrecision = 2,
            .quality = 1,
            .pitchAndFamily = 0x22,
            .faceName = "System"};
}

LogFont mainFontRecord(const Job& job, int height, int width) {
    LogFont font = stockSystemFont();
    font.weight = job.FontBold ? 700 : 400;
    font.height = unit(height);
    font.width = unit(width);
    font.italic = job.FontItalic ? 1 : 0;
    font.underline = job.FontUnderline ? 1 : 0;
    font.strikeOut = job.FontStrikeout ? 1 : 0;
    font.charSet = 1;
    font.clipPrecision = 16;
    font.quality = 0;
    // A symbol turned clockwise reads its text from top to bottom, each glyph's
    // top towards the right, away from the bars (2700, a clockwise turn);
    // turned counter-clockwise, from bottom to top (900).
    const std::int16_t angle = job.Orientation == Orientation::Vertical90    ? 2700
                               : job.Orientation == Orientation::Vertical270 ? 900
                                                                             : 0;
    font.escapement = angle;
    font.orientation = angle;
    font.faceName = faceName(job.FontName);
    return font;
}

TextFonts createTextFonts(MetafileRecorder& recorder, const Job& job, const LinearLayout& layout) {
    LogFont font = mainFontRecord(job, layout.L, job.AutoFontScaling ? 5 * layout.X : 0);
    TextFonts fonts;
    fonts.main = recorder.createFont(font);
    font.height = unit(nearest(0.8 * font.height));
    font.width = unit(nearest(0.8 * font.width));
    fonts.small = recorder.createFont(font);
    return fonts;
}

void drawHumanReadable(OrientedCanvas& canvas, const Job& job, const LinearLayout& layout,
                       TextFonts fonts) {
    const int n = static_cast<int>(layout.message.size());
    const bool smallEnds = drawsSmallEndDigits(job.Symbology);
    for (int i = 1; i <= n; ++i) {
        const std::string character(1, layout.message[static_cast<std::size_t>(i - 1)]);
        const Spot spot = characterSpot(job, layout, i, n);
        if (smallEnds && (i == 1 || i == n)) {
            canvas.recorder().selectObject(fonts.small);
            const Spot low = lowered(spot, job, layout);
            canvas.textOut(low.x, low.y, character);
            canvas.recorder().selectObject(fonts.main);
        } else {
            canvas.textOut(spot.x, spot.y, character);
        }
    }
}

void drawSupplementDigits(OrientedCanvas& canvas, const Job& job, const LinearLayout& layout) {
    const std::string& digits = layout.supplement;
    const int k = static_cast<int>(digits.size());
    const int QX = layout.Q * layout.X;
    const int Ra = layout.W - QX - 9 * layout.X; // right end of the add-on
    const int C = nearest(layout.Ca);
    const double step = 2.0 * (Ra - C) / k;
    const int A0 = 2 * C - Ra; // left edge of the add-on
    const int Tc = commentAbove(job, layout);
    for (int i = 1; i <= k; ++i) {
        const std::string digit(1, digits[static_cast<std::size_t>(i - 1)]);
        const double cellLeft = A0 + (i - 1) * step;
        switch (job.Orientation) {
        case Orientation::Horizontal: {
            const int left = nearest(cellLeft);
            const int right = nearest(A0 + i * step);
            canvas.textOut(left + nearest((right - left) / 2.0), -Tc, digit);
            break;
        }
        case Orientation::Vertical90:
            canvas.textOut(layout.H - Tc, nearest(-(cellLeft + layout.Wd)), digit);
            break;
        case Orientation::Vertical270:
            canvas.textOut(Tc, nearest(cellLeft + layout.Wd - layout.W), digit);
            break;
        }
    }
}

void drawComment(OrientedCanvas& canvas, const Job& job, const LinearLayout& layout) {
    const int QX = layout.Q * layout.X;
    const int W = layout.W;
    std::uint16_t align = kAlignLeft;
    int along = QX; // position along the symbol's width, upright
    switch (job.CommentAlign) {
    case CommentAlignment::Left:
        break;
    case CommentAlignment::Center:
        align = kAlignCenter;
        along = W / 2;
        break;
    case CommentAlignment::Right:
        align = kAlignRight;
        along = W - QX;
        break;
    }
    canvas.recorder().setTextAlign(align);
    const bool above = job.CommentAbove;
    switch (job.Orientation) {
    case Orientation::Horizontal:
        canvas.textOut(along, above ? 0 : -(layout.H - layout.Ch), job.Comment);
        return;
    case Orientation::Vertical90:
        canvas.textOut(above ? layout.H : layout.Ch, -along, job.Comment);
        return;
    case Orientation::Vertical270: {
        const int y = job.CommentAlign == CommentAlignment::Center ? -(W / 2) : along - W;
        canvas.textOut(above ? 0 : layout.H - layout.Ch, y, job.Comment);
        return;
    }
    }
}

} // namespace vornik::render
