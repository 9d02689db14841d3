#pragma once

#include "core/app/job.h"
#include "core/render/linear_layout.h"
#include "core/render/oriented_canvas.h"

namespace vornik::render {

// The drawing steps of the linear renderer, in the order it runs them.

// Bars and the outer edges of the first and last bar (F, R before reduction).
struct BarExtent {
    int first = -1; // unset
    int last = 0;
};
[[nodiscard]] BarExtent drawBars(OrientedCanvas& canvas, const Job& job,
                                 const LinearLayout& layout);
void drawBearerBars(OrientedCanvas& canvas, const LinearLayout& layout, BarExtent bars);

// The LOGFONT of the stock system font: the text fonts start from it, and it
// is selected again when the drawing is done.
[[nodiscard]] LogFont stockSystemFont();

// The main text font: the job's face and styles at `height` and `width`
// (0: the face's own proportions), turned with the job's orientation.
[[nodiscard]] LogFont mainFontRecord(const Job& job, int height, int width);

// The fonts of the text lines: the main font and the small one for the first
// and last UPC digits.
struct TextFonts {
    std::uint16_t main = 0;
    std::uint16_t small = 0;
};
[[nodiscard]] TextFonts createTextFonts(MetafileRecorder& recorder, const Job& job,
                                        const LinearLayout& layout);

void drawHumanReadable(OrientedCanvas& canvas, const Job& job, const LinearLayout& layout,
                       TextFonts fonts);
void drawSupplementDigits(OrientedCanvas& canvas, const Job& job, const LinearLayout& layout);
void drawComment(OrientedCanvas& canvas, const Job& job, const LinearLayout& layout);

} // namespace vornik::render
