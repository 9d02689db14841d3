#pragma once

#include <vector>

namespace vornik::twod {

// PDF417 codeword values, 0 to 928, in symbol order.
using Codewords = std::vector<int>;

// The mode codewords the high-level encoder writes.
inline constexpr int kLatchText = 900;
inline constexpr int kLatchByte = 901;
inline constexpr int kLatchNumeric = 902;
inline constexpr int kShiftByte = 913;
inline constexpr int kLatchByteSixes = 924; // byte count a multiple of 6
inline constexpr int kPadCodeword = 900;

// Error code of a character the chosen compaction mode cannot take.
inline constexpr int kErrorInvalidCharacters = 21;

inline void append(Codewords& to, const Codewords& from) {
    to.insert(to.end(), from.begin(), from.end());
}

} // namespace vornik::twod
