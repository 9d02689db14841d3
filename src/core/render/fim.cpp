#include "core/render/fim.h"

#include "core/app/application.h"
#include "core/app/rounding.h"
#include "core/render/measurements_panel.h"
#include "core/render/oriented_canvas.h"
#include "core/render/publish.h"
#include "core/render/symbol_picture.h"

#include <array>
#include <string_view>

namespace vornik::render {

namespace {

// Seventeen columns a mark, "1" a bar; the odd columns stay empty.
constexpr std::array<std::string_view, 3> kMarks{
    "10100000100000101", // FIM A
    "10001010001010001", // FIM B
    "10100010001000101", // FIM C
};
static_assert(kMarks.size() == 3);

// 1350 x 1588 units: 17 columns of 0.8 mm, 5/8 inch high.
constexpr int kMarkWidth = 1350;
constexpr int kMarkHeight = 1588;
constexpr int kColumnWidth = 80;

int barWidthAdjustment(const Job& job) {
    int step = job.BarWidthAdjust & kBarWidthStepMask;
    if ((job.BarWidthAdjust & kBarWidthGainBit) != 0)
        step = -step;
    return nearest(static_cast<double>(kColumnWidth) * step * 5 / 100);
}

} // namespace

BuildOutcome drawFacingIdentificationMark(Application& app, int mark) {
    if (mark < 1 || mark > static_cast<int>(kMarks.size()))
        return BuildOutcome::Rejected;
    const Job& job = app.job();
    const bool rotated = job.Orientation != Orientation::Horizontal;
    const int xExtent = rotated ? kMarkHeight : kMarkWidth;
    const int yExtent = rotated ? kMarkWidth : kMarkHeight;

    SymbolPicture picture(job, xExtent, yExtent);
    OrientedCanvas canvas(picture.recorder(), job.Orientation, kMarkWidth, kMarkHeight);
    const int adjustment = barWidthAdjustment(job);
    const std::string_view columns = kMarks[static_cast<std::size_t>(mark - 1)];
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i] != '1')
            continue;
        const int left = static_cast<int>(i) * kColumnWidth;
        canvas.rectangle(left, 0, left + kColumnWidth - adjustment, -kMarkHeight);
    }
    // The mark is shown as a built symbol is, also after File > New hid the display.
    app.state().SymbolDisplayVisible = true;
    app.state().HelpLabelVisible = false;
    // A mark has no bar pattern file of its own to write.
    app.state().LastBarPattern.clear();
    app.state().MarkOnDisplay = true;
    publishPicture(app, picture.finish(), xExtent, yExtent);
    app.state().SymbolWidth = kMarkWidth;
    app.panel().setTotalLength(formatSymbolLength(kMarkWidth, job.Units));
    app.panel().setCheckValue("");
    app.state().SymbolBuilt = true;
    return BuildOutcome::Built;
}

} // namespace vornik::render
