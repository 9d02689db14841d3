#pragma once

#include <cstdint>
#include <vector>

namespace vornik::twod {

// A bit stream of an ECC 000 to 140 symbol, one bit (0 or 1) per element, in
// the order the bits are placed.
using LegacyBits = std::vector<std::uint8_t>;

// Appends the `count` low bits of `value`, least significant first: the order
// of the length field and of the packed characters.
inline void appendLowBitFirst(LegacyBits& bits, std::uint64_t value, int count) {
    for (int i = 0; i < count; ++i)
        bits.push_back(static_cast<std::uint8_t>((value >> i) & 1U));
}

// Appends the `count` low bits of `value`, most significant first: the order
// of the format number and of the CRC.
inline void appendHighBitFirst(LegacyBits& bits, std::uint64_t value, int count) {
    for (int i = count - 1; i >= 0; --i)
        bits.push_back(static_cast<std::uint8_t>((value >> i) & 1U));
}

} // namespace vornik::twod
