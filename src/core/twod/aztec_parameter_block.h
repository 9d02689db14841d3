#pragma once

#include "core/app/job.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vornik::twod {

// The Aztec encoder's parameter record in its 8-bit form: 32-bit signed
// little-endian integers and fixed-length text fields of one byte per
// character, filled from the left and padded with blanks.
inline constexpr std::size_t kAztecBlockSize = 4296;
inline constexpr std::size_t kAztecMessageField = 3832;
inline constexpr std::size_t kAztecCommentField = 100;
inline constexpr std::size_t kAztecFontNameField = 32;
inline constexpr std::size_t kAztecReservedTextField = 260;

// Where each field starts.
namespace aztec_offset {
inline constexpr std::size_t kMessageLength = 0;
inline constexpr std::size_t kMessage = 4;
inline constexpr std::size_t kCommentLength = 3836;
inline constexpr std::size_t kComment = 3840;
inline constexpr std::size_t kModuleSize = 3940;
inline constexpr std::size_t kWidthAdjust = 3944;
inline constexpr std::size_t kErrorCorrection = 3948;
inline constexpr std::size_t kForeColor = 3956;
inline constexpr std::size_t kBackColor = 3960;
inline constexpr std::size_t kFontName = 3964;
inline constexpr std::size_t kFontSize = 3996;
inline constexpr std::size_t kFontColor = 4000;
inline constexpr std::size_t kOrientation = 4004;
inline constexpr std::size_t kFlags = 4008;
inline constexpr std::size_t kConstant = 4020;
inline constexpr std::size_t kReservedText = 4024;
} // namespace aztec_offset
static_assert(aztec_offset::kMessage + kAztecMessageField == aztec_offset::kCommentLength);
static_assert(aztec_offset::kReservedText + kAztecReservedTextField + 12 == kAztecBlockSize);

// The flags field's bits.
inline constexpr std::int32_t kAztecCommentBelow = 0x4;
inline constexpr std::int32_t kAztecMenuSymbol = 0x10;
inline constexpr std::int32_t kAztecBold = 0x400;
inline constexpr std::int32_t kAztecItalic = 0x800;
inline constexpr std::int32_t kAztecUnderline = 0x1000;
inline constexpr std::int32_t kAztecStrikeout = 0x2000;
inline constexpr std::int32_t kAztecAlignUnit = 0x20000; // x 0 left, 1 centre, 2 right

// Orientation 2 of the job (a quarter turn counter-clockwise) is 3 here.
inline constexpr std::int32_t kAztecVertical270 = 3;
inline constexpr std::int32_t kAztecTransparent = -1; // the background colour field
inline constexpr std::int32_t kAztecConstant = 2;

// The record's fields. Lengths are the lengths of the texts as given; the
// record carries at most a field's worth of bytes of each.
struct AztecParameterBlock {
    std::int32_t messageLength = 0;
    std::string message;
    std::int32_t commentLength = 0;
    std::string comment;
    std::int32_t moduleSize = 0;      // 0.01 mm
    std::int32_t widthAdjust = 0;     // percent of a module, negative for a gain
    std::int32_t errorCorrection = 0; // as AztecEcPercent
    std::int32_t foreColor = 0;
    std::int32_t backColor = 0; // or kAztecTransparent
    std::string fontName;
    std::int32_t fontSize = 0;
    std::int32_t fontColor = 0;
    std::int32_t orientation = 0; // 0, 1 or 3
    std::int32_t flags = 0;
    bool operator==(const AztecParameterBlock&) const = default;
};

using AztecBlockBytes = std::array<std::uint8_t, kAztecBlockSize>;

// The record for a build of `message` with the job's settings.
[[nodiscard]] AztecParameterBlock aztecParameters(const Job& job, std::string_view message);

// The 8-bit record, and the fields read back from one.
[[nodiscard]] AztecBlockBytes serialiseAztecBlock(const AztecParameterBlock& block);
[[nodiscard]] AztecParameterBlock
parseAztecBlock(std::span<const std::uint8_t, kAztecBlockSize> bytes);

} // namespace vornik::twod
