#include "export/raster/png_filter_choice.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

namespace vornik::exporting {
namespace {

[[nodiscard]] int paethPredictor(int left, int up, int upLeft) {
    const int estimate = left + up - upLeft;
    const int toLeft = std::abs(estimate - left);
    const int toUp = std::abs(estimate - up);
    const int toUpLeft = std::abs(estimate - upLeft);
    if (toLeft <= toUp && toLeft <= toUpLeft)
        return left;
    return toUp <= toUpLeft ? up : upLeft;
}

// A filtered byte as a signed value's magnitude: 255 counts as -1.
[[nodiscard]] int magnitude(int filtered) {
    const auto byte = static_cast<std::uint8_t>(filtered);
    return byte < 128 ? byte : 256 - byte;
}

constexpr std::array kTypes{PngFilterType::None, PngFilterType::Sub, PngFilterType::Up,
                            PngFilterType::Average, PngFilterType::Paeth};

} // namespace

PngFilterType repeatedRowFilter(std::span<const std::uint8_t> row) {
    return std::all_of(row.begin(), row.end(), [](std::uint8_t byte) { return byte == 0; })
               ? PngFilterType::None
               : PngFilterType::Up;
}

PngFilterType chooseFilter(std::span<const std::uint8_t> row, std::span<const std::uint8_t> above,
                           int bytesPerPixel) {
    if (row.size() == above.size() && std::memcmp(row.data(), above.data(), row.size()) == 0)
        return repeatedRowFilter(row);
    const auto distance = static_cast<std::size_t>(std::max(bytesPerPixel, 1));
    // The sums of all five filters in one pass, in the order of the types.
    std::array<long, 5> costs{};
    for (std::size_t i = 0; i < row.size(); ++i) {
        const int raw = row[i];
        const int up = above[i];
        const int left = i >= distance ? row[i - distance] : 0;
        const int upLeft = i >= distance ? above[i - distance] : 0;
        costs[0] += magnitude(raw);
        costs[1] += magnitude(raw - left);
        costs[2] += magnitude(raw - up);
        costs[3] += magnitude(raw - (left + up) / 2);
        costs[4] += magnitude(raw - paethPredictor(left, up, upLeft));
    }
    // min_element takes the first of equal sums.
    return kTypes[static_cast<std::size_t>(std::min_element(costs.begin(), costs.end()) -
                                           costs.begin())];
}

} // namespace vornik::exporting
