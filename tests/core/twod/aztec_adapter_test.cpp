#include "core/twod/aztec_adapter.h"
#include "core/twod/zint_matrix.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace vornik::twod {
namespace {

struct ResultCase {
    const char* name;
    void (*change)(AztecParameterBlock&);
    std::int32_t result;
};

const ResultCase kResults[] = {
    {"Default", [](AztecParameterBlock&) {}, kAztecSuccess},
    {"EmptyMessage", [](AztecParameterBlock& b) { b.messageLength = 0; }, kAztecMessageLength},
    {"MessageBeyondField", [](AztecParameterBlock& b) { b.messageLength = 3833; },
     kAztecMessageLength},
    {"TooMuchForOneCompactLayer",
     [](AztecParameterBlock& b) {
         b.message = std::string(40, 'Q');
         b.messageLength = 40;
         b.errorCorrection = 101;
     },
     kAztecMessageLength},
    {"PercentAboveAnyLevel", [](AztecParameterBlock& b) { b.errorCorrection = 51; },
     kAztecMessageLength},
    {"CommentOf100", [](AztecParameterBlock& b) { b.commentLength = 100; }, kAztecSuccess},
    {"CommentOf101", [](AztecParameterBlock& b) { b.commentLength = 101; }, kAztecCommentLength},
    {"ModuleSizeZero", [](AztecParameterBlock& b) { b.moduleSize = 0; }, kAztecInvalidModuleSize},
    {"PictureTooLarge", [](AztecParameterBlock& b) { b.moduleSize = 2000; },
     kAztecInvalidModuleSize},
    {"NoSuchErrorCorrection", [](AztecParameterBlock& b) { b.errorCorrection = 150; },
     kAztecInvalidOptions},
    {"Orientation2", [](AztecParameterBlock& b) { b.orientation = 2; }, kAztecInvalidOptions},
};

AztecParameterBlock sampleBlock() {
    Job job;
    job.Comment = std::string(100, 'c');
    AztecParameterBlock block = aztecParameters(job, "Hello");
    block.commentLength = 0;
    return block;
}

TEST(AztecAdapterTest, ResultCodes) {
    for (const ResultCase& row : kResults) {
        AztecParameterBlock block = sampleBlock();
        row.change(block);
        render::CurrentPicture picture;
        EXPECT_EQ(VKAZTEC(serialiseAztecBlock(block), picture), row.result) << row.name;
        EXPECT_EQ(picture.metafile != nullptr, row.result == kAztecSuccess) << row.name;
    }
}

TEST(AztecAdapterTest, PercentMapsToTheSmallestLevelGivingAsMuch) {
    const int expected[][3] = {{0, 0, 0},   {1, 1, 0},   {10, 1, 0},  {11, 2, 0}, {23, 2, 0},
                               {24, 3, 0},  {36, 3, 0},  {37, 4, 0},  {50, 4, 0}, {101, 0, 1},
                               {104, 0, 4}, {201, 0, 5}, {232, 0, 36}};
    for (const auto& row : expected) {
        const auto sizing = aztecSizing(row[0]);
        ASSERT_TRUE(sizing) << row[0];
        EXPECT_EQ(sizing->level * 100 + sizing->size, row[1] * 100 + row[2]) << row[0];
    }
    for (const int refused : {-1, 51, 99, 100, 105, 200, 233})
        EXPECT_FALSE(aztecSizing(refused)) << refused;
}

// The picture's extent is libzint's symbol in modules of 51 with a quiet
// zone of two modules at each side, turned where asked.
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
        ASSERT_EQ(VKAZTEC(serialiseAztecBlock(block), picture), kAztecSuccess) << row[0];
        EXPECT_EQ(picture.xExtent, 51 * (expected.columns() + 4)) << row[0];
        EXPECT_EQ(picture.yExtent, 51 * (expected.rows() + 4)) << row[0];
    }
}

} // namespace
} // namespace vornik::twod

namespace vornik::twod {
namespace {

// The drawing fields reach the picture: colours, transparency, the font's
// face, weight and turn, the comment's text, place and alignment.
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
    ASSERT_EQ(VKAZTEC(serialiseAztecBlock(block), picture), kAztecSuccess);
    bool barBrush = false;
    bool otherBrush = false;
    std::optional<render::LogFont> font;
    std::optional<render::op::TextOut> text;
    std::uint32_t textColor = 0;
    for (const render::MetaOp& op : picture.metafile->ops) {
        if (const auto* brush = std::get_if<render::op::CreateBrush>(&op))
            (brush->brush.color == 0x0000FF ? barBrush : otherBrush) |= brush->brush.color != 0;
        if (const auto* f = std::get_if<render::op::CreateFont>(&op); f && !font)
            font = f->font;
        if (const auto* t = std::get_if<render::op::TextOut>(&op))
            text = *t;
        if (const auto* c = std::get_if<render::op::SetTextColor>(&op))
            textColor = c->color;
    }
    EXPECT_TRUE(barBrush);
    EXPECT_FALSE(otherBrush) << "a transparent picture has no background brush";
    ASSERT_TRUE(font && text);
    EXPECT_EQ(font->faceName, "Courier");
    EXPECT_EQ(font->weight * 10 + font->italic, 7001);
    EXPECT_EQ(font->escapement, 2700);
    EXPECT_EQ(textColor, 0x00FF00u);
    // Turned a quarter turn clockwise, a comment below the symbol is at the
    // left edge, centred along the symbol: (Ch, -(W halved)).
    const int W = picture.yExtent;
    EXPECT_EQ(text->text, "Lot");
    EXPECT_EQ(text->x, 352);
    EXPECT_EQ(text->y, -(W / 2));
}

} // namespace
} // namespace vornik::twod
