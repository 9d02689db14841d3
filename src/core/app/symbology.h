#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vornik {

// The symbologies of the Symbology menu. The number is the menu index, the
// value stored in configuration files and the value of Job::Symbology.
enum class Symbology : std::int32_t {
    Code39 = 1,
    Code39FullAscii = 2,
    UpcA = 3,
    UpcE = 4,
    UpcE1 = 5,
    Ean8 = 6,
    Ean13 = 7,
    BookLand = 8,
    Interleaved2of5 = 9,
    Discrete2of5 = 10,
    Codabar = 11,
    Code93 = 12,
    Code128 = 13,
    EanUcc128 = 14,
    Pdf417 = 15,
    Aztec = 16,
    DataMatrix = 17,
    MsiPlessey = 18,
    Rss14 = 19,
    Rss14Stacked = 20,
    Rss14StackedOmni = 21,
    RssLimited = 22,
    Postnet = 23,
    Bpo4State = 24,
};

inline constexpr std::int32_t kFirstSymbology = 1;
inline constexpr std::int32_t kLastSymbology = 24;

struct SymbologyEntry {
    Symbology symbology;
    std::string_view menuCaption;             // with "&" marking the access key
    std::array<std::string_view, 3> keywords; // command keywords, unused ones empty
};

// The catalogue, in menu order: entry i is symbology i + 1.
extern const std::array<SymbologyEntry, kLastSymbology> kSymbologyCatalogue;

[[nodiscard]] bool isValidSymbology(std::int32_t number);
[[nodiscard]] const SymbologyEntry& catalogueEntry(Symbology symbology);

// The menu caption with its first "&" removed, as the name label shows it.
[[nodiscard]] std::string symbologyName(Symbology symbology);

// The symbology a command keyword such as "[CODE39]" selects (upper case).
[[nodiscard]] std::optional<Symbology> symbologyForKeyword(std::string_view upperCommand);

// Families that several rules single out.
[[nodiscard]] bool isUpcEanFamily(Symbology symbology); // 3 to 8
[[nodiscard]] bool isRssFamily(Symbology symbology);    // 19 to 22

} // namespace vornik
