// Readers for the simple formats the program writes with its own code: BMP
// (uncompressed at 1, 4, 8, 24 and 32 bits, and 8-bit run-length coded), TGA
// (colour-mapped or true colour, raw or run-length coded) and PCX (1 bit, 8
// bits with the palette at the end, 24 bits in three planes).

#include "export/readback/library_readers.h"

#include <array>
#include <cstdint>

namespace vornik::exporting {

namespace {

constexpr std::int64_t kMostPixels = 1LL << 28;

class Bytes {
public:
    explicit Bytes(const std::string& bytes) : bytes_(bytes) {}
    [[nodiscard]] bool has(std::size_t at, std::size_t count) const {
        return at <= bytes_.size() && count <= bytes_.size() - at;
    }
    [[nodiscard]] unsigned u8(std::size_t at) const {
        return has(at, 1) ? static_cast<unsigned char>(bytes_[at]) : 0;
    }
    [[nodiscard]] unsigned u16(std::size_t at) const { return u8(at) | (u8(at + 1) << 8); }
    [[nodiscard]] std::uint32_t u32(std::size_t at) const {
        return u16(at) | (static_cast<std::uint32_t>(u16(at + 2)) << 16);
    }

private:
    const std::string& bytes_;
};

using Palette = std::vector<std::uint8_t>; // the lightness of each entry

GreyImage blank(int width, int height) {
    return GreyImage{width, height,
                     std::vector<std::uint8_t>(
                         static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 255)};
}

struct BmpHeader {
    std::int64_t width = 0;
    std::int64_t height = 0; // negative: rows stored top to bottom
    unsigned bits = 0;
    std::uint32_t compression = 0;
    std::uint32_t dataOffset = 0;
    Palette palette;
};

std::uint8_t bmpIndexed(const Bytes& in, std::size_t row, std::int64_t x, unsigned bits,
                        const Palette& palette) {
    const auto bit = static_cast<std::size_t>(x) * bits;
    const unsigned byte = in.u8(row + bit / 8);
    const unsigned index = (byte >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
    return index < palette.size() ? palette[index] : 0;
}

void bmpUncompressed(const Bytes& in, const BmpHeader& h, GreyImage& image) {
    const std::size_t stride = (static_cast<std::size_t>(image.width) * h.bits + 31) / 32 * 4;
    for (int y = 0; y < image.height; ++y) {
        const int stored = h.height > 0 ? image.height - 1 - y : y;
        const std::size_t row = h.dataOffset + static_cast<std::size_t>(stored) * stride;
        for (int x = 0; x < image.width; ++x) {
            std::uint8_t& pixel = image.pixels[static_cast<std::size_t>(y) * image.width + x];
            if (h.bits <= 8) {
                pixel = bmpIndexed(in, row, x, h.bits, h.palette);
                continue;
            }
            const std::size_t at = row + static_cast<std::size_t>(x) * (h.bits / 8);
            pixel = lightness(in.u8(at + 2), in.u8(at + 1), in.u8(at));
        }
    }
}

void bmpPut(GreyImage& image, const BmpHeader& h, int x, int y, unsigned index) {
    if (x < 0 || y < 0 || x >= image.width || y >= image.height)
        return;
    const int row = h.height > 0 ? image.height - 1 - y : y;
    image.pixels[static_cast<std::size_t>(row) * image.width + x] =
        index < h.palette.size() ? h.palette[index] : 0;
}

void bmpRle8(const Bytes& in, const BmpHeader& h, GreyImage& image) {
    std::size_t at = h.dataOffset;
    int x = 0;
    int y = 0;
    while (in.has(at, 2)) {
        const unsigned count = in.u8(at);
        const unsigned value = in.u8(at + 1);
        at += 2;
        if (count > 0) {
            for (unsigned i = 0; i < count; ++i)
                bmpPut(image, h, x++, y, value);
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            return;
        } else if (value == 2) {
            x += static_cast<int>(in.u8(at));
            y += static_cast<int>(in.u8(at + 1));
            at += 2;
        } else {
            for (unsigned i = 0; i < value; ++i)
                bmpPut(image, h, x++, y, in.u8(at + i));
            at += (value + 1) / 2 * 2;
        }
    }
}

std::variant<BmpHeader, std::string> bmpHeader(const Bytes& in, const std::string& bytes) {
    if (!bytes.starts_with("BM") || !in.has(0, 54))
        return std::string("it is no BMP image");
    BmpHeader h;
    h.dataOffset = in.u32(10);
    const std::uint32_t infoSize = in.u32(14);
    h.width = static_cast<std::int32_t>(in.u32(18));
    h.height = static_cast<std::int32_t>(in.u32(22));
    h.bits = in.u16(28);
    h.compression = in.u32(30);
    std::uint32_t colours = in.u32(46);
    if (colours == 0 && h.bits <= 8)
        colours = 1u << h.bits;
    for (std::uint32_t i = 0; i < colours && i < 256; ++i) {
        const std::size_t at = 14 + infoSize + i * 4;
        h.palette.push_back(lightness(in.u8(at + 2), in.u8(at + 1), in.u8(at)));
    }
    const std::int64_t rows = h.height < 0 ? -h.height : h.height;
    const bool bitsKnown =
        h.bits == 1 || h.bits == 4 || h.bits == 8 || h.bits == 24 || h.bits == 32;
    const bool coding = h.compression == 0 || (h.compression == 1 && h.bits == 8);
    if (h.width <= 0 || rows <= 0 || h.width * rows > kMostPixels || !bitsKnown || !coding)
        return std::string("it is a BMP image of a kind that cannot be read back");
    return h;
}

} // namespace

std::variant<GreyImage, std::string> readBmp(const std::string& bytes) {
    const Bytes in(bytes);
    auto header = bmpHeader(in, bytes);
    if (auto* error = std::get_if<std::string>(&header))
        return *error;
    const BmpHeader& h = std::get<BmpHeader>(header);
    GreyImage image =
        blank(static_cast<int>(h.width), static_cast<int>(h.height < 0 ? -h.height : h.height));
    if (h.compression == 1)
        bmpRle8(in, h, image);
    else
        bmpUncompressed(in, h, image);
    return image;
}

namespace {

struct TgaHeader {
    unsigned type = 0;
    int width = 0;
    int height = 0;
    unsigned pixelBytes = 0;
    bool topFirst = false;
    Palette palette;
    std::size_t dataOffset = 0;
};

std::variant<TgaHeader, std::string> tgaHeader(const Bytes& in) {
    if (!in.has(0, 18))
        return std::string("it is no TGA image");
    TgaHeader h;
    h.type = in.u8(2);
    const unsigned mapLength = in.u16(5);
    const unsigned mapBits = in.u8(7);
    h.width = static_cast<int>(in.u16(12));
    h.height = static_cast<int>(in.u16(14));
    h.pixelBytes = in.u8(16) / 8;
    h.topFirst = (in.u8(17) & 0x20) != 0;
    const bool mapped = (h.type & 7) == 1;
    const bool kind = (h.type & 7) == 1 || (h.type & 7) == 2;
    const bool depth =
        mapped ? h.pixelBytes == 1 && mapBits == 24 : h.pixelBytes == 3 || h.pixelBytes == 4;
    if (!kind || !depth || h.width <= 0 || h.height <= 0)
        return std::string("it is a TGA image of a kind that cannot be read back");
    std::size_t at = 18 + in.u8(0);
    for (unsigned i = 0; i < mapLength; ++i, at += 3)
        h.palette.push_back(lightness(in.u8(at + 2), in.u8(at + 1), in.u8(at)));
    h.dataOffset = at;
    return h;
}

std::uint8_t tgaPixel(const Bytes& in, std::size_t at, const TgaHeader& h) {
    if (h.pixelBytes == 1) {
        const unsigned index = in.u8(at);
        return index < h.palette.size() ? h.palette[index] : 0;
    }
    return lightness(in.u8(at + 2), in.u8(at + 1), in.u8(at));
}

} // namespace

std::variant<GreyImage, std::string> readTga(const std::string& bytes) {
    const Bytes in(bytes);
    auto header = tgaHeader(in);
    if (auto* error = std::get_if<std::string>(&header))
        return *error;
    const TgaHeader& h = std::get<TgaHeader>(header);
    GreyImage image = blank(h.width, h.height);
    const std::size_t total = image.pixels.size();
    const bool coded = (h.type & 8) != 0;
    std::size_t at = h.dataOffset;
    for (std::size_t done = 0; done < total && in.has(at, 1);) {
        const unsigned packet = coded ? in.u8(at++) : 0x7F;
        const std::size_t count = std::min<std::size_t>((packet & 0x7F) + 1u, total - done);
        const bool run = coded && (packet & 0x80) != 0;
        for (std::size_t i = 0; i < count; ++i, ++done) {
            const std::size_t y = done / static_cast<std::size_t>(h.width);
            const std::size_t x = done % static_cast<std::size_t>(h.width);
            const std::size_t row = h.topFirst ? y : static_cast<std::size_t>(h.height) - 1 - y;
            image.pixels[row * static_cast<std::size_t>(h.width) + x] = tgaPixel(in, at, h);
            if (!run)
                at += h.pixelBytes;
        }
        if (run)
            at += h.pixelBytes;
    }
    return image;
}

namespace {

constexpr std::size_t kPcxHeaderSize = 128;
constexpr std::size_t kPcxPaletteSize = 769; // the marker and 256 colours

// The run-length coded bytes of every plane line, one after another.
std::vector<std::uint8_t> pcxLines(const Bytes& in, std::size_t size) {
    std::vector<std::uint8_t> lines;
    lines.reserve(size);
    std::size_t at = kPcxHeaderSize;
    while (lines.size() < size && in.has(at, 1)) {
        const unsigned byte = in.u8(at++);
        std::size_t count = 1;
        unsigned value = byte;
        if ((byte & 0xC0) == 0xC0) {
            count = byte & 0x3F;
            value = in.u8(at++);
        }
        lines.insert(lines.end(), std::min(count, size - lines.size()),
                     static_cast<std::uint8_t>(value));
    }
    lines.resize(size, 0);
    return lines;
}

Palette pcxPalette(const Bytes& in, const std::string& bytes, unsigned bits) {
    Palette palette;
    const bool atEnd = bits == 8 && bytes.size() >= kPcxHeaderSize + kPcxPaletteSize;
    const std::size_t start = atEnd ? bytes.size() - kPcxPaletteSize + 1 : 16;
    for (std::size_t i = 0; i < (atEnd ? 256u : 16u); ++i)
        palette.push_back(
            lightness(in.u8(start + i * 3), in.u8(start + i * 3 + 1), in.u8(start + i * 3 + 2)));
    return palette;
}

} // namespace

std::variant<GreyImage, std::string> readPcx(const std::string& bytes) {
    const Bytes in(bytes);
    if (!in.has(0, kPcxHeaderSize) || in.u8(0) != 0x0A || in.u8(2) != 1)
        return std::string("it is no PCX image");
    const unsigned bits = in.u8(3);
    const int width = static_cast<int>(in.u16(8)) - static_cast<int>(in.u16(4)) + 1;
    const int height = static_cast<int>(in.u16(10)) - static_cast<int>(in.u16(6)) + 1;
    const unsigned planes = in.u8(65);
    const std::size_t lineBytes = in.u16(66);
    const bool kind = (bits == 1 && planes == 1) || (bits == 8 && (planes == 1 || planes == 3));
    const std::size_t needed =
        bits == 1 ? (static_cast<std::size_t>(width) + 7) / 8 : static_cast<std::size_t>(width);
    if (!kind || width <= 0 || height <= 0 ||
        static_cast<std::int64_t>(width) * height > kMostPixels || lineBytes < needed)
        return std::string("it is a PCX image of a kind that cannot be read back");
    const auto lines = pcxLines(in, static_cast<std::size_t>(height) * planes * lineBytes);
    const Palette palette = pcxPalette(in, bytes, bits);
    GreyImage image = blank(width, height);
    for (int y = 0; y < height; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * planes * lineBytes;
        for (int x = 0; x < width; ++x) {
            const auto ux = static_cast<std::size_t>(x);
            std::uint8_t& pixel = image.pixels[static_cast<std::size_t>(y) * width + ux];
            if (planes == 3)
                pixel = lightness(lines[row + ux], lines[row + lineBytes + ux],
                                  lines[row + 2 * lineBytes + ux]);
            else if (bits == 8)
                pixel = palette[lines[row + ux]];
            else
                pixel = palette[(lines[row + ux / 8] >> (7 - ux % 8)) & 1];
        }
    }
    return image;
}

} // namespace vornik::exporting
