#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace vornik::exporting {

// An image as a reader takes it: one byte of lightness a pixel, rows top to
// bottom without padding.
struct GreyImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
};

// The lightness of a colour, as the usual weights of red, green and blue.
[[nodiscard]] inline std::uint8_t lightness(unsigned red, unsigned green, unsigned blue) {
    return static_cast<std::uint8_t>((red * 299 + green * 587 + blue * 114 + 500) / 1000);
}

// Reads an image file of one of the raster formats the program writes (PNG,
// JPEG, TIFF, GIF, BMP, TGA, PCX), chosen by the file's extension; or why not.
[[nodiscard]] std::variant<GreyImage, std::string> readGreyImage(const std::string& path);

} // namespace vornik::exporting
