#pragma once

#include <cstdint>
#include <span>

namespace vornik::exporting {

// The PNG filter types.
enum class PngFilterType : std::uint8_t { None = 0, Sub = 1, Up = 2, Average = 3, Paeth = 4 };

// The filter that gives a row the least sum of absolute differences, each
// filtered byte read as a signed value; ties go to the earlier type. This is
// the usual adaptive choice: small differences compress best. `above` is the
// row above (all zeros for the first row); `bytesPerPixel` is the distance to
// the byte on the left that Sub, Average and Paeth use, 1 below 8 bits a
// pixel. A row that repeats the one above costs one comparison: Up turns it
// into zeros, which nothing beats but a row of zeros left as it is.
[[nodiscard]] PngFilterType chooseFilter(std::span<const std::uint8_t> row,
                                         std::span<const std::uint8_t> above, int bytesPerPixel);

// The choice above for a row that repeats the row above: Up, or None for a
// row of zeros.
[[nodiscard]] PngFilterType repeatedRowFilter(std::span<const std::uint8_t> row);

} // namespace vornik::exporting
