#include "core/render/element_widths.h"

#include "core/app/rounding.h"
#include "core/linear/bar_pattern.h"

namespace vornik::render {

namespace {

// Widths of the letters that narrow or widen a UPC/EAN element by 1/13 module.
int thirteenths(int X, int numerator) {
    return nearest(static_cast<double>(numerator) * X / 13.0);
}

// Module counts come with the alphabet; the drawn widths are the renderer's.
ElementGeometry bar(char c, int drawn, int advance) {
    return {
        .bar = true, .drawnWidth = drawn, .advance = advance, .modules = linear::countedModules(c)};
}

ElementGeometry space(char c, int advance) {
    return {
        .bar = false, .drawnWidth = 0, .advance = advance, .modules = linear::countedModules(c)};
}

} // namespace

ElementGeometry elementGeometry(char c, int X, int Wd) {
    switch (c) {
    case '3':
        return bar(c, X, X);
    case '1':
        return space(c, X);
    case '4':
        return bar(c, Wd, Wd);
    case '2':
        return space(c, Wd);
    case '5':
        return bar(c, 2 * X, 2 * X);
    case '8':
        return space(c, 2 * X);
    case '6':
        return bar(c, 3 * X, 3 * X);
    case '9':
        return space(c, 3 * X);
    case '7':
        return bar(c, 4 * X, 4 * X);
    case 'A':
        return space(c, 4 * X);
    case 'B':
        return space(c, 9 * X);
    case 'C':
        return bar(c, X - thirteenths(X, 1), thirteenths(X, 12));
    case 'G':
        return space(c, thirteenths(X, 12));
    case 'D':
        return bar(c, thirteenths(X, 25), thirteenths(X, 25));
    case 'H':
        return space(c, thirteenths(X, 25));
    case 'E':
        return bar(c, thirteenths(X, 27), thirteenths(X, 27));
    case 'I':
        return space(c, thirteenths(X, 27));
    case 'F':
        return bar(c, thirteenths(X, 40), thirteenths(X, 40));
    case 'J':
        return space(c, thirteenths(X, 40));
    default:
        return {};
    }
}

float patternWidthEstimate(std::string_view pattern, int X, int Wd) {
    // Nominal widths: whole modules of X, the wide elements Wd; the
    // thirteenths letters count as the whole modules they round to.
    const float x = static_cast<float>(X);
    float sum = 0.0f;
    for (const char c : pattern) {
        if (c == linear::kWideBar || c == linear::kWideSpace)
            sum += static_cast<float>(Wd);
        else
            sum += static_cast<float>(linear::countedModules(c)) * x;
    }
    return sum;
}

} // namespace vornik::render
