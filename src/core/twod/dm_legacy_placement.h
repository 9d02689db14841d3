#pragma once

#include <vector>

namespace vornik::twod {

// Where the stream's bits go in a `side` by `side` data area: for each cell,
// row by row from the top, the index of the bit placed there. Every index
// from 0 to side*side - 1 appears once.
[[nodiscard]] std::vector<int> legacyPlacement(int side);

} // namespace vornik::twod
