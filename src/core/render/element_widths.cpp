#include "core/render/element_widths.h"

#include "core/app/rounding.h"

namespace vornik::render {

namespace {

// Widths of the letters that narrow or widen a UPC/EAN element by 1/13 module.
int thirteenths(int X, int numerator) {
    return nearest(static_cast<double>(numerator) * X / 13.0);
}

ElementGeometry bar(int drawn, int advance, int modules) {
    return {.bar = true, .drawnWidth = drawn, .advance = advance, .modules = modules};
}

ElementGeometry space(int advance, int modules) {
    return {.bar = false, .drawnWidth = 0, .advance = advance, .modules = modules};
}

} // namespace

ElementGeometry elementGeometry(char c, int X, int Wd) {
    switch (c) {
    case '3':
        return bar(X, X, 1);
    case '1':
        return space(X, 1);
    case '4':
        return bar(Wd, Wd, 0);
    case '2':
        return space(Wd, 0);
    case '5':
        return bar(2 * X, 2 * X, 2);
    case '8':
        return space(2 * X, 2);
    case '6':
        return bar(3 * X, 3 * X, 3);
    case '9':
        return space(3 * X, 3);
    case '7':
        return bar(4 * X, 4 * X, 4);
    case 'A':
        return space(4 * X, 4);
    case 'B':
        return space(9 * X, 9);
    case 'C':
        return bar(X - thirteenths(X, 1), thirteenths(X, 12), 1);
    case 'G':
        return space(thirteenths(X, 12), 1);
    case 'D':
        return bar(thirteenths(X, 25), thirteenths(X, 25), 2);
    case 'H':
        return space(thirteenths(X, 25), 2);
    case 'E':
        return bar(thirteenths(X, 27), thirteenths(X, 27), 2);
    case 'I':
        return space(thirteenths(X, 27), 2);
    case 'F':
        return bar(thirteenths(X, 40), thirteenths(X, 40), 3);
    case 'J':
        return space(thirteenths(X, 40), 3);
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
