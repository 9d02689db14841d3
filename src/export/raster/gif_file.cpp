#include "export/raster/gif_file.h"

#include "export/raster/output_file.h"
#include "export/raster/pixel_access.h"

#include <cstdio>
#include <gif_lib.h>
#include <memory>
#include <vector>

namespace vornik::exporting {
namespace {

// GIF has no field for the resolution: the file is written without one.

struct GifSink {
    std::FILE* stream = nullptr;
    bool failed = false;
};

int writeToSink(GifFileType* gif, const GifByteType* bytes, int length) {
    auto* sink = static_cast<GifSink*>(gif->UserData);
    const std::size_t written =
        std::fwrite(bytes, 1, static_cast<std::size_t>(length), sink->stream);
    if (written != static_cast<std::size_t>(length))
        sink->failed = true;
    return static_cast<int>(written);
}

[[nodiscard]] std::string gifReason(int error) {
    const char* text = GifErrorString(error);
    return text != nullptr && error != 0 ? text : "giflib could not write the image";
}

struct MapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

// Two entries at 1 bit, 256 at 8 (the colours past the palette are black).
[[nodiscard]] std::unique_ptr<ColorMapObject, MapDeleter> colourMap(const PixelImage& image) {
    std::vector<GifColorType> colours(std::size_t{1} << image.bitsPerPixel, GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < image.palette.size(); ++i)
        colours[i] = {image.palette[i].red, image.palette[i].green, image.palette[i].blue};
    return std::unique_ptr<ColorMapObject, MapDeleter>(
        GifMakeMapObject(static_cast<int>(colours.size()), colours.data()));
}

[[nodiscard]] bool writeCompressed(GifFileType* gif, const PixelImage& image) {
    std::vector<GifPixelType> line(static_cast<std::size_t>(image.width));
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x)
            line[static_cast<std::size_t>(x)] =
                static_cast<GifPixelType>(paletteIndexAt(image, x, y));
        if (EGifPutLine(gif, line.data(), image.width) != GIF_OK)
            return false;
    }
    return true;
}

// Codes packed least significant bit first, as GIF's LZW stream is.
class CodePacker {
public:
    explicit CodePacker(int codeWidth) : codeWidth_(codeWidth) {}
    void put(unsigned code) {
        pending_ |= code << pendingBits_;
        for (pendingBits_ += codeWidth_; pendingBits_ >= 8; pendingBits_ -= 8) {
            bytes_.push_back(static_cast<std::uint8_t>(pending_ & 0xFF));
            pending_ >>= 8;
        }
    }
    [[nodiscard]] std::vector<std::uint8_t> finish() {
        if (pendingBits_ > 0)
            bytes_.push_back(static_cast<std::uint8_t>(pending_ & 0xFF));
        return std::move(bytes_);
    }

private:
    int codeWidth_;
    unsigned pending_ = 0;
    int pendingBits_ = 0;
    std::vector<std::uint8_t> bytes_;
};

// "Compression off": GIF's pixels are always LZW-coded, so the stream is
// made of literal codes only, one a pixel, with a clear code before the
// decoder's table would grow the code width. Each pixel then costs one bit
// more than its index, and every reader decodes the file as usual.
[[nodiscard]] std::vector<std::uint8_t> literalCodeStream(const PixelImage& image, int codeSize) {
    const unsigned clear = 1u << codeSize;
    // After a clear code the decoder adds a table entry for every literal but
    // the first; clear - 2 literals keep its next free code below 2 x clear.
    const unsigned literalsPerClear = clear - 2;
    CodePacker packer(codeSize + 1);
    unsigned sinceClear = literalsPerClear;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            if (sinceClear == literalsPerClear) {
                packer.put(clear);
                sinceClear = 0;
            }
            packer.put(static_cast<unsigned>(paletteIndexAt(image, x, y)));
            ++sinceClear;
        }
    packer.put(clear + 1); // end of information
    return packer.finish();
}

// Hands the code stream to giflib in data sub-blocks of at most 255 bytes,
// after the code size byte that giflib wrote with the image descriptor.
[[nodiscard]] bool writeLiteralCodes(GifFileType* gif, const PixelImage& image) {
    const int codeSize = image.bitsPerPixel < 2 ? 2 : image.bitsPerPixel;
    const std::vector<std::uint8_t> stream = literalCodeStream(image, codeSize);
    std::vector<GifByteType> block;
    for (std::size_t at = 0; at < stream.size(); at += 255) {
        const std::size_t length = std::min<std::size_t>(255, stream.size() - at);
        block.assign(1, static_cast<GifByteType>(length));
        block.insert(block.end(), stream.begin() + static_cast<std::ptrdiff_t>(at),
                     stream.begin() + static_cast<std::ptrdiff_t>(at + length));
        const int result =
            at == 0 ? EGifPutCode(gif, codeSize, block.data()) : EGifPutCodeNext(gif, block.data());
        if (result != GIF_OK)
            return false;
    }
    return EGifPutCodeNext(gif, nullptr) == GIF_OK;
}

[[nodiscard]] bool writeImage(GifFileType* gif, const PixelImage& image,
                              const RasterOptions& options) {
    const auto map = colourMap(image);
    if (map == nullptr ||
        EGifPutScreenDesc(gif, image.width, image.height, image.bitsPerPixel, 0, map.get()) !=
            GIF_OK ||
        EGifPutImageDesc(gif, 0, 0, image.width, image.height, false, nullptr) != GIF_OK)
        return false;
    return options.gifCompression ? writeCompressed(gif, image) : writeLiteralCodes(gif, image);
}

} // namespace

std::optional<std::string> writeGifFile(const PixelImage& image, const RasterOptions& options,
                                        const std::filesystem::path& path) {
    OutputFile file(path);
    if (auto reason = file.open())
        return reason;
    GifSink sink{file.stream()};
    int error = 0;
    GifFileType* gif = EGifOpen(&sink, writeToSink, &error);
    if (gif == nullptr)
        return gifReason(error);
    const bool written = writeImage(gif, image, options);
    if (!written)
        error = gif->Error;
    int closeError = 0;
    if (EGifCloseFile(gif, &closeError) != GIF_OK && written)
        error = closeError;
    if (sink.failed)
        return systemReason();
    if (!written || error != 0)
        return gifReason(error);
    return file.finish();
}

} // namespace vornik::exporting
