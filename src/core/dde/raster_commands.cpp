// The raster image settings handed to the image converter.

#include "core/app/numeric_text.h"
#include "core/app/raster_properties.h"
#include "core/app/rounding.h"
#include "core/dde/command_call.h"

#include <array>
#include <optional>

namespace vornik::dde {
namespace {

// A whole number within the range the raster properties dialog accepts; any
// other value, or one that is no number, refuses the command.
template <std::int32_t Job::*Field, std::int32_t Low, std::int32_t High, Refusal OutOfRange>
Outcome rasterNumber(CommandCall& call) {
    const auto number = wholeNumber(call.value);
    if (!number)
        return Refusal::NotANumber;
    if (*number < Low - 0.5 || *number > High + 0.5)
        return OutOfRange;
    const std::int32_t value = nearest(*number);
    if (value < Low || value > High)
        return OutOfRange;
    call.set(call.job().*Field, value);
    return kAccepted;
}

constexpr auto kRasterCommands = std::to_array<CommandEntry>({
    {"[BITSPERPIXEL=1]", Match::Exact, setField<&Job::BitsPerPixel, 1>},
    {"[BITSPERPIXEL=8]", Match::Exact, setField<&Job::BitsPerPixel, 8>},
    {"[BITSPERPIXEL=24]", Match::Exact, setField<&Job::BitsPerPixel, 24>},
    {"[PNGINTERLACE=ON]", Match::Exact, setField<&Job::PngInterlace, 1>},
    {"[PNGINTERLACE=OFF]", Match::Exact, setField<&Job::PngInterlace, 0>},
    {"[BMPCOMPRESSION=ON]", Match::Exact, setField<&Job::BmpCompression, 1>},
    {"[BMPCOMPRESSION=OFF]", Match::Exact, setField<&Job::BmpCompression, 0>},
    {"[GIFCOMPRESSION=ON]", Match::Exact, setField<&Job::GifCompression, 1>},
    {"[GIFCOMPRESSION=OFF]", Match::Exact, setField<&Job::GifCompression, 0>},
    {"[TGACOMPRESSION=ON]", Match::Exact, setField<&Job::TgaCompression, 1>},
    {"[TGACOMPRESSION=OFF]", Match::Exact, setField<&Job::TgaCompression, 0>},
    {"[TIFFCOMPRESSION=OFF]", Match::Exact, setField<&Job::TiffCompression, 0>},
    {"[TIFFCOMPRESSION=LZW]", Match::Exact, setField<&Job::TiffCompression, 1>},
    {"[TIFFCOMPRESSION=PACKBITS]", Match::Exact, setField<&Job::TiffCompression, 2>},
    {"[TIFFCOMPRESSION=GROUP3]", Match::Exact, setField<&Job::TiffCompression, 3>},
    {"[TIFFCOMPRESSION=GROUP4]", Match::Exact, setField<&Job::TiffCompression, 4>},
    {"[PNGALLFILTERS]", Match::Exact, setField<&Job::PngFilter, 0>},
    {"[PNGNOFILTER]", Match::Exact, setField<&Job::PngFilter, 2>},
    {"[PNGSUBFILTER]", Match::Exact, setField<&Job::PngFilter, 4>},
    {"[PNGUPFILTER]", Match::Exact, setField<&Job::PngFilter, 6>},
    {"[PNGAVGFILTER]", Match::Exact, setField<&Job::PngFilter, 8>},
    {"[PNGPAETHFILTER]", Match::Exact, setField<&Job::PngFilter, 10>},
    {"[RASTERIMAGERESOLUTION=", Match::Prefix,
     rasterNumber<&Job::RasterResolution, kLowestRasterResolution, kHighestRasterResolution,
                  Refusal::RasterResolutionRange>},
    {"[JPEGQUALITY=", Match::Prefix,
     rasterNumber<&Job::JpegQuality, 1, kHighestJpegQuality, Refusal::JpegQualityRange>},
});

} // namespace

std::span<const CommandEntry> rasterCommands() {
    return kRasterCommands;
}

} // namespace vornik::dde
