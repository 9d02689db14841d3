#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vornik::linear {

// The bar pattern alphabet. Every character of a bar pattern string is one
// element, and the character alone says whether it is a bar or a space, so two
// spaces side by side simply make one wider space. X is the narrow bar width
// (one module), W the wide width of the two-width symbologies (ratio x X).
//
//   bars:   3 = X   4 = W   5 = 2X   6 = 3X   7 = 4X
//           C = 12/13 X   D = 25/13 X   E = 27/13 X   F = 40/13 X
//   spaces: 1 = X   2 = W   8 = 2X   9 = 3X   A = 4X   B = 9X
//           G = 12/13 X   H = 25/13 X   I = 27/13 X   J = 40/13 X
//
// The thirteenths narrow or widen the bars of the UPC/EAN digits 1, 2, 7 and 8
// while each digit keeps its 7 modules. POSTNET reuses 3 and 4 as short and
// tall bars; the 4-state bars W, X, Y and Z (tracker, ascender, descender,
// full) belong to BPO 4 State Code only.

inline constexpr char kNarrowSpace = '1';
inline constexpr char kWideSpace = '2';
inline constexpr char kNarrowBar = '3';
inline constexpr char kWideBar = '4';

[[nodiscard]] constexpr bool isBar(char c) {
    return (c >= '3' && c <= '7') || (c >= 'C' && c <= 'F') || (c >= 'W' && c <= 'Z');
}

[[nodiscard]] constexpr bool isSpace(char c) {
    return c == '1' || c == '2' || c == '8' || c == '9' || c == 'A' || c == 'B' ||
           (c >= 'G' && c <= 'J');
}

// The characters every pattern but the postal ones is made of: 1 to 9, A to J.
[[nodiscard]] constexpr bool isLinearElement(char c) {
    return (c >= '1' && c <= '9') || (c >= 'A' && c <= 'J');
}

// Whole modules an element counts for when module positions are counted (the
// UPC/EAN long bars): the thirteenths letters round to 1, 2 or 3. Two-width
// wide elements and the postal bars have no module count and give 0.
[[nodiscard]] constexpr int countedModules(char c) {
    switch (c) {
    case '1':
    case '3':
    case 'C':
    case 'G':
        return 1;
    case '5':
    case '8':
    case 'D':
    case 'E':
    case 'H':
    case 'I':
        return 2;
    case '6':
    case '9':
    case 'F':
    case 'J':
        return 3;
    case '7':
    case 'A':
        return 4;
    case 'B':
        return 9;
    }
    return 0;
}

// A two-width element: narrow or wide, bar or space.
[[nodiscard]] constexpr char twoWidthElement(bool bar, bool wide) {
    if (bar)
        return wide ? kWideBar : kNarrowBar;
    return wide ? kWideSpace : kNarrowSpace;
}

// A two-width character from its elements as a standard's table writes them,
// one symbol a character, bars and spaces alternating from a bar; `wide` is
// the symbol the table uses for a wide element.
[[nodiscard]] inline std::string twoWidthPattern(std::string_view elements, char wide) {
    std::string pattern;
    for (std::size_t i = 0; i < elements.size(); ++i)
        pattern += twoWidthElement(i % 2 == 0, elements[i] == wide);
    return pattern;
}

// A multi-width element of 1 to 4 modules.
[[nodiscard]] constexpr char moduleElement(bool bar, int modules) {
    constexpr char bars[] = {'3', '5', '6', '7'};
    constexpr char spaces[] = {'1', '8', '9', 'A'};
    return bar ? bars[modules - 1] : spaces[modules - 1];
}

} // namespace vornik::linear
