#include "core/twod/aztec_adapter.h"
#include "core/twod/zint_matrix.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace vornik::twod {
namespace {

AztecParameterBlock sampleBlock() {
    Job job;
    job.Comment = std::string(100, 'c');
    AztecParameterBlock block = aztecParameters(job, "Hello");
    block.commentLength = 0;
    return block;
}

int encode(const AztecParameterBlock& block, render::CurrentPicture& picture) {
    return VKAZTEC(serialiseAztecBlock(block), picture);
}

struct ResultCase {
    const char* name;
    std::int32_t errorCorrection, messageLength, commentLength, moduleSize, orientation, flags,
        result;
};

// "Hello" followed by blanks up to the message length.
const ResultCase kResults[] = {
    {"Default", 0, 5, 0, 51, 0, 0, kAztecSuccess},
    {"EmptyMessage", 0, 0, 0, 51, 0, 0, kAztecMessageLength},
    {"MessageBeyondField", 0, 3833, 0, 51, 0, 0, kAztecMessageLength},
    {"WholeFieldAtTenPercent", 10, 3832, 0, 51, 0, 0, kAztecSuccess},
    {"TooMuchForOneCompactLayer", 101, 40, 0, 51, 0, 0, kAztecMessageLength},
    {"Percent51", 51, 5, 0, 51, 0, 0, kAztecSuccess},
    {"Percent99", 99, 5, 0, 51, 0, 0, kAztecSuccess},
    {"Percent99WholeField", 99, 3832, 0, 51, 0, 0, kAztecMessageLength},
    {"MenuCompactOneLayer", 101, 5, 0, 51, 0, kAztecMenuSymbol, kAztecSuccess},
    {"MenuCompactTwoLayers", 102, 5, 0, 51, 0, kAztecMenuSymbol, kAztecEncodeFailed},
    {"MenuFullRange22", 222, 5, 0, 51, 0, kAztecMenuSymbol, kAztecSuccess},
    {"MenuFullRange23", 223, 5, 0, 51, 0, kAztecMenuSymbol, kAztecEncodeFailed},
    {"CommentOf100", 0, 5, 100, 51, 0, 0, kAztecSuccess},
    {"CommentOf101", 0, 5, 101, 51, 0, 0, kAztecCommentLength},
    {"ModuleSizeZero", 0, 5, 0, 0, 0, 0, kAztecInvalidModuleSize},
    {"PictureTooLarge", 0, 5, 0, 2000, 0, 0, kAztecInvalidModuleSize},
    {"LargestModuleSize", 0, 5, 0, INT32_MAX, 0, 0, kAztecInvalidModuleSize},
    {"LargestModuleSizeWithComment", 0, 5, 3, INT32_MAX, 0, 0, kAztecInvalidModuleSize},
    {"NoSuchErrorCorrection", 150, 5, 0, 51, 0, 0, kAztecInvalidOptions},
    {"NegativeErrorCorrection", -1, 5, 0, 51, 0, 0, kAztecInvalidOptions},
    {"Percent100", 100, 5, 0, 51, 0, 0, kAztecInvalidOptions},
    {"Compact5", 105, 5, 0, 51, 0, 0, kAztecInvalidOptions},
    {"FullRange33", 233, 5, 0, 51, 0, 0, kAztecInvalidOptions},
    {"Orientation2", 0, 5, 0, 51, 2, 0, kAztecInvalidOptions},
};

TEST(AztecAdapterTest, ResultCodes) {
    for (const ResultCase& row : kResults) {
        AztecParameterBlock block = sampleBlock();
        block.errorCorrection = row.errorCorrection;
        block.messageLength = row.messageLength;
        block.commentLength = row.commentLength;
        block.moduleSize = row.moduleSize;
        block.orientation = row.orientation;
        block.flags = row.flags;
        render::CurrentPicture picture;
        EXPECT_EQ(encode(block, picture), row.result) << row.name;
        EXPECT_EQ(picture.metafile != nullptr, row.result == kAztecSuccess) << row.name;
    }
}

// The picture is as large as libzint's symbol of the same size, in modules
// of 51 with a quiet zone of two modules at each side; the last row is a
// turned menu symbol of the automatic size.
TEST(AztecAdapterTest, SymbolSizeFollowsLibzint) {
    const int sizes[][3] = {{101, 1, 0}, {104, 4, 0}, {201, 5, 0}, {232, 36, 0}, {0, 0, 1}};
    for (const auto& row : sizes) {
        AztecParameterBlock block = sampleBlock();
        block.errorCorrection = row[0];
        block.flags = row[2] != 0 ? kAztecMenuSymbol : 0;
        block.orientation = row[2] != 0 ? 3 : 0;
        auto reference = testing::zintSymbol(BARCODE_AZTEC);
        reference->option_2 = row[1];
        reference->input_mode = row[2] != 0 ? READER_INIT : DATA_MODE;
        const ModuleMatrix expected = testing::zintMatrix(*reference, "Hello");
        render::CurrentPicture picture;
        ASSERT_EQ(encode(block, picture), kAztecSuccess) << row[0];
        EXPECT_EQ(picture.xExtent, 51 * (expected.columns() + 4)) << row[0];
        EXPECT_EQ(picture.yExtent, 51 * (expected.rows() + 4)) << row[0];
    }
}

// Colours, transparency, the font's face, weight and turn, the comment's
// text, place and alignment all reach the picture.
TEST(AztecAdapterTest, DrawsWithEveryDrawingField) {
    AztecParameterBlock block = sampleBlock();
    block.comment = "Lot";
    block.commentLength = 3;
    block.foreColor = 0x0000FF;
    block.backColor = kAztecTransparent;
    block.fontName = "Courier";
    block.fontColor = 0x00FF00;
    block.orientation = 1;
    block.flags = kAztecCommentBelow | kAztecBold | kAztecItalic | 1 * kAztecAlignUnit;
    render::CurrentPicture picture;
    ASSERT_EQ(encode(block, picture), kAztecSuccess);
    std::string brushes, font, text; // brushes other than black, the first font, the last text
    std::uint32_t textColor = 0;
    for (const render::MetaOp& op : picture.metafile->ops) {
        if (const auto* b = std::get_if<render::op::CreateBrush>(&op); b && b->brush.color != 0)
            brushes += std::to_string(b->brush.color) + ";";
        if (const auto* f = std::get_if<render::op::CreateFont>(&op); f && font.empty())
            font = f->font.faceName + " " + std::to_string(f->font.weight) +
                   (f->font.italic ? " italic " : " ") + std::to_string(f->font.escapement);
        if (const auto* c = std::get_if<render::op::SetTextColor>(&op))
            textColor = c->color;
        if (const auto* t = std::get_if<render::op::TextOut>(&op))
            text = t->text + " at " + std::to_string(t->x) + "," + std::to_string(t->y);
    }
    EXPECT_EQ(brushes, "255;") << "a transparent picture has no background brush";
    EXPECT_EQ(font, "Courier 700 italic 2700");
    EXPECT_EQ(textColor, 0x00FF00u);
    // Turned a quarter turn clockwise, a comment below the symbol is at the
    // left edge, centred along it.
    EXPECT_EQ(text, "Lot at 352," + std::to_string(-(picture.yExtent / 2)));
}

} // namespace
} // namespace vornik::twod
