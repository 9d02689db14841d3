#pragma once

#include <cstdint>
#include <vector>

namespace vornik::twod {

// A growing sequence of bits, most significant bit of each appended value
// first: the form the Aztec encoder's stages hand to each other.
class AztecBits {
public:
    // Appends the low `count` bits of `value` (count at most 32).
    void append(std::uint32_t value, int count) {
        for (int i = count - 1; i >= 0; --i)
            bits_.push_back(((value >> i) & 1U) != 0);
    }
    void append(const AztecBits& other) {
        bits_.insert(bits_.end(), other.bits_.begin(), other.bits_.end());
    }

    [[nodiscard]] int size() const { return static_cast<int>(bits_.size()); }
    [[nodiscard]] bool at(int index) const { return bits_[static_cast<std::size_t>(index)]; }

    bool operator==(const AztecBits&) const = default;

private:
    std::vector<bool> bits_;
};

} // namespace vornik::twod
