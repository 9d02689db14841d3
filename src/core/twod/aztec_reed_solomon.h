#pragma once

#include <span>
#include <vector>

namespace vornik::twod {

// The `count` Reed-Solomon check words that follow `data` (words of
// `wordSize` bits, first word the highest power): the remainder of
// data(x) x^count divided by the generator whose roots are alpha^1 to
// alpha^count, highest power first.
[[nodiscard]] std::vector<int> aztecCheckWords(std::span<const int> data, int count, int wordSize);

} // namespace vornik::twod
