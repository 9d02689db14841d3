// The bars of a linear or postal symbol, and the bearer bars around them.

#include "core/app/rounding.h"
#include "core/render/element_widths.h"
#include "core/render/linear_drawing.h"

#include <algorithm>

namespace vornik::render {

namespace {

// Postal bars stand at a fixed pitch: 0.5 mm wide, 1.2 mm apart.
constexpr int kPostalBarWidth = 50;
constexpr int kPostalPitch = 120;

// How far the right edge of every bar moves: left for a reduction, right for
// a gain, 5 % of the narrow bar per step.
int barWidthAdjustment(const Job& job, int X) {
    int step = job.BarWidthAdjust & kBarWidthStepMask;
    if ((job.BarWidthAdjust & kBarWidthGainBit) != 0)
        step = -step;
    return nearest(static_cast<double>(X) * step * 5 / 100);
}

// POSTNET: a tall bar from the top, a short one from 1.9 mm down.
void drawPostnetBar(OrientedCanvas& canvas, char c, int x, int h) {
    const int top = c == '3' ? -190 : 0;
    canvas.rectangle(x, top, x + kPostalBarWidth, -h);
}

// BPO 4-state: tracker, ascender, descender and full bars.
void drawFourStateBar(OrientedCanvas& canvas, char c, int x) {
    switch (c) {
    case 'W':
        canvas.rectangle(x, -190, x + kPostalBarWidth, -327);
        return;
    case 'X':
        canvas.rectangle(x, 0, x + kPostalBarWidth, -317);
        return;
    case 'Y':
        canvas.rectangle(x, -190, x + kPostalBarWidth, -507);
        return;
    case 'Z':
        canvas.rectangle(x, 0, x + kPostalBarWidth, -507);
        return;
    default:
        return;
    }
}

BarExtent drawPostalBars(OrientedCanvas& canvas, const Job& job, const LinearLayout& layout) {
    int x = 0;
    for (const char c : layout.pattern) {
        if (job.Symbology == Symbology::Postnet)
            drawPostnetBar(canvas, c, x, layout.h);
        else
            drawFourStateBar(canvas, c, x);
        x += kPostalPitch;
    }
    return {0, x};
}

} // namespace

BarExtent drawBars(OrientedCanvas& canvas, const Job& job, const LinearLayout& layout) {
    if (isPostal(job.Symbology))
        return drawPostalBars(canvas, job, layout);
    const int adjustment = barWidthAdjustment(job, layout.X);
    // Bars move down below a text line or comment placed above them.
    int shift = 0;
    if (job.IncludeText && job.TextAbove)
        shift += layout.Th;
    if (job.CommentAbove && layout.Cn > 0)
        shift += layout.Ch;

    BarExtent extent;
    int x = 0;
    int modules = 0;
    for (const char c : layout.pattern) {
        const ElementGeometry element = elementGeometry(c, layout.X, layout.Wd);
        modules += element.modules;
        if (element.bar) {
            const BarSpan span = barSpan(job, layout, modules);
            const int right = x + element.drawnWidth;
            if (extent.first < 0)
                extent.first = x;
            extent.last = right;
            canvas.rectangle(x, span.top - shift, right - adjustment, -span.depth - shift);
        }
        x += element.advance;
    }
    return extent;
}

void drawBearerBars(OrientedCanvas& canvas, const LinearLayout& layout, BarExtent bars) {
    const int thickness = 2 * layout.X;
    const bool framed = layout.Q > 0;
    const int left = framed ? 0 : std::max(bars.first, 0);
    const int right = framed ? layout.W : bars.last;
    const int top = -layout.Ta;
    const int bottom = -(layout.Ta + layout.h);
    canvas.rectangle(left, top, right, top - thickness);
    canvas.rectangle(left, bottom + thickness, right, bottom);
    if (!framed)
        return;
    canvas.rectangle(0, top, thickness, bottom);
    canvas.rectangle(layout.W - thickness, top, layout.W, bottom);
}

} // namespace vornik::render
