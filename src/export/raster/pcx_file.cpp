#include "export/raster/pcx_file.h"

#include "export/raster/byte_buffer.h"
#include "export/raster/output_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace vornik::exporting {
namespace {

constexpr std::size_t kHeaderSize = 128;
constexpr std::size_t kLongestRun = 63; // the count shares a byte with two flag bits
constexpr unsigned kRunFlag = 0xC0;
constexpr unsigned kPaletteMarker = 0x0C;

// Bytes of one plane's line, rounded up to an even number.
[[nodiscard]] std::size_t bytesPerLine(const PixelImage& image) {
    const std::size_t bytes = image.bitsPerPixel == 1
                                  ? (static_cast<std::size_t>(image.width) + 7) / 8
                                  : static_cast<std::size_t>(image.width);
    return (bytes + 1) / 2 * 2;
}

void appendHeader(const PixelImage& image, ByteBuffer& out) {
    const auto dpi = static_cast<unsigned>(std::clamp(std::lround(image.dotsPerInch), 0L, 65535L));
    out.u8(0x0A); // ZSoft
    out.u8(5);    // version 5: 256-colour palette possible
    out.u8(1);    // run-length coded
    out.u8(image.bitsPerPixel == 1 ? 1 : 8);
    out.u16(0); // left
    out.u16(0); // top
    out.u16(static_cast<unsigned>(image.width - 1));
    out.u16(static_cast<unsigned>(image.height - 1));
    out.u16(dpi);
    out.u16(dpi);
    // The 16-colour header palette: the two colours of a 1-bit picture.
    for (std::size_t i = 0; i < 16; ++i) {
        const Rgb colour = image.bitsPerPixel == 1 && i < 2 ? image.palette[i] : Rgb{};
        out.u8(colour.red);
        out.u8(colour.green);
        out.u8(colour.blue);
    }
    out.u8(0); // reserved
    out.u8(image.bitsPerPixel == 24 ? 3 : 1);
    out.u16(static_cast<unsigned>(bytesPerLine(image)));
    out.u16(1); // colour palette
    out.zeros(kHeaderSize - out.size());
}

// One plane's line: a run of up to 63 equal bytes, or a single byte that
// looks like a run count, is a count byte (0xC0 + count) and the byte; any
// other single byte stands for itself.
void appendCodedLine(std::span<const std::uint8_t> line, ByteBuffer& out) {
    std::size_t at = 0;
    while (at < line.size()) {
        std::size_t run = 1;
        while (at + run < line.size() && run < kLongestRun && line[at + run] == line[at])
            ++run;
        if (run > 1 || line[at] >= kRunFlag)
            out.u8(kRunFlag | static_cast<unsigned>(run));
        out.u8(line[at]);
        at += run;
    }
}

void appendPixels(const PixelImage& image, ByteBuffer& out) {
    std::vector<std::uint8_t> line(bytesPerLine(image), 0);
    for (int y = 0; y < image.height; ++y) {
        const auto row = image.row(y);
        if (image.bitsPerPixel != 24) {
            std::copy(row.begin(), row.end(), line.begin());
            appendCodedLine(line, out);
            continue;
        }
        for (std::size_t plane = 0; plane < 3; ++plane) { // red, green, blue planes
            for (std::size_t x = 0; x < static_cast<std::size_t>(image.width); ++x)
                line[x] = row[x * 3 + plane];
            appendCodedLine(line, out);
        }
    }
}

// The 256-colour palette that follows the pixels of an 8-bit picture.
void appendPalette(const PixelImage& image, ByteBuffer& out) {
    out.u8(kPaletteMarker);
    for (std::size_t i = 0; i < 256; ++i) {
        const Rgb colour = i < image.palette.size() ? image.palette[i] : Rgb{};
        out.u8(colour.red);
        out.u8(colour.green);
        out.u8(colour.blue);
    }
}

} // namespace

// PCX is always run-length coded; there is no option to choose.
std::optional<std::string> writePcxFile(const PixelImage& image, const RasterOptions&,
                                        const std::filesystem::path& path) {
    ByteBuffer file;
    appendHeader(image, file);
    appendPixels(image, file);
    if (image.bitsPerPixel == 8)
        appendPalette(image, file);
    return writeWholeFile(path, file.bytes());
}

} // namespace vornik::exporting
