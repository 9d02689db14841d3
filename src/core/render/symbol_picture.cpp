#include "core/render/symbol_picture.h"

#include "core/render/linear_drawing.h"
#include "core/render/oriented_canvas.h"

namespace vornik::render {

SymbolPicture::SymbolPicture(const Job& job, int xExtent, int yExtent) {
    recorder_.setWindowOrg(0, 0);
    recorder_.setWindowExt(unit(xExtent), unit(-yExtent));
    recorder_.setBkMode(kTransparentBackground);
    if (!job.Transparent) {
        const auto brush = recorder_.createBrush({.style = kBrushSolid, .color = job.BackColor});
        const auto pen =
            recorder_.createPen({.style = kPenInsideFrame, .width = 0, .color = job.BackColor});
        recorder_.selectObject(brush);
        recorder_.selectObject(pen);
        recorder_.rectangle(0, 0, unit(xExtent), unit(-yExtent));
        recorder_.setBkColor(job.BackColor);
        made_.insert(made_.end(), {pen, brush});
    }
    const LogPen barPenStyle =
        job.FixDriver ? LogPen{.style = kPenInsideFrame, .width = 200, .color = job.ForeColor}
                      : LogPen{.style = kPenNull, .width = 0, .color = job.ForeColor};
    const auto barPen = recorder_.createPen(barPenStyle);
    const auto barBrush = recorder_.createBrush({.style = kBrushSolid, .color = job.ForeColor});
    recorder_.selectObject(barPen);
    recorder_.selectObject(barBrush);
    made_.insert(made_.end(), {barPen, barBrush});
}

// A metafile records the stock objects as objects of its own: selecting them
// frees every object the picture made for deleting.
Metafile SymbolPicture::finish() {
    recorder_.selectObject(recorder_.createFont(stockSystemFont()));
    recorder_.selectObject(recorder_.createPen({.style = kPenSolid, .width = 0, .color = kBlack}));
    recorder_.selectObject(recorder_.createBrush({.style = kBrushSolid, .color = kBlack}));
    for (const std::uint16_t index : made_)
        recorder_.deleteObject(index);
    made_.clear();
    return recorder_.close();
}

} // namespace vornik::render
