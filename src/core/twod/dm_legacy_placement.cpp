#include "core/twod/dm_legacy_placement.h"

#include <algorithm>
#include <array>

namespace vornik::twod {

namespace {

// 0 to side-1 in bit-reversed order (the numbers of the smallest power of two
// not below `side`, each with its bits reversed, those at or above `side`
// left out): neighbours in the stream end up far apart.
std::vector<int> bitReversedOrder(int side) {
    int width = 0;
    while ((1 << width) < side)
        ++width;
    std::vector<int> order;
    for (int i = 0; i < (1 << width); ++i) {
        int reversed = 0;
        for (int bit = 0; bit < width; ++bit)
            if ((i >> bit) & 1)
                reversed |= 1 << (width - 1 - bit);
        if (reversed < side)
            order.push_back(reversed);
    }
    return order;
}

// The first four bits sit in the corners: 0 bottom left, 1 top right, 2 top
// left, 3 bottom right. Each trades places with the bit its corner had.
void moveIntoCorners(std::vector<int>& cells, int side) {
    const std::array<int, 4> corners = {(side - 1) * side, side - 1, 0, side * side - 1};
    for (int bit = 0; bit < 4; ++bit) {
        const auto at = std::find(cells.begin(), cells.end(), bit);
        std::swap(*at, cells[static_cast<std::size_t>(corners[static_cast<std::size_t>(bit)])]);
    }
}

} // namespace

// Bit n*q + k goes to the row `side - 1 - order[k]`; along that row the q
// values follow the bit-reversed order, turned on by two places a row.
std::vector<int> legacyPlacement(int side) {
    const std::vector<int> order = bitReversedOrder(side);
    std::vector<int> cells(static_cast<std::size_t>(side * side), 0);
    for (int k = 0; k < side; ++k) {
        const int row = side - 1 - order[static_cast<std::size_t>(k)];
        for (int column = 0; column < side; ++column) {
            const int q = order[static_cast<std::size_t>((column + 2 * (row + 1)) % side)];
            cells[static_cast<std::size_t>(row * side + column)] = side * q + k;
        }
    }
    moveIntoCorners(cells, side);
    return cells;
}

} // namespace vornik::twod
