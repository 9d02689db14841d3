#pragma once

#include "core/app/job.h"
#include "core/render/metafile.h"
#include "core/twod/rss_adapter.h"

#include <string>
#include <vector>

namespace vornik::twod {

// One horizontal band of an RSS symbol, from the top: a row of element
// widths (space first) or a row of modules ("1" dark).
struct RssBand {
    bool pattern = false;
    std::string content;
    int height = 0;
};

// Everything an RSS symbol's picture is made of, in 0.01 mm.
struct RssLayout {
    int X = 0;           // module
    int q = 0;           // quiet zone modules at each side
    int W = 0;           // picture width
    int H = 0;           // picture height
    int L = 0;           // text line height
    int textReserve = 0; // L with the human-readable line, else 0
    int commentReserve = 0;
    int compositeIndent = 0; // the linear part's offset under a composite: 5X
    std::vector<RssBand> bands;
    std::string digits; // the 14 human-readable digits
};

// The bands of the library's buffers: composite rows 2X high, the composite
// separator X high, then the linear structure in a height of h.
[[nodiscard]] std::vector<RssBand> rssBands(RssKind kind, const RssBuffers& buffers, int X, int h);

// Draws the bands (bars narrowed or widened by the job's width adjustment),
// the human-readable digits and the comment, in the job's orientation.
[[nodiscard]] render::Metafile drawRssSymbol(const Job& job, const RssLayout& layout);

} // namespace vornik::twod
