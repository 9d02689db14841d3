#include "core/app/raster_properties.h"

#include "core/app/job.h"
#include "core/app/run_state.h"

#include <algorithm>

namespace vornik {
namespace {

constexpr char kBackspace = '\b';

// What a number box holds: its leading digits (the box takes no others), 0
// when there are none; long strings of digits stay far above any range.
std::int32_t boxNumber(std::string_view text) {
    constexpr std::int32_t kCeiling = 1'000'000'000;
    std::int32_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            break;
        // Held at the ceiling before the next digit could carry it past an int.
        value = value >= kCeiling / 10 ? kCeiling : value * 10 + (c - '0');
    }
    return value;
}

std::int32_t resolutionFromBox(std::string_view text) {
    const std::int32_t value = boxNumber(text);
    if (value < kLowestRasterResolution)
        return kDefaultRasterResolution;
    return std::min(value, kHighestRasterResolution);
}

std::int32_t jpegQualityFromBox(std::string_view text) {
    const std::int32_t value = boxNumber(text);
    return value <= 0 || value > kHighestJpegQuality ? kHighestJpegQuality : value;
}

int entryWithin(std::int32_t entry, std::size_t entries) {
    return entry >= 0 && static_cast<std::size_t>(entry) < entries ? entry : 0;
}

template <typename T> void assign(T& field, T value, bool& changed) {
    if (field != value) {
        field = value;
        changed = true;
    }
}

} // namespace

RasterPropertiesForm rasterPropertiesForm(const Job& job) {
    return {.bitsPerPixelEntry = job.BitsPerPixel == 8    ? 1
                                 : job.BitsPerPixel == 24 ? 2
                                                          : 0,
            .resolutionText = std::to_string(job.RasterResolution),
            .jpegQualityText = std::to_string(job.JpegQuality),
            .pngFilterEntry = entryWithin(job.PngFilter / 2, kPngFilterEntries.size()),
            .pngInterlace = (job.PngInterlace & 1) != 0,
            .bmpCompression = (job.BmpCompression & 1) != 0,
            .tgaCompression = (job.TgaCompression & 1) != 0,
            .gifCompression = (job.GifCompression & 1) != 0,
            .tiffCompressionEntry =
                entryWithin(job.TiffCompression, kTiffCompressionEntries.size())};
}

bool applyRasterProperties(const RasterPropertiesForm& form, Job& job) {
    bool changed = false;
    const int bppEntry = entryWithin(form.bitsPerPixelEntry, kBitsPerPixelEntries.size());
    assign(job.BitsPerPixel, std::int32_t{boxNumber(kBitsPerPixelEntries[bppEntry])}, changed);
    assign(job.RasterResolution, resolutionFromBox(form.resolutionText), changed);
    assign(job.JpegQuality, jpegQualityFromBox(form.jpegQualityText), changed);
    assign(job.PngFilter,
           std::int32_t{2 * entryWithin(form.pngFilterEntry, kPngFilterEntries.size())}, changed);
    assign(job.PngInterlace, std::int32_t{form.pngInterlace}, changed);
    assign(job.BmpCompression, std::int32_t{form.bmpCompression}, changed);
    assign(job.TgaCompression, std::int32_t{form.tgaCompression}, changed);
    assign(job.GifCompression, std::int32_t{form.gifCompression}, changed);
    assign(job.TiffCompression,
           std::int32_t{entryWithin(form.tiffCompressionEntry, kTiffCompressionEntries.size())},
           changed);
    return changed;
}

void confirmRasterProperties(const RasterPropertiesForm& form, Job& job, RunState& state) {
    if (applyRasterProperties(form, job))
        state.Dirty = true;
}

bool acceptsRasterNumberKey(char key) {
    return (key >= '0' && key <= '9') || key == kBackspace;
}

} // namespace vornik
