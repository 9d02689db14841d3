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
    const float x = static_cast<float>(X);
    float sum = 0.0f;
    for (const char c : pattern) {
        switch (c) {
        case '1':
        case '3':
        case 'C':
        case 'G':
            sum += x;
            break;
        case '2':
        case '4':
            sum += static_cast<float>(Wd);
            break;
        case '5':
        case '8':
        case 'D':
        case 'E':
        case 'H':
        case 'I':
            sum += 2 * x;
            break;
        case '6':
        case '9':
        case 'F':
        case 'J':
            sum += 3 * x;
            break;
        case '7':
        case 'A':
            sum += 4 * x;
            break;
        case 'B':
            sum += 9 * x;
            break;
        default:
            break; // postal characters have their own pitch
        }
    }
    return sum;
}

} // namespace vornik::render
