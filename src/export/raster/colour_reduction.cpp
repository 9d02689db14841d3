#include "export/raster/colour_reduction.h"

#include "export/raster/pixel_access.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <unordered_map>

namespace vornik::exporting {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

[[nodiscard]] std::uint32_t key(Rgb colour) {
    return (std::uint32_t{colour.red} << 16) | (std::uint32_t{colour.green} << 8) | colour.blue;
}

[[nodiscard]] PixelImage emptyLike(const PixelImage& picture, int bitsPerPixel) {
    PixelImage image;
    image.width = picture.width;
    image.height = picture.height;
    image.bitsPerPixel = bitsPerPixel;
    image.dotsPerInch = picture.dotsPerInch;
    // Every reduction maps pixel to pixel, so rows that repeated still do.
    image.sameAsAbove = picture.sameAsAbove;
    image.pixels.assign(image.bytesPerRow() * static_cast<std::size_t>(image.height), 0);
    return image;
}

// Calls `visit` with each pixel's colour of a 24-bit picture, row by row;
// for a row that repeats the one above, `repeat` with its number instead.
template <typename Visit, typename Repeat>
void forEachColour(const PixelImage& picture, Visit visit, Repeat repeat) {
    for (int y = 0; y < picture.height; ++y) {
        if (repeatsRowAbove(picture, y)) {
            repeat(y);
            continue;
        }
        const std::uint8_t* at = picture.row(y).data();
        for (int x = 0; x < picture.width; ++x, at += 3)
            visit(x, y, Rgb{at[0], at[1], at[2]});
    }
}

// Copies row y - 1 of a reduced image to row y.
void copyRowAbove(PixelImage& image, int y) {
    std::uint8_t* row = image.pixels.data() + static_cast<std::size_t>(y) * image.bytesPerRow();
    std::memcpy(row, row - image.bytesPerRow(), image.bytesPerRow());
}

// The palette indices an 8-bit picture uses, in order of first appearance.
// A row is searched only for the indices not seen yet, and no row once every
// entry has been; only a row that holds a new one is read pixel by pixel, for
// the order.
[[nodiscard]] std::vector<std::uint8_t> indicesInUse(const PixelImage& picture) {
    const std::size_t entries = std::min<std::size_t>(picture.palette.size(), 256);
    std::array<bool, 256> seen{};
    std::vector<std::uint8_t> inOrder;
    for (int y = 0; y < picture.height && inOrder.size() < entries; ++y) {
        if (repeatsRowAbove(picture, y))
            continue;
        const auto row = picture.row(y);
        bool anyNew = false;
        for (std::size_t index = 0; index < entries && !anyNew; ++index)
            anyNew = !seen[index] &&
                     std::memchr(row.data(), static_cast<int>(index), row.size()) != nullptr;
        if (!anyNew)
            continue;
        for (const std::uint8_t index : row)
            if (index < entries && !seen[index]) {
                seen[index] = true;
                inOrder.push_back(index);
            }
    }
    return inOrder;
}

// Calls `visit` with the colours of a 24- or 8-bit picture in the order they
// appear, each at least once; a run of one colour may be visited once.
template <typename Visit> void forEachColourSeen(const PixelImage& picture, Visit visit) {
    if (picture.bitsPerPixel == 8) {
        for (const std::uint8_t index : indicesInUse(picture))
            visit(picture.palette[index]);
        return;
    }
    std::optional<std::uint32_t> previous;
    forEachColour(
        picture,
        [&](int, int, Rgb colour) {
            if (key(colour) == previous) // bars make long runs of one colour
                return;
            previous = key(colour);
            visit(colour);
        },
        [](int) {});
}

// The two entries of a 1-bit palette, the darker first: the picture's own
// colours when it has two, else its darkest and lightest.
[[nodiscard]] std::array<Rgb, 2> twoColourPalette(const PixelImage& picture) {
    std::optional<Rgb> darkest;
    std::optional<Rgb> lightest;
    forEachColourSeen(picture, [&](Rgb colour) {
        if (!darkest || luminance(colour) < luminance(*darkest))
            darkest = colour;
        if (!lightest || luminance(colour) > luminance(*lightest))
            lightest = colour;
        // Two colours of equal luminance: keep both, first seen first.
        if (darkest == lightest && colour != *darkest)
            lightest = colour;
    });
    if (!darkest)
        return {kBlack, kWhite};
    if (*darkest != *lightest)
        return {*darkest, *lightest};
    // One colour: pair it with whichever of black and white it is farther from.
    return luminance(*darkest) >= luminance(kWhite) / 2 ? std::array{kBlack, *darkest}
                                                        : std::array{*darkest, kWhite};
}

void setBit(PixelImage& image, int x, int y) {
    image.pixels[static_cast<std::size_t>(y) * image.bytesPerRow() +
                 (static_cast<unsigned>(x) >> 3)] |= static_cast<std::uint8_t>(0x80u >> (x & 7));
}

// Packs a row of palette indices eight pixels a byte, each pixel's bit
// taken from `bitOf`; the last byte is filled up with zeros. The eight bits
// of a whole byte are looked up independently of one another, which lets the
// processor look them up together.
void packRow(std::span<const std::uint8_t> indices, const std::array<std::uint8_t, 256>& bitOf,
             std::uint8_t* packed) {
    std::size_t x = 0;
    for (; x + 8 <= indices.size(); x += 8) {
        const std::uint8_t* eight = indices.data() + x;
        *packed++ = static_cast<std::uint8_t>(bitOf[eight[0]] << 7 | bitOf[eight[1]] << 6 |
                                              bitOf[eight[2]] << 5 | bitOf[eight[3]] << 4 |
                                              bitOf[eight[4]] << 3 | bitOf[eight[5]] << 2 |
                                              bitOf[eight[6]] << 1 | bitOf[eight[7]]);
    }
    if (x == indices.size())
        return;
    unsigned last = 0;
    for (std::size_t i = x; i < indices.size(); ++i)
        last |= unsigned{bitOf[indices[i]]} << (7 - (i - x));
    *packed = static_cast<std::uint8_t>(last);
}

[[nodiscard]] PixelImage reduceToTwoColours(const PixelImage& picture) {
    const auto palette = twoColourPalette(picture);
    const int darkLuminance = luminance(palette[0]);
    const int lightLuminance = luminance(palette[1]);
    const auto isLight = [&](Rgb colour) {
        return colour == palette[1] ||
               (colour != palette[0] &&
                lightLuminance - luminance(colour) < luminance(colour) - darkLuminance);
    };
    PixelImage image = emptyLike(picture, 1);
    image.palette.assign(palette.begin(), palette.end());
    if (picture.bitsPerPixel == 8) {
        std::array<std::uint8_t, 256> light{};
        for (std::size_t index = 0; index < picture.palette.size(); ++index)
            light[index] = isLight(picture.palette[index]) ? 1 : 0;
        for (int y = 0; y < picture.height; ++y) {
            if (repeatsRowAbove(picture, y))
                copyRowAbove(image, y);
            else
                packRow(picture.row(y), light,
                        image.pixels.data() + static_cast<std::size_t>(y) * image.bytesPerRow());
        }
        return image;
    }
    std::uint32_t previous = key(palette[0]);
    bool light = false;
    forEachColour(
        picture,
        [&](int x, int y, Rgb colour) {
            if (key(colour) != previous) {
                previous = key(colour);
                light = isLight(colour);
            }
            if (light)
                setBit(image, x, y);
        },
        [&](int y) { copyRowAbove(image, y); });
    return image;
}

// An 8-bit picture's palette cut to the colours it uses, in order of first
// appearance.
[[nodiscard]] PixelImage compactPalette(const PixelImage& picture) {
    PixelImage image = emptyLike(picture, 8);
    std::array<std::uint8_t, 256> newIndex{};
    for (const std::uint8_t index : indicesInUse(picture)) {
        newIndex[index] = static_cast<std::uint8_t>(image.palette.size());
        image.palette.push_back(picture.palette[index]);
    }
    for (std::size_t at = 0; at < picture.pixels.size(); ++at)
        image.pixels[at] = newIndex[picture.pixels[at]];
    return image;
}

// The index of each pixel in a palette of the picture's colours in order of
// first appearance, or nothing when there are more than 256.
[[nodiscard]] std::optional<PixelImage> exactPalette(const PixelImage& picture) {
    PixelImage image = emptyLike(picture, 8);
    std::unordered_map<std::uint32_t, std::uint8_t> indexOf;
    std::optional<Rgb> previous;
    std::uint8_t previousIndex = 0;
    bool tooMany = false;
    forEachColour(
        picture,
        [&](int x, int y, Rgb colour) {
            if (tooMany)
                return;
            if (colour != previous) { // bars make long runs of one colour
                auto found = indexOf.find(key(colour));
                if (found == indexOf.end()) {
                    if (image.palette.size() == 256) {
                        tooMany = true;
                        return;
                    }
                    found = indexOf.emplace(key(colour), image.palette.size()).first;
                    image.palette.push_back(colour);
                }
                previous = colour;
                previousIndex = found->second;
            }
            image.pixels[static_cast<std::size_t>(y) * image.bytesPerRow() + x] = previousIndex;
        },
        [&](int y) { copyRowAbove(image, y); });
    if (tooMany)
        return std::nullopt;
    return image;
}

// The nearest of the six levels 0, 51, ..., 255 of one channel.
[[nodiscard]] int cubeLevel(std::uint8_t value) {
    return (value + 25) / 51;
}

[[nodiscard]] PixelImage reduceToColourCube(const PixelImage& picture) {
    PixelImage image = emptyLike(picture, 8);
    for (int red = 0; red < 6; ++red)
        for (int green = 0; green < 6; ++green)
            for (int blue = 0; blue < 6; ++blue)
                image.palette.push_back({static_cast<std::uint8_t>(red * 51),
                                         static_cast<std::uint8_t>(green * 51),
                                         static_cast<std::uint8_t>(blue * 51)});
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const Rgb colour = colourAt(picture, x, y);
            image.pixels[static_cast<std::size_t>(y) * image.bytesPerRow() + x] =
                static_cast<std::uint8_t>(cubeLevel(colour.red) * 36 + cubeLevel(colour.green) * 6 +
                                          cubeLevel(colour.blue));
        }
    return image;
}

} // namespace

