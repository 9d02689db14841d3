#pragma once

#include "core/render/current_picture.h"
#include "core/twod/aztec_parameter_block.h"

#include <cstdint>
#include <optional>
#include <span>

namespace vornik::twod {

// Result codes of the Aztec encoder.
inline constexpr std::int32_t kAztecSuccess = 0;
inline constexpr std::int32_t kAztecInvalidOptions = 1; // a field outside its values
inline constexpr std::int32_t kAztecMessageLength = 2;  // no room for the message
inline constexpr std::int32_t kAztecCommentLength = 3;  // a comment of more than 100
inline constexpr std::int32_t kAztecEncodeFailed = 4;   // a menu symbol of a size without the mark
inline constexpr std::int32_t kAztecInvalidModuleSize = 6; // not above 0, or a picture too large

// The Aztec encoder: reads the 8-bit parameter record, encodes the message
// and draws the whole picture (symbol, a quiet zone of two modules, comment
// line, colours, width adjustment, rotation) into `picture`. The menu symbol
// flag makes a reader initialisation symbol.
[[nodiscard]] std::int32_t VKAZTEC(std::span<const std::uint8_t, kAztecBlockSize> block,
                                   render::CurrentPicture& picture);

} // namespace vornik::twod
