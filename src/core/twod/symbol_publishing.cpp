#include "core/twod/symbol_publishing.h"

#include "core/app/application.h"
#include "core/render/measurements_panel.h"
#include "core/render/publish.h"

namespace vornik::twod {

void publishSymbol(Application& app, render::Metafile metafile, int width, int height) {
    const Job& job = app.job();
    RunState& state = app.state();
    const bool rotated = job.Orientation != Orientation::Horizontal;
    render::publishPicture(app, std::move(metafile), rotated ? height : width,
                           rotated ? width : height);
    state.SymbolWidth = width;
    state.SymbolHeight = height;
    state.LastBarPattern.clear();
    app.panel().setTotalLength(render::formatSymbolLength(width, job.Units));
    app.panel().setCheckValue(render::formatSymbolLength(height, job.Units));
    state.SymbolBuilt = true;
}

} // namespace vornik::twod
