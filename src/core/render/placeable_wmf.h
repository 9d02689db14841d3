#pragma once

#include "core/render/metafile.h"

#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace vornik::render {

// The 22-byte header that makes a metafile "placeable": its size in 0.01 mm
// at 2540 units per inch.
inline constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
inline constexpr std::uint16_t kUnitsPerInch = 2540;
inline constexpr std::size_t kPlaceableHeaderSize = 22;

// The XOR of the ten 16-bit words that precede it in the header.
[[nodiscard]] std::uint16_t placeableChecksum(std::uint16_t right, std::uint16_t bottom);

// The standard metafile bytes (META_HEADER, the records, a mapping-mode
// trailer, META_EOF), laid out as Windows writes them.
[[nodiscard]] std::vector<std::uint8_t> wmfBytes(const Metafile& metafile);

// The placeable file: header with extents (x extent, y extent), then wmfBytes.
[[nodiscard]] std::vector<std::uint8_t>
placeableWmfBytes(const Metafile& metafile, std::uint16_t xExtent, std::uint16_t yExtent);

// A placeable metafile read back.
struct PlaceablePicture {
    std::uint16_t xExtent = 0;
    std::uint16_t yExtent = 0;
    std::uint16_t unitsPerInch = 0;
    Metafile metafile;
};

// Why a file could not be read: a sentence naming what is wrong and where.
struct WmfReadError {
    std::string message;
};

// Parses a placeable metafile: key, checksum, header size fields, record
// sizes and every record used by the program; anything else is an error,
// never a crash, whatever the bytes.
[[nodiscard]] std::variant<PlaceablePicture, WmfReadError>
readPlaceableWmf(std::span<const std::uint8_t> bytes);

} // namespace vornik::render
