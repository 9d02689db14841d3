#pragma once

#include "core/render/current_picture.h"
#include "core/twod/aztec_parameter_block.h"

#include <cstdint>
#include <optional>
#include <span>

namespace vornik::twod {

// Result codes of the Aztec encoder.
inline constexpr std::int32_t kAztecSuccess = 0;
inline constexpr std::int32_t kAztecInvalidOptions = 1;    // a field outside its values
inline constexpr std::int32_t kAztecMessageLength = 2;     // no room for the message
inline constexpr std::int32_t kAztecCommentLength = 3;     // a comment of more than 100
inline constexpr std::int32_t kAztecEncodeFailed = 4;      // any other refusal of libzint
inline constexpr std::int32_t kAztecInvalidModuleSize = 6; // not above 0, or a picture too large

// libzint's error correction choice for an AztecEcPercent value: the level
// (1 to 4 for about 10, 23, 36 and 50 % of the symbol, 0 for the default)
// and the size (1 to 4 compact layers, 5 to 36 for 1 to 32 full-range layers,
// 0 automatic). A percentage takes the smallest level that gives at least as
// much; above 50 % there is none.
struct AztecSizing {
    int level = 0;
    int size = 0;
};
[[nodiscard]] std::optional<AztecSizing> aztecSizing(std::int32_t errorCorrection);

// The Aztec encoder: reads the 8-bit parameter record, encodes the message
// with libzint and draws the whole picture (symbol, a quiet zone of two
// modules, comment line, colours, width adjustment, rotation) into `picture`.
// The menu symbol flag is libzint's reader initialisation.
[[nodiscard]] std::int32_t VKAZTEC(std::span<const std::uint8_t, kAztecBlockSize> block,
                                   render::CurrentPicture& picture);

} // namespace vornik::twod
