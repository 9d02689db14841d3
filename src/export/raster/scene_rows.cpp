#include "export/raster/scene_rows.h"

#include <algorithm>
#include <cstring>

namespace vornik::exporting {
namespace {

constexpr std::size_t kMostPaletteEntries = 256;

struct Argb {
    int alpha, red, green, blue;
};

[[nodiscard]] Argb unpack(std::uint32_t pixel) {
    return {static_cast<int>(pixel >> 24), static_cast<int>((pixel >> 16) & 0xFF),
            static_cast<int>((pixel >> 8) & 0xFF), static_cast<int>(pixel & 0xFF)};
}

[[nodiscard]] std::uint8_t channel(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

// A premultiplied channel laid over an opaque one.
[[nodiscard]] std::uint8_t over(int source, int alpha, int below) {
    return channel(source + (below * (255 - alpha) + 127) / 255);
}

[[nodiscard]] std::uint8_t unpremultiplied(int source, int alpha) {
    return channel((source * 255 + alpha / 2) / alpha);
}

// The colour a stamp pixel leaves on `below`; nothing where it leaves it as
// it was.
[[nodiscard]] std::optional<Rgb> laidOver(std::uint32_t pixel, Coverage coverage, Rgb below) {
    const Argb source = unpack(pixel);
    if (source.alpha == 0)
        return std::nullopt;
    if (coverage == Coverage::Threshold || source.alpha == 255) {
        if (source.alpha < 128)
            return std::nullopt;
        return Rgb{unpremultiplied(source.red, source.alpha),
                   unpremultiplied(source.green, source.alpha),
                   unpremultiplied(source.blue, source.alpha)};
    }
    return Rgb{over(source.red, source.alpha, below.red),
               over(source.green, source.alpha, below.green),
               over(source.blue, source.alpha, below.blue)};
}

[[nodiscard]] std::uint32_t key(Rgb colour) {
    return (std::uint32_t{colour.red} << 16) | (std::uint32_t{colour.green} << 8) | colour.blue;
}

} // namespace

// A stamp is mostly a few opaque colours, the text and its cell: those are
// remembered.
bool IndexedRow::layNew(int x, std::uint32_t pixel, Coverage coverage) {
    const auto colour = laidOver(pixel, coverage, palette_[pixels_[x]]);
    if (!colour)
        return true;
    const auto index = indexOf(*colour);
    if (!index)
        return false;
    pixels_[x] = *index;
    if (pixel >> 24 == 255) {
        recentOpaque_[nextRecent_] = {pixel, *index};
        nextRecent_ = (nextRecent_ + 1) % recentOpaque_.size();
    }
    return true;
}

std::optional<std::uint8_t> IndexedRow::lookUp(Rgb colour) {
    const auto found = indexOfKey_.find(key(colour));
    if (found != indexOfKey_.end()) {
        last_ = found->second;
    } else if (palette_.size() == kMostPaletteEntries) {
        return std::nullopt;
    } else {
        last_ = static_cast<std::uint8_t>(palette_.size());
        indexOfKey_.emplace(key(colour), last_);
        palette_.push_back(colour);
    }
    return last_;
}

bool FullColourRow::fill(int left, int right, Rgb colour) {
    for (int x = left; x < right; ++x)
        put(x, colour);
    return true;
}

bool FullColourRow::lay(int x, std::uint32_t pixel, Coverage coverage) {
    std::uint8_t* at = pixels_ + 3 * static_cast<std::size_t>(x);
    if (const auto colour = laidOver(pixel, coverage, Rgb{at[0], at[1], at[2]}))
        put(x, *colour);
    return true;
}

void FullColourRow::put(int x, Rgb colour) {
    std::uint8_t* at = pixels_ + 3 * static_cast<std::size_t>(x);
    at[0] = colour.red;
    at[1] = colour.green;
    at[2] = colour.blue;
}

} // namespace vornik::exporting
