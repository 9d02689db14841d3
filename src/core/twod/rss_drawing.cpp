// The RSS-14 family's pictures: composite rows, separators and bar rows
// stacked from the top, with the human-readable digits and the comment.

#include "core/twod/rss_drawing.h"

#include "core/app/rounding.h"
#include "core/render/linear_drawing.h"
#include "core/render/linear_layout.h"
#include "core/render/oriented_canvas.h"
#include "core/render/symbol_picture.h"
#include "core/twod/matrix_drawing.h"

#include <algorithm>

namespace vornik::twod {

namespace {

// The text content of a buffer: up to its NUL or the first character that
// is not of the buffer's alphabet.
std::string contentOf(const std::string& buffer, const char* alphabet) {
    const std::size_t end = buffer.find_first_not_of(alphabet);
    return buffer.substr(0, end);
}

void addModules(std::vector<RssBand>& bands, const std::string& modules, int height) {
    bands.push_back({.pattern = false, .content = modules, .height = height});
}

void addPattern(std::vector<RssBand>& bands, const std::string& buffer, int height) {
    bands.push_back(
        {.pattern = true, .content = contentOf(buffer, "0123456789"), .height = height});
}

// Dark runs of a module row as one rectangle each.
void drawModuleRow(render::OrientedCanvas& canvas, const std::string& modules, int left, int X,
                   int top, int height) {
    std::size_t i = 0;
    while ((i = modules.find('1', i)) != std::string::npos) {
        const std::size_t end = std::min(modules.find('0', i), modules.size());
        canvas.rectangle(left + static_cast<int>(i) * X, -top, left + static_cast<int>(end) * X,
                         -(top + height));
        i = end;
    }
}

void drawPatternRow(render::OrientedCanvas& canvas, const std::string& widths, int left, int X,
                    int adjustment, int top, int height) {
    int x = left;
    for (std::size_t k = 0; k < widths.size(); ++k) {
        const int width = (widths[k] - '0') * X;
        if (k % 2 == 1 && width > 0)
            canvas.rectangle(x, -top, x + width - adjustment, -(top + height));
        x += width;
    }
}

// A point of the upright picture in the turned picture's coordinates.
struct Point {
    int x;
    int y;
};
Point turned(Orientation orientation, const RssLayout& layout, int x, int y) {
    switch (orientation) {
    case Orientation::Horizontal:
        return {x, y};
    case Orientation::Vertical90:
        return {layout.H + y, -x};
    case Orientation::Vertical270:
        return {-y, x - layout.W};
    }
    return {x, y};
}

// The 14 digits share the symbol's width between the quiet zones (without
// the composite's indent) in equal cells, each digit centred in its cell.
void drawDigits(render::OrientedCanvas& canvas, const Job& job, const RssLayout& layout, int top) {
    const int left = layout.q * layout.X + layout.compositeIndent;
    const int span = layout.W - layout.q * layout.X - left;
    const int n = static_cast<int>(layout.digits.size());
    const int cell = nearest(static_cast<double>(span) / n);
    for (int i = 0; i < n; ++i) {
        const Point at = turned(job.Orientation, layout, left + i * cell + cell / 2, -top);
        canvas.textOut(at.x, at.y, std::string(1, layout.digits[static_cast<std::size_t>(i)]));
    }
}

void drawText(render::OrientedCanvas& canvas, render::SymbolPicture& picture, const Job& job,
              const RssLayout& layout, int barsBottom) {
    render::MetafileRecorder& recorder = picture.recorder();
    recorder.setTextColor(job.FontColor);
    const int fontWidth = job.AutoFontScaling ? 5 * layout.X : 0;
    const std::uint16_t font =
        recorder.createFont(render::textLineFont(job, layout.L, fontWidth));
    picture.own(font);
    recorder.selectObject(font);
    recorder.setTextAlign(render::kAlignCenter | render::kAlignTop);
    const int commentAbove = job.CommentAbove ? layout.commentReserve : 0;
    if (layout.textReserve > 0)
        drawDigits(canvas, job, layout, job.TextAbove ? commentAbove : barsBottom);
    if (layout.commentReserve > 0) {
        render::LinearLayout comment;
        comment.X = layout.X;
        comment.Q = layout.q;
        comment.W = layout.W;
        comment.H = layout.H;
        comment.Ch = layout.commentReserve;
        comment.Cn = static_cast<int>(job.Comment.size());
        render::drawComment(canvas, job, comment);
    }
}

} // namespace

std::vector<RssBand> rssBands(RssKind kind, const RssBuffers& buffers, int X, int h) {
    std::vector<RssBand> bands;
    const auto& p = buffers.patterns;
    const auto width = static_cast<std::size_t>(std::max(buffers.width, 0));
    for (int r = 0; r < buffers.rows; ++r)
        addModules(bands, buffers.composite.substr(static_cast<std::size_t>(r) * width, width),
                   2 * X);
    if (buffers.rows > 0)
        addModules(bands, contentOf(p.back(), "01"), X);
    switch (kind) {
    case RssKind::Rss14:
    case RssKind::Limited:
        addPattern(bands, p[0], h);
        break;
    case RssKind::Stacked: { // rows of 5X and 7X around a separator of X
        const int rows = std::max(h - X, 2);
        const int top = nearest(rows * 5.0 / 12.0);
        addPattern(bands, p[0], top);
        addModules(bands, contentOf(p[1], "01"), X);
        addPattern(bands, p[2], rows - top);
        break;
    }
    case RssKind::StackedOmni: { // rows of equal height around a separator of 3X
        const int rows = std::max(h - 3 * X, 2);
        addPattern(bands, p[0], rows / 2);
        for (std::size_t s = 1; s <= 3; ++s)
            addModules(bands, contentOf(p[s], "01"), X);
        addPattern(bands, p[4], rows - rows / 2);
        break;
    }
    }
    return bands;
}

render::Metafile drawRssSymbol(const Job& job, const RssLayout& layout) {
    const bool rotated = job.Orientation != Orientation::Horizontal;
    render::SymbolPicture picture(job, rotated ? layout.H : layout.W,
                                  rotated ? layout.W : layout.H);
    render::OrientedCanvas canvas(picture.recorder(), job.Orientation, layout.W, layout.H);
    const int adjustment =
        nearest(static_cast<double>(layout.X) * 5 * signedWidthStep(job.BarWidthAdjust) / 100);
    int top =
        (job.CommentAbove ? layout.commentReserve : 0) + (job.TextAbove ? layout.textReserve : 0);
    const int left = layout.q * layout.X;
    for (const RssBand& band : layout.bands) {
        if (band.pattern)
            drawPatternRow(canvas, band.content, left, layout.X, adjustment, top, band.height);
        else
            drawModuleRow(canvas, band.content, left, layout.X, top, band.height);
        top += band.height;
    }
    if (layout.textReserve > 0 || layout.commentReserve > 0)
        drawText(canvas, picture, job, layout, top);
    return picture.finish();
}

} // namespace vornik::twod
