// Data Matrix symbols go the whole way (job, encoder, module drawing,
// temporary file, player, raster) and ZXing reads them back: every shape,
// binary data, both tilde interpretations, rotations, reduction and gain.

#include "export/decode_support.h"

#include <gtest/gtest.h>
#include <string>

namespace vornik::exporting {
namespace {

using namespace std::string_literals;

struct DataMatrixCase {
    const char* name;
    const char* commands;
    int formatOption;     // Shape/Size: 0 square, 1 to 6 the rectangles
    std::string message;  // set on the job directly, NUL bytes included
    std::string expected; // as ZXing gives it: bytes above 127 as UTF-8 of Latin-1
};

const DataMatrixCase kCases[] = {
    {"Square", "", 0, "Hello", "Hello"},
    {"Rect8x18", "", 1, "AB12", "AB12"},
    {"Rect8x32", "", 2, "ABCDEF", "ABCDEF"},
    {"Rect12x26", "", 3, "Vornik 12", "Vornik 12"},
    {"Rect12x36", "", 4, "Vornik 12x36", "Vornik 12x36"},
    {"Rect16x36", "", 5, "Vornik 16x36 text", "Vornik 16x36 text"},
    {"Rect16x48", "", 6, "Vornik 16 by 48 rectangle", "Vornik 16 by 48 rectangle"},
    {"BinaryNulAndHighBytes", "", 0, "A\0B\xE9\xFF"s, "A\0B\xC3\xA9\xC3\xBF"s},
    {"TildeStandard", "[DMSTANDARD=ON]", 0, "a~b~~c~@", "a~b~~c~@"},
    {"TildeSequences", "[DMSTANDARD=OFF]", 0, "a~~b~@c~d065~x", "a~b\0cA~x"s},
    {"Vertical90", "[VERTDOWN]", 0, "Turned", "Turned"},
    {"Vertical270", "[VERTUP]", 3, "Turned", "Turned"},
    {"Reduced30", "[BARREDUCTION=30]", 0, "Reduced modules", "Reduced modules"},
    {"Gain20", "[BARREDUCTION=-20]", 0, "Widened modules", "Widened modules"},
    {"QuietAndComment", "[QUIETZONES=ON][COMMENT=Batch 7][COMMENTABOVE=OFF]", 0, "Framed",
     "Framed"},
};

TEST(DataMatrixDecodeTest, ZxingReadsWhatWeDraw) {
    for (const DataMatrixCase& row : kCases) {
        SCOPED_TRACE(row.name);
        const auto prepare = [&row](Job& job) {
            job.Message = row.message;
            job.DmFormatOption = row.formatOption;
        };
        EXPECT_EQ(buildAndDecodeJob("[DATAMATRIX]"s + row.commands, prepare,
                                    readerFor(ZXing::BarcodeFormat::DataMatrix)),
                  row.expected);
    }
}

} // namespace
} // namespace vornik::exporting
