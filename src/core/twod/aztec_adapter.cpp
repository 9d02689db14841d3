#include "core/twod/aztec_adapter.h"

#include "core/app/rounding.h"
#include "core/twod/aztec_encoder.h"
#include "core/twod/matrix_drawing.h"

#include <memory>

namespace vornik::twod {

namespace {

// The drawing settings the record carries, in the form the matrix drawing
// takes them; nullopt for an orientation or alignment outside their values.
std::optional<Job> drawingSettings(const AztecParameterBlock& block) {
    Job job;
    if (block.orientation == 0 || block.orientation == 1)
        job.Orientation = static_cast<Orientation>(block.orientation);
    else if (block.orientation == kAztecVertical270)
        job.Orientation = Orientation::Vertical270;
    else
        return std::nullopt;
    const std::int32_t align = block.flags / kAztecAlignUnit;
    if (align < 0 || align > 2)
        return std::nullopt;
    job.CommentAlign = static_cast<CommentAlignment>(align);
    job.CommentAbove = (block.flags & kAztecCommentBelow) == 0;
    job.FontBold = (block.flags & kAztecBold) != 0;
    job.FontItalic = (block.flags & kAztecItalic) != 0;
    job.FontUnderline = (block.flags & kAztecUnderline) != 0;
    job.FontStrikeout = (block.flags & kAztecStrikeout) != 0;
    job.Comment = block.comment;
    job.FontName = block.fontName;
    job.FontSize = block.fontSize;
    job.FontColor = static_cast<ColorRef>(block.fontColor);
    job.ForeColor = static_cast<ColorRef>(block.foreColor);
    job.Transparent = block.backColor == kAztecTransparent;
    job.BackColor = static_cast<ColorRef>(block.backColor);
    return job;
}

std::int32_t resultOf(AztecRefusal refusal) {
    switch (refusal) {
    case AztecRefusal::NoRoom:
        return kAztecMessageLength;
    case AztecRefusal::NoMenuMark:
        return kAztecEncodeFailed;
    case AztecRefusal::NoSuchSizeRule:
        return kAztecInvalidOptions;
    }
    return kAztecInvalidOptions;
}

} // namespace

std::int32_t VKAZTEC(std::span<const std::uint8_t, kAztecBlockSize> bytes,
                     render::CurrentPicture& picture) {
    const AztecParameterBlock block = parseAztecBlock(bytes);
    if (block.messageLength < 1 || block.messageLength > static_cast<int>(kAztecMessageField))
        return kAztecMessageLength;
    if (block.commentLength < 0 || block.commentLength > static_cast<int>(kAztecCommentField))
        return kAztecCommentLength;
    if (block.moduleSize <= 0)
        return kAztecInvalidModuleSize;
    const std::optional<Job> settings = drawingSettings(block);
    if (!settings || block.widthAdjust <= -100 || block.widthAdjust >= 100)
        return kAztecInvalidOptions;
    auto encoded =
        encodeAztec(block.message, block.errorCorrection, (block.flags & kAztecMenuSymbol) != 0);
    if (const auto* refusal = std::get_if<AztecRefusal>(&encoded))
        return resultOf(*refusal);
    const ModuleMatrix& matrix = std::get<AztecSymbol>(encoded).matrix;

    const int Ch = block.comment.empty() ? 0 : nearest(block.fontSize * 35.15);
    if (Ch < 0 || Ch > kLargestPictureSide)
        return kAztecInvalidOptions;
    const auto geometry = matrixGeometry(matrix, block.moduleSize, true, block.widthAdjust, Ch);
    if (!geometry)
        return kAztecInvalidModuleSize;
    const bool rotated = settings->Orientation != Orientation::Horizontal;
    picture = {.mappingMode = 8,
               .xExtent = rotated ? geometry->Hs : geometry->Ws,
               .yExtent = rotated ? geometry->Ws : geometry->Hs,
               .metafile = std::make_shared<const render::Metafile>(
                   drawMatrixSymbol(*settings, matrix, *geometry))};
    return kAztecSuccess;
}

} // namespace vornik::twod