PixelImage reduceColours(const PixelImage& picture, int bitsPerPixel) {
    if (picture.bitsPerPixel == 1)
        return reduceColours(expandToFullColour(picture), bitsPerPixel);
    if (bitsPerPixel == 1)
        return reduceToTwoColours(picture);
    if (bitsPerPixel == 8) {
        if (picture.bitsPerPixel == 8)
            return compactPalette(picture);
        if (auto exact = exactPalette(picture))
            return std::move(*exact);
        return reduceToColourCube(picture);
    }
    return expandToFullColour(picture);
}

bool isGreyscale(const PixelImage& image) {
    if (image.bitsPerPixel != 24)
        return std::all_of(image.palette.begin(), image.palette.end(), isGrey);
    for (std::size_t at = 0; at + 2 < image.pixels.size(); at += 3)
        if (image.pixels[at] != image.pixels[at + 1] ||
            image.pixels[at + 1] != image.pixels[at + 2])
            return false;
    return true;
}

PixelImage expandToFullColour(const PixelImage& image) {
    if (image.bitsPerPixel == 24)
        return image;
    PixelImage full = emptyLike(image, 24);
    std::uint8_t* out = full.pixels.data();
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const Rgb colour = colourAt(image, x, y);
            *out++ = colour.red;
            *out++ = colour.green;
            *out++ = colour.blue;
        }
    return full;
}

} // namespace vornik::exporting
