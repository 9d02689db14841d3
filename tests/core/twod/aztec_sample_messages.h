#pragma once

// Messages for Aztec Code tests drawn from every mode's characters, the
// Punct pairs and bytes no mode has: the same every run.

#include <cstdint>
#include <iterator>
#include <string>

namespace vornik::twod::testing {

inline std::string mixedAztecMessage(std::uint32_t seed, int length) {
    static const std::string pieces[] = {
        "A",    "Q",    "z",   "k",    "\x20", "0",    "7",
        ",",    ".",    ". ",  ", ",   ": ",   "\r\n", "\r",
        "!",    "}",    "@",   "\x1B", "~",    "\x7F", std::string(1, '\0'),
        "\xE9", "\x80", "\xFF"};
    std::string message;
    std::uint32_t state = seed;
    while (static_cast<int>(message.size()) < length) {
        state = state * 1664525U + 1013904223U;
        message += pieces[(state >> 16) % std::size(pieces)];
    }
    return message;
}

} // namespace vornik::twod::testing
