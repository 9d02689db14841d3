#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vornik {

struct Job;
struct RunState;

// The raster image properties dialog as a model: what its controls show
// when it opens, and what OK writes back into the job.
struct RasterPropertiesForm {
    int bitsPerPixelEntry = 0; // of kBitsPerPixelEntries
    std::string resolutionText;
    std::string jpegQualityText;
    int pngFilterEntry = 0; // of kPngFilterEntries
    bool pngInterlace = false;
    bool bmpCompression = false;
    bool tgaCompression = false;
    bool gifCompression = false;
    int tiffCompressionEntry = 0; // of kTiffCompressionEntries
};

// The dialog's caption and the captions of its controls, "&" marking the
// access keys.
inline constexpr std::string_view kRasterPropertiesTitle = "Raster Image Properties";
inline constexpr std::string_view kBitsPerPixelLabel = "Colour &depth (bits per pixel):";
inline constexpr std::string_view kResolutionLabel = "&Resolution (dots per inch, 20 to 1440):";
inline constexpr std::string_view kJpegQualityLabel = "&JPEG quality (1 to 100):";
inline constexpr std::string_view kPngFilterLabel = "PNG &filter:";
inline constexpr std::string_view kPngInterlaceCaption = "&Interlaced PNG";
inline constexpr std::string_view kBmpCompressionCaption = "Run-length compressed &BMP";
inline constexpr std::string_view kTgaCompressionCaption = "Run-length compressed &TGA";
inline constexpr std::string_view kGifCompressionCaption = "Compressed &GIF";
inline constexpr std::string_view kTiffCompressionLabel = "TIFF co&mpression:";

inline constexpr std::array<std::string_view, 3> kBitsPerPixelEntries{"1", "8", "24"};
inline constexpr std::array<std::string_view, 6> kPngFilterEntries{
    "All Filters (Best)", "No Filter", "Sub Filter", "Up Filter", "Average Filter", "Paeth Filter"};
inline constexpr std::array<std::string_view, 5> kTiffCompressionEntries{"None", "LZW", "PackBits",
                                                                         "Group3", "Group4"};

// The accepted ranges of the resolution and the JPEG quality.
inline constexpr std::int32_t kLowestRasterResolution = 20;
inline constexpr std::int32_t kHighestRasterResolution = 1440;
inline constexpr std::int32_t kDefaultRasterResolution = 300;
inline constexpr std::int32_t kHighestJpegQuality = 100;

[[nodiscard]] RasterPropertiesForm rasterPropertiesForm(const Job& job);

// OK: every field written back, the two numbers brought into range (a
// resolution below 20 becomes 300 and one above 1440 becomes 1440; a quality
// of 0 or less, or above 100, becomes 100). True when the job changed.
bool applyRasterProperties(const RasterPropertiesForm& form, Job& job);

// OK as the dialog's button does it: the fields written back, and the
// configuration, which keeps them, marked changed when one changed.
void confirmRasterProperties(const RasterPropertiesForm& form, Job& job, RunState& state);

// The number boxes take the digits and backspace only; any other key is
// refused (with a beep).
[[nodiscard]] bool acceptsRasterNumberKey(char key);

} // namespace vornik
