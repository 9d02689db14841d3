#include "export/raster/bmp_file.h"

#include "export/raster/byte_buffer.h"
#include "export/raster/output_file.h"
#include "export/raster/pixel_access.h"

#include <cmath>
#include <cstdint>

namespace vornik::exporting {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40; // BITMAPINFOHEADER
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint64_t kLargestFile = 0xFFFFFFFF; // the 32-bit size field

// Rows are padded to a whole number of 32-bit words.
[[nodiscard]] std::size_t paddedRowSize(const PixelImage& image) {
    return (image.bytesPerRow() + 3) / 4 * 4;
}

void appendUncompressedRow(const PixelImage& image, int y, ByteBuffer& out) {
    const auto row = image.row(y);
    if (image.bitsPerPixel == 24) {
        for (std::size_t at = 0; at < row.size(); at += 3) { // stored blue, green, red
            out.u8(row[at + 2]);
            out.u8(row[at + 1]);
            out.u8(row[at]);
        }
    } else {
        out.append(row);
    }
    out.zeros(paddedRowSize(image) - row.size());
}

// How many of the bytes from `at` on, up to `limit`, repeat the byte there.
[[nodiscard]] std::size_t runLength(std::span<const std::uint8_t> row, std::size_t at,
                                    std::size_t limit) {
    std::size_t length = 1;
    while (at + length < row.size() && length < limit && row[at + length] == row[at])
        ++length;
    return length;
}

// One row in BI_RLE8: encoded runs (count, index) for repeats, absolute
// stretches (0, count >= 3, indices, padded to a 16-bit boundary) for
// varied pixels, single pixels as runs of one.
void appendRle8Row(std::span<const std::uint8_t> row, ByteBuffer& out) {
    std::size_t at = 0;
    while (at < row.size()) {
        const std::size_t run = runLength(row, at, 255);
        if (run >= 2) {
            out.u8(static_cast<unsigned>(run));
            out.u8(row[at]);
            at += run;
            continue;
        }
        std::size_t end = at;
        while (end < row.size() && end - at < 255 && runLength(row, end, 3) < 3)
            ++end;
        if (end - at >= 3) {
            out.u8(0);
            out.u8(static_cast<unsigned>(end - at));
            out.append(row.subspan(at, end - at));
            if ((end - at) % 2 != 0)
                out.u8(0);
        } else {
            for (std::size_t single = at; single < end; ++single) {
                out.u8(1);
                out.u8(row[single]);
            }
        }
        at = end;
    }
}

void appendPixelData(const PixelImage& image, bool runLengthCoded, ByteBuffer& data) {
    for (int y = image.height - 1; y >= 0; --y) { // bottom row first
        if (!runLengthCoded) {
            appendUncompressedRow(image, y, data);
            continue;
        }
        appendRle8Row(image.row(y), data);
        data.u8(0);
        data.u8(y == 0 ? 1 : 0); // end of bitmap after the last row, else end of line
    }
}

constexpr std::size_t kFileSizeField = 2;
constexpr std::size_t kImageSizeField = 34;

// The headers and colour table; the two size fields are filled in once the
// pixels are coded.
void appendHeaders(const PixelImage& image, bool runLengthCoded, ByteBuffer& out) {
    const auto tableSize = static_cast<std::uint32_t>(image.palette.size() * 4);
    const std::uint32_t dataOffset = kFileHeaderSize + kInfoHeaderSize + tableSize;
    const auto pelsPerMetre =
        image.dotsPerInch > 0 ? static_cast<std::uint32_t>(std::lround(image.dotsPerInch / 0.0254))
                              : 0;
    out.text("BM");
    out.u32(0); // file size
    out.u32(0); // two reserved words
    out.u32(dataOffset);
    out.u32(kInfoHeaderSize);
    out.u32(static_cast<std::uint32_t>(image.width));
    out.u32(static_cast<std::uint32_t>(image.height)); // positive: rows stored bottom-up
    out.u16(1);                                        // planes
    out.u16(static_cast<unsigned>(image.bitsPerPixel));
    out.u32(runLengthCoded ? kBiRle8 : kBiRgb);
    out.u32(0); // image size
    out.u32(pelsPerMetre);
    out.u32(pelsPerMetre);
    out.u32(static_cast<std::uint32_t>(image.palette.size())); // colours used
    out.u32(0);                                                // all colours important
    for (const Rgb& colour : image.palette) {
        out.u8(colour.blue);
        out.u8(colour.green);
        out.u8(colour.red);
        out.u8(0);
    }
}

} // namespace

std::optional<std::string> writeBmpFile(const PixelImage& image, const RasterOptions& options,
                                        const std::filesystem::path& path) {
    // BMP run-length codes 4- and 8-bit images only: 1- and 24-bit pictures
    // stay uncompressed whatever the option.
    const bool runLengthCoded = options.bmpCompression && image.bitsPerPixel == 8;
    const std::uint64_t headersSize = kFileHeaderSize + kInfoHeaderSize + 256 * 4;
    if (!runLengthCoded && headersSize + std::uint64_t{paddedRowSize(image)} *
                                             static_cast<std::uint64_t>(image.height) >
                               kLargestFile)
        return "the picture is too large for a BMP file (4 GiB)";
    ByteBuffer file;
    appendHeaders(image, runLengthCoded, file);
    const std::size_t dataOffset = file.size();
    appendPixelData(image, runLengthCoded, file);
    if (file.size() > kLargestFile)
        return "the picture is too large for a BMP file (4 GiB)";
    file.patchU32(kFileSizeField, static_cast<std::uint32_t>(file.size()));
    file.patchU32(kImageSizeField, static_cast<std::uint32_t>(file.size() - dataOffset));
    return writeWholeFile(path, file.bytes());
}

} // namespace vornik::exporting
