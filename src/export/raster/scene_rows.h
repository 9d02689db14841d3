#pragma once

#include "export/raster/raster_scene.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vornik::exporting {

// The two ways a raster scene draws a row: as palette indices or as red,
// green and blue bytes. `start` points the painter at a row; `fill` paints
// columns left to right (exclusive) in one colour; `lay` lays one stamp pixel
// (premultiplied ARGB, not transparent) at column x. Both report false when
// the row cannot hold the colour, and the picture must be drawn again in full
// colour.

// Adds colours to its palette as they come; fails once a 257th is wanted.
class IndexedRow {
public:
    void start(std::uint8_t* pixels) { pixels_ = pixels; }
    // The common cases, a colour like the last one and a stamp pixel like a
    // recent one, are settled here, where the drawing loop can inline them.
    [[nodiscard]] bool fill(int left, int right, Rgb colour) {
        const auto index = indexOf(colour);
        if (!index)
            return false;
        std::memset(pixels_ + left, *index, static_cast<std::size_t>(right - left));
        return true;
    }
    [[nodiscard]] bool lay(int x, std::uint32_t pixel, Coverage coverage) {
        for (const auto& [opaque, index] : recentOpaque_)
            if (pixel == opaque) {
                pixels_[x] = index;
                return true;
            }
        return layNew(x, pixel, coverage);
    }
    [[nodiscard]] std::vector<Rgb> palette() const { return palette_; }

private:
    [[nodiscard]] std::optional<std::uint8_t> indexOf(Rgb colour) {
        if (!palette_.empty() && colour == palette_[last_])
            return last_;
        return lookUp(colour);
    }
    [[nodiscard]] std::optional<std::uint8_t> lookUp(Rgb colour);
    [[nodiscard]] bool layNew(int x, std::uint32_t pixel, Coverage coverage);

    std::uint8_t* pixels_ = nullptr;
    std::vector<Rgb> palette_;
    std::unordered_map<std::uint32_t, std::uint8_t> indexOfKey_;
    std::uint8_t last_ = 0;
    // Opaque stamp pixels lately laid and their indices; 0 is transparent and
    // so never one of them.
    std::array<std::pair<std::uint32_t, std::uint8_t>, 4> recentOpaque_{};
    std::size_t nextRecent_ = 0;
};

// Never fails.
class FullColourRow {
public:
    void start(std::uint8_t* pixels) { pixels_ = pixels; }
    [[nodiscard]] bool fill(int left, int right, Rgb colour);
    [[nodiscard]] bool lay(int x, std::uint32_t pixel, Coverage coverage);
    [[nodiscard]] static std::vector<Rgb> palette() { return {}; }

private:
    void put(int x, Rgb colour);

    std::uint8_t* pixels_ = nullptr;
};

} // namespace vornik::exporting
