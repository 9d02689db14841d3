#pragma once

#include "core/app/job.h"

#include <string>

namespace vornik::render {

// Everything the linear renderer decides before it draws: the encoder's
// results and the sizes of the picture's parts, in 0.01 mm.
struct LinearLayout {
    std::string message;    // human-readable text as the encoder left it
    std::string supplement; // UPC/EAN add-on digits
    std::string pattern;    // with quiet zones
    std::string checkText;

    int X = 0;  // narrow element (one module)
    int Wd = 0; // wide element
    int h = 0;  // bar height
    int Q = 0;  // quiet zone modules at each end
    int W = 0;  // symbol width
    int L = 0;  // text line height
    int Th = 0; // text reserve
    int Cn = 0; // comment length
    int Ch = 0; // comment reserve
    int H = 0;  // picture height
    int Ta = 0; // offset of the bars from the top

    // UPC/EAN text centres of the main symbol and of the add-on.
    double Cm = 0.0;
    double Ca = 0.0;
};

[[nodiscard]] bool isPostal(Symbology symbology);

// Text and comment lines belong to the symbologies before POSTNET.
[[nodiscard]] bool drawsTextLines(Symbology symbology);

// The guard-bar rule: a bar's top (t) and its height below it (d).
struct BarSpan {
    int top = 0;
    int depth = 0;
};
[[nodiscard]] BarSpan barSpan(const Job& job, const LinearLayout& layout, int moduleEnd);

} // namespace vornik::render
