#include "core/twod/aztec_parameter_block.h"

#include "core/app/rounding.h"
#include "core/twod/matrix_drawing.h"

#include <algorithm>

namespace vornik::twod {

namespace {

void putInteger(AztecBlockBytes& bytes, std::size_t offset, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

std::int32_t getInteger(std::span<const std::uint8_t, kAztecBlockSize> bytes, std::size_t offset) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i)
        bits |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
    return static_cast<std::int32_t>(bits);
}

// A text field: the text from the left, blanks after it.
void putText(AztecBlockBytes& bytes, std::size_t offset, std::size_t field, std::string_view text) {
    const std::size_t n = std::min(field, text.size());
    std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), field, ' ');
    std::copy_n(text.begin(), n, bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

std::string getText(std::span<const std::uint8_t, kAztecBlockSize> bytes, std::size_t offset,
                    std::size_t length) {
    const auto* start = reinterpret_cast<const char*>(bytes.data() + offset);
    return {start, length};
}

std::int32_t clampedLength(std::int32_t length, std::size_t field) {
    return std::clamp(length, 0, static_cast<std::int32_t>(field));
}

std::int32_t flagsOf(const Job& job) {
    std::int32_t flags = job.CommentAbove ? 0 : kAztecCommentBelow;
    flags |= job.AztecMenuFlag != 0 ? kAztecMenuSymbol : 0;
    flags |= job.FontBold ? kAztecBold : 0;
    flags |= job.FontItalic ? kAztecItalic : 0;
    flags |= job.FontUnderline ? kAztecUnderline : 0;
    flags |= job.FontStrikeout ? kAztecStrikeout : 0;
    return flags + static_cast<std::int32_t>(job.CommentAlign) * kAztecAlignUnit;
}

std::int32_t orientationOf(Orientation orientation) {
    switch (orientation) {
    case Orientation::Horizontal:
        return 0;
    case Orientation::Vertical90:
        return 1;
    case Orientation::Vertical270:
        return kAztecVertical270;
    }
    return 0;
}

} // namespace

AztecParameterBlock aztecParameters(const Job& job, std::string_view message) {
    AztecParameterBlock block;
    block.messageLength =
        static_cast<std::int32_t>(std::min<std::size_t>(message.size(), INT32_MAX));
    block.message = std::string(message.substr(0, kAztecMessageField));
    block.commentLength =
        static_cast<std::int32_t>(std::min<std::size_t>(job.Comment.size(), INT32_MAX));
    block.comment = job.Comment.substr(0, kAztecCommentField);
    block.moduleSize = nearest(job.ModuleSize);
    block.widthAdjust = 5 * signedWidthStep(job.BarWidthAdjust);
    block.errorCorrection = job.AztecEcPercent;
    block.foreColor = static_cast<std::int32_t>(job.ForeColor);
    block.backColor =
        job.Transparent ? kAztecTransparent : static_cast<std::int32_t>(job.BackColor);
    // The face name ends at its NUL and leaves room for one in the field.
    block.fontName =
        job.FontName.substr(0, std::min(job.FontName.find('\0'), kAztecFontNameField - 1));
    block.fontSize = job.FontSize;
    block.fontColor = static_cast<std::int32_t>(job.FontColor);
    block.orientation = orientationOf(job.Orientation);
    block.flags = flagsOf(job);
    return block;
}

AztecBlockBytes serialiseAztecBlock(const AztecParameterBlock& block) {
    AztecBlockBytes bytes{};
    namespace at = aztec_offset;
    putInteger(bytes, at::kMessageLength, block.messageLength);
    putText(bytes, at::kMessage, kAztecMessageField, block.message);
    putInteger(bytes, at::kCommentLength, block.commentLength);
    putText(bytes, at::kComment, kAztecCommentField, block.comment);
    putInteger(bytes, at::kModuleSize, block.moduleSize);
    putInteger(bytes, at::kWidthAdjust, block.widthAdjust);
    putInteger(bytes, at::kErrorCorrection, block.errorCorrection);
    putInteger(bytes, at::kForeColor, block.foreColor);
    putInteger(bytes, at::kBackColor, block.backColor);
    putText(bytes, at::kFontName, kAztecFontNameField, block.fontName + '\0');
    putInteger(bytes, at::kFontSize, block.fontSize);
    putInteger(bytes, at::kFontColor, block.fontColor);
    putInteger(bytes, at::kOrientation, block.orientation);
    putInteger(bytes, at::kFlags, block.flags);
    putInteger(bytes, at::kConstant, kAztecConstant);
    return bytes;
}

AztecParameterBlock parseAztecBlock(std::span<const std::uint8_t, kAztecBlockSize> bytes) {
    AztecParameterBlock block;
    namespace at = aztec_offset;
    block.messageLength = getInteger(bytes, at::kMessageLength);
    block.message =
        getText(bytes, at::kMessage,
                static_cast<std::size_t>(clampedLength(block.messageLength, kAztecMessageField)));
    block.commentLength = getInteger(bytes, at::kCommentLength);
    block.comment =
        getText(bytes, at::kComment,
                static_cast<std::size_t>(clampedLength(block.commentLength, kAztecCommentField)));
    block.moduleSize = getInteger(bytes, at::kModuleSize);
    block.widthAdjust = getInteger(bytes, at::kWidthAdjust);
    block.errorCorrection = getInteger(bytes, at::kErrorCorrection);
    block.foreColor = getInteger(bytes, at::kForeColor);
    block.backColor = getInteger(bytes, at::kBackColor);
    const std::string face = getText(bytes, at::kFontName, kAztecFontNameField);
    block.fontName = face.substr(0, face.find('\0'));
    block.fontSize = getInteger(bytes, at::kFontSize);
    block.fontColor = getInteger(bytes, at::kFontColor);
    block.orientation = getInteger(bytes, at::kOrientation);
    block.flags = getInteger(bytes, at::kFlags);
    return block;
}

} // namespace vornik::twod
