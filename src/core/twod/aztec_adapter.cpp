#include "core/twod/aztec_adapter.h"

#include "core/app/rounding.h"
#include "core/twod/matrix_drawing.h"

#include <array>
#include <memory>
#include <zint.h>

namespace vornik::twod {

namespace {

// The share of the symbol libzint's four levels give to error correction,
// in percent (ISO/IEC 24778 recommends 23 % plus three codewords).
constexpr std::array<int, 4> kLevelPercent = {10, 23, 36, 50};
static_assert(kLevelPercent.size() == 4);

constexpr int kCompactBase = 100;
constexpr int kFullRangeBase = 200;

using ZintSymbol = std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)>;

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

std::int32_t encode(const AztecParameterBlock& block, AztecSizing sizing, ModuleMatrix& matrix) {
    const ZintSymbol symbol(ZBarcode_Create(), &ZBarcode_Delete);
    symbol->symbology = BARCODE_AZTEC;
    symbol->input_mode = DATA_MODE | ((block.flags & kAztecMenuSymbol) != 0 ? READER_INIT : 0);
    symbol->option_1 = sizing.level == 0 ? -1 : sizing.level;
    symbol->option_2 = sizing.size;
    const auto* bytes = reinterpret_cast<const unsigned char*>(block.message.data());
    const int error = ZBarcode_Encode(symbol.get(), bytes, static_cast<int>(block.message.size()));
    if (error == ZINT_ERROR_TOO_LONG)
        return kAztecMessageLength;
    if (error >= ZINT_ERROR)
        return kAztecEncodeFailed;
    matrix = ModuleMatrix(symbol->rows, symbol->width);
    for (int r = 0; r < symbol->rows; ++r)
        for (int c = 0; c < symbol->width; ++c)
            matrix.set(r + 1, c + 1, ((symbol->encoded_data[r][c >> 3] >> (c & 7)) & 1) != 0);
    return kAztecSuccess;
}

} // namespace

std::optional<AztecSizing> aztecSizing(std::int32_t errorCorrection) {
    const std::int32_t e = errorCorrection;
    if (e == 0)
        return AztecSizing{};
    if (e >= 1 && e <= 99) {
        for (std::size_t level = 0; level < kLevelPercent.size(); ++level)
            if (e <= kLevelPercent[level])
                return AztecSizing{.level = static_cast<int>(level) + 1, .size = 0};
        return std::nullopt;
    }
    if (e >= kCompactBase + 1 && e <= kCompactBase + 4)
        return AztecSizing{.level = 0, .size = e - kCompactBase};
    if (e >= kFullRangeBase + 1 && e <= kFullRangeBase + 32)
        return AztecSizing{.level = 0, .size = 4 + e - kFullRangeBase};
    return std::nullopt;
}

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
    const std::optional<AztecSizing> sizing = aztecSizing(block.errorCorrection);
    if (!sizing) // a percentage above what any level gives, or no such value
        return block.errorCorrection > 0 && block.errorCorrection < 100 ? kAztecMessageLength
                                                                        : kAztecInvalidOptions;
    ModuleMatrix matrix;
    if (const std::int32_t result = encode(block, *sizing, matrix); result != kAztecSuccess)
        return result;

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
