#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace vornik::exporting {

// Bytes of a file being composed, with the little-endian fields that BMP,
// TGA and PCX headers are made of.
class ByteBuffer {
public:
    void u8(unsigned value) { bytes_.push_back(static_cast<std::uint8_t>(value)); }
    void u16(unsigned value) {
        u8(value & 0xFF);
        u8((value >> 8) & 0xFF);
    }
    void u32(std::uint32_t value) {
        u16(value & 0xFFFF);
        u16(value >> 16);
    }
    void zeros(std::size_t count) { bytes_.insert(bytes_.end(), count, 0); }
    void append(std::span<const std::uint8_t> bytes) {
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    }
    void text(std::string_view characters) {
        bytes_.insert(bytes_.end(), characters.begin(), characters.end());
    }
    // Overwrites a 32-bit field written earlier (a size known only at the end).
    void patchU32(std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            bytes_[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }

    [[nodiscard]] std::size_t size() const { return bytes_.size(); }
    [[nodiscard]] std::span<const std::uint8_t> bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

} // namespace vornik::exporting
