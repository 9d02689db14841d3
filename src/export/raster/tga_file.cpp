#include "export/raster/tga_file.h"

#include "export/raster/byte_buffer.h"
#include "export/raster/output_file.h"
#include "export/raster/pixel_access.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vornik::exporting {
namespace {

// Image types of the TGA header.
constexpr unsigned kColourMapped = 1;
constexpr unsigned kTrueColour = 2;
constexpr unsigned kRunLengthCoded = 8; // added to either
constexpr unsigned kTopLeftOrigin = 0x20;
constexpr std::size_t kLongestPacket = 128;

// TGA has no field for the resolution (the extension area records an
// aspect ratio only): the file is written without one.
void appendHeader(const PixelImage& image, bool runLengthCoded, ByteBuffer& out) {
    const bool mapped = image.bitsPerPixel != 24;
    out.u8(0); // no image identification
    out.u8(mapped ? 1 : 0);
    out.u8((mapped ? kColourMapped : kTrueColour) + (runLengthCoded ? kRunLengthCoded : 0));
    out.u16(0); // first colour map entry
    out.u16(static_cast<unsigned>(image.palette.size()));
    out.u8(mapped ? 24 : 0); // bits a colour map entry
    out.u16(0);              // x origin
    out.u16(0);              // y origin
    out.u16(static_cast<unsigned>(image.width));
    out.u16(static_cast<unsigned>(image.height));
    out.u8(mapped ? 8 : 24); // 1-bit pictures take a byte a pixel too
    out.u8(kTopLeftOrigin);  // rows stored top to bottom
    for (const Rgb& colour : image.palette) {
        out.u8(colour.blue);
        out.u8(colour.green);
        out.u8(colour.red);
    }
}

// The row as stored: an index byte a pixel, or blue, green, red.
[[nodiscard]] std::vector<std::uint8_t> storedRow(const PixelImage& image, int y) {
    std::vector<std::uint8_t> row;
    row.reserve(static_cast<std::size_t>(image.width) * 3);
    for (int x = 0; x < image.width; ++x) {
        if (image.bitsPerPixel != 24) {
            row.push_back(static_cast<std::uint8_t>(paletteIndexAt(image, x, y)));
            continue;
        }
        const Rgb colour = colourAt(image, x, y);
        row.insert(row.end(), {colour.blue, colour.green, colour.red});
    }
    return row;
}

// Run-length packets of one row (packets never cross rows): a run packet
// (high bit set, count - 1, one pixel) for two or more equal pixels, a raw
// packet (count - 1, the pixels) for varied ones, 128 pixels at most.
void appendPackets(std::span<const std::uint8_t> row, std::size_t pixelSize, ByteBuffer& out) {
    const std::size_t count = row.size() / pixelSize;
    const auto pixel = [&](std::size_t i) { return row.subspan(i * pixelSize, pixelSize); };
    const auto same = [&](std::size_t i, std::size_t j) {
        return std::equal(pixel(i).begin(), pixel(i).end(), pixel(j).begin());
    };
    std::size_t at = 0;
    while (at < count) {
        std::size_t run = 1;
        while (at + run < count && run < kLongestPacket && same(at, at + run))
            ++run;
        if (run >= 2) {
            out.u8(0x80 | static_cast<unsigned>(run - 1));
            out.append(pixel(at));
            at += run;
            continue;
        }
        std::size_t end = at + 1;
        while (end < count && end - at < kLongestPacket && !(end + 1 < count && same(end, end + 1)))
            ++end;
        out.u8(static_cast<unsigned>(end - at - 1));
        out.append(row.subspan(at * pixelSize, (end - at) * pixelSize));
        at = end;
    }
}

// The TGA 2.0 footer: no extension area, no developer directory.
void appendFooter(ByteBuffer& out) {
    out.u32(0);
    out.u32(0);
    out.text("TRUEVISION-XFILE.");
    out.u8(0);
}

} // namespace

std::optional<std::string> writeTgaFile(const PixelImage& image, const RasterOptions& options,
                                        const std::filesystem::path& path) {
    ByteBuffer file;
    appendHeader(image, options.tgaCompression, file);
    const std::size_t pixelSize = image.bitsPerPixel == 24 ? 3 : 1;
    for (int y = 0; y < image.height; ++y) {
        const std::vector<std::uint8_t> row = storedRow(image, y);
        if (options.tgaCompression)
            appendPackets(row, pixelSize, file);
        else
            file.append(row);
    }
    appendFooter(file);
    return writeWholeFile(path, file.bytes());
}

} // namespace vornik::exporting
