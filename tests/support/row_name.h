#pragma once

#include <ostream>

namespace vornik::testing {

// Lets a failing table row be shown by its name rather than as raw bytes.
// A test file brings it in with `using vornik::testing::PrintTo;` inside the
// namespace of its row types, where GoogleTest's lookup finds it.
template <typename Row>
requires requires(const Row& row) {
    row.name;
}
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

} // namespace vornik::testing
