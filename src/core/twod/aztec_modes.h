#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vornik::twod {

// The five character modes of Aztec Code's high-level encoding.
enum class AztecMode { Upper, Lower, Mixed, Punct, Digit };
inline constexpr int kAztecModeCount = 5;

[[nodiscard]] constexpr int modeIndex(AztecMode mode) {
    return static_cast<int>(mode);
}

// Bits of one character code: 4 in Digit mode, 5 in the others.
[[nodiscard]] constexpr int codeBits(AztecMode mode) {
    return mode == AztecMode::Digit ? 4 : 5;
}

// The code of a byte in a mode, or nullopt when the mode has no such character.
[[nodiscard]] std::optional<int> characterCode(AztecMode mode, std::uint8_t byte);

// The Punct code of a two-character pair (CR LF, ". ", ", ", ": ") starting
// `text`, or nullopt.
[[nodiscard]] std::optional<int> punctPairCode(std::string_view text);

// One latch: the code that, sent in `from`, changes the mode to `to`;
// nullopt where the table has no direct latch.
[[nodiscard]] std::optional<int> latchCode(AztecMode from, AztecMode to);

// The shift codes: Punct shift (Upper, Lower, Mixed and Digit), Upper shift
// (Lower and Digit) and byte shift (Upper, Lower and Mixed).
[[nodiscard]] std::optional<int> punctShiftCode(AztecMode from);
[[nodiscard]] std::optional<int> upperShiftCode(AztecMode from);
[[nodiscard]] std::optional<int> byteShiftCode(AztecMode from);

// The cheapest chain of latches from one mode to another: its modes after
// each latch (the last is the target) and its length in bits.
struct AztecLatchPath {
    std::array<AztecMode, 4> steps{};
    int count = 0;
    int bits = 0;
};
[[nodiscard]] const AztecLatchPath& latchPath(AztecMode from, AztecMode to);

} // namespace vornik::twod
