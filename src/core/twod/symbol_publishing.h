#pragma once

#include "core/render/metafile.h"

namespace vornik {
class Application;
}

namespace vornik::twod {

// The end of every two-dimensional build: the picture is published with its
// extents (exchanged when the job's orientation is vertical), the upright
// width and height become SymbolWidth and SymbolHeight and the two captions
// of the panel, and there is no bar pattern to save. Sets SymbolBuilt.
void publishSymbol(Application& app, render::Metafile metafile, int width, int height);

} // namespace vornik::twod
