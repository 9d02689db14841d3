#include "core/twod/aztec_parameter_block.h"

#include <gtest/gtest.h>
#include <string>

namespace vornik::twod {
namespace {

std::int32_t integerAt(const AztecBlockBytes& bytes, std::size_t offset) {
    return static_cast<std::int32_t>(bytes[offset] | bytes[offset + 1] << 8 |
                                     bytes[offset + 2] << 16 |
                                     static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
}

std::string textAt(const AztecBlockBytes& bytes, std::size_t offset, std::size_t length) {
    return {reinterpret_cast<const char*>(bytes.data() + offset), length};
}

Job sampleJob() {
    Job job;
    job.Comment = "Lot 7";
    job.ModuleSize = 50.8f; // rounds to 51
    job.BarWidthAdjust = 3 | kBarWidthGainBit;
    job.AztecEcPercent = 104;
    job.ForeColor = 0x00102030;
    job.BackColor = 0x00FFEEDD;
    job.FontName = std::string("Arial\0", 6);
    job.FontSize = 12;
    job.FontColor = 0x00A0B0C0;
    job.Orientation = Orientation::Vertical270;
    job.CommentAbove = false;
    job.AztecMenuFlag = 1;
    job.FontBold = true;
    job.FontStrikeout = true;
    job.CommentAlign = CommentAlignment::Right;
    return job;
}

// The sample job's fields; rows with a change alter one field of it.
struct FieldCase {
    const char* name;
    std::size_t offset;
    std::int32_t value;
    void (*change)(Job&) = nullptr;
};

const FieldCase kFields[] = {
    {"MessageLength", 0, 5},
    {"CommentLength", 3836, 5},
    {"ModuleSize", 3940, 51},
    {"GainIsNegative", 3944, -15},
    {"CompactFourLayers", 3948, 104},
    {"ForeColor", 3956, 0x00102030},
    {"BackColor", 3960, 0x00FFEEDD},
    {"FontSize", 3996, 12},
    {"FontColor", 4000, 0x00A0B0C0},
    {"Vertical270SentAs3", 4004, 3},
    // below 0x4, menu 0x10, bold 0x400, strike-out 0x2000, right 2 x 0x20000
    {"Flags", 4008, 0x4 + 0x10 + 0x400 + 0x2000 + 0x40000},
    {"Constant", 4020, 2},
    {"TransparentIsMinusOne", 3960, -1, [](Job& j) { j.Transparent = true; }},
    {"Vertical90SentAs1", 4004, 1, [](Job& j) { j.Orientation = Orientation::Vertical90; }},
    {"FullRange32", 3948, 232, [](Job& j) { j.AztecEcPercent = 232; }},
    {"CommentOf101Counted", 3836, 101, [](Job& j) { j.Comment = std::string(101, 'c'); }},
};

TEST(AztecParameterBlockTest, FieldOffsets) {
    for (const FieldCase& row : kFields) {
        Job job = sampleJob();
        if (row.change)
            row.change(job);
        const AztecBlockBytes bytes = serialiseAztecBlock(aztecParameters(job, "Hello"));
        EXPECT_EQ(integerAt(bytes, row.offset), row.value) << row.name;
    }
    const AztecBlockBytes bytes = serialiseAztecBlock(aztecParameters(sampleJob(), "Hello"));
    static_assert(sizeof(bytes) == 4296);
    for (const std::size_t reserved : {3952, 4012, 4016, 4284, 4292})
        EXPECT_EQ(integerAt(bytes, reserved), 0) << reserved;
    EXPECT_EQ(textAt(bytes, 4, 7), "Hello  ");
    EXPECT_EQ(textAt(bytes, 3832, 4), "    ") << "the message field is blank to its end";
    EXPECT_EQ(textAt(bytes, 3840, 6) + textAt(bytes, 3939, 1), "Lot 7  ");
    EXPECT_EQ(textAt(bytes, 3964, 32), std::string("Arial\0", 6) + std::string(26, ' '));
    EXPECT_EQ(textAt(bytes, 4024, 260), std::string(260, '\0'));
}

TEST(AztecParameterBlockTest, LongTextsFillTheirFieldsOnly) {
    Job job = sampleJob();
    job.Comment = std::string(150, 'c');
    job.FontName = std::string(40, 'F');
    const std::string message(4000, 'm');
    const AztecParameterBlock block = aztecParameters(job, message);
    const AztecBlockBytes bytes = serialiseAztecBlock(block);
    EXPECT_EQ(integerAt(bytes, 0), 4000);
    EXPECT_EQ(textAt(bytes, 3832, 4), "mmmm");
    EXPECT_EQ(integerAt(bytes, 3836), 150);
    EXPECT_EQ(textAt(bytes, 3964, 32), std::string(31, 'F') + '\0');
    const AztecParameterBlock back = parseAztecBlock(bytes);
    EXPECT_EQ(back.message.size(), 3832u);
    EXPECT_EQ(back.comment.size(), 100u);
    EXPECT_EQ(back.fontName, std::string(31, 'F'));
}

} // namespace
} // namespace vornik::twod
