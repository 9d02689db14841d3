// Aztec Code and Data Matrix symbols go the whole way (job, encoder, module
// drawing, temporary file, player, raster) and ZXing reads them back: every
// size and shape, binary data, tilde sequences, rotations, reduction and gain.

#include "export/decode_support.h"

#include <gtest/gtest.h>
#include <string>

namespace vornik::exporting {
namespace {

using namespace std::string_literals;
using F = ZXing::BarcodeFormat;

struct MatrixCase {
    const char* name;
    const char* commands;
    int dmShape;         // Data Matrix: 0 square, 1 to 6 the rectangles
    std::string message; // set on the job directly, NUL bytes included
    // As ZXing gives it, bytes above 127 as UTF-8 of Latin-1; "" the message itself.
    std::string expected = {};
};

// Aztec error correction by percentage, compact layers 1 to 4 (101-104) and
// full-range layers (201-232).
// clang-format off
const MatrixCase kCases[] = {
    {"AztecDefault", "[AZTEC]", 0, "Hello Aztec"},
    {"AztecPercent10", "[AZTEC][AZTECECP=10]", 0, "Ten percent"},
    {"AztecPercent23", "[AZTEC][AZTECECP=23]", 0, "Twenty-three"},
    {"AztecPercent36", "[AZTEC][AZTECECP=36]", 0, "Thirty-six"},
    {"AztecPercent50", "[AZTEC][AZTECECP=50]", 0, "Fifty"},
    {"AztecCompact1", "[AZTEC][AZTECECP=101]", 0, "123456"},
    {"AztecCompact2", "[AZTEC][AZTECECP=102]", 0, "Two layers"},
    {"AztecCompact3", "[AZTEC][AZTECECP=103]", 0, "Three compact layers"},
    {"AztecCompact4", "[AZTEC][AZTECECP=104]", 0, "Four compact layers here"},
    {"AztecFullRange1", "[AZTEC][AZTECECP=201]", 0, "Full 1"},
    {"AztecFullRange12", "[AZTEC][AZTECECP=212]", 0, "Full range, twelve layers"},
    {"AztecFullRange32", "[AZTEC][AZTECECP=232]", 0, std::string(200, 'x')},
    {"AztecVertical90", "[AZTEC][VERTDOWN]", 0, "Turned"},
    {"AztecVertical270", "[AZTEC][VERTUP][COMMENT=Below][COMMENTABOVE=OFF]", 0, "Turned"},
    {"AztecReduced", "[AZTEC][BARREDUCTION=25]", 0, "Reduced"},
    {"AztecGain", "[AZTEC][BARREDUCTION=-15]", 0, "Widened"},
    {"AztecMenuSymbol", "[AZTEC][AZTECMENU=ON][AZTECECP=101]", 0, "MENU"},
    {"AztecBinaryBytes", "[AZTEC]", 0, "A\0\xE9"s, "A\0\xC3\xA9"s},
    {"DmSquare", "[DATAMATRIX]", 0, "Hello"},
    {"DmRect8x18", "[DATAMATRIX]", 1, "AB12"},
    {"DmRect8x32", "[DATAMATRIX]", 2, "ABCDEF"},
    {"DmRect12x26", "[DATAMATRIX]", 3, "Vornik 12"},
    {"DmRect12x36", "[DATAMATRIX]", 4, "Vornik 12x36"},
    {"DmRect16x36", "[DATAMATRIX]", 5, "Vornik 16x36 text"},
    {"DmRect16x48", "[DATAMATRIX]", 6, "Vornik 16 by 48 rectangle"},
    {"DmBinaryNulAndHighBytes", "[DATAMATRIX]", 0, "A\0B\xE9\xFF"s, "A\0B\xC3\xA9\xC3\xBF"s},
    {"DmTildeStandard", "[DATAMATRIX][DMSTANDARD=ON]", 0, "a~b~~c~@"},
    {"DmTildeSequences", "[DATAMATRIX][DMSTANDARD=OFF]", 0, "a~~b~@c~d065~x", "a~b\0cA~x"s},
    {"DmVertical90", "[DATAMATRIX][VERTDOWN]", 0, "Turned"},
    {"DmVertical270", "[DATAMATRIX][VERTUP]", 3, "Turned"},
    {"DmReduced30", "[DATAMATRIX][BARREDUCTION=30]", 0, "Reduced modules"},
    {"DmGain20", "[DATAMATRIX][BARREDUCTION=-20]", 0, "Widened modules"},
    {"DmQuietAndComment", "[DATAMATRIX][QUIETZONES=ON][COMMENT=Batch 7][COMMENTABOVE=OFF]", 0, "Framed"},
};
// clang-format on

TEST(MatrixDecodeTest, ZxingReadsWhatWeDraw) {
    for (const MatrixCase& row : kCases) {
        SCOPED_TRACE(row.name);
        const auto prepare = [&row](Job& job) {
            job.Message = row.message;
            job.DmFormatOption = row.dmShape;
        };
        const F format =
            std::string(row.commands).starts_with("[AZTEC]") ? F::Aztec : F::DataMatrix;
        EXPECT_EQ(buildAndDecodeJob(row.commands, prepare, readerFor(format)),
                  row.expected.empty() ? row.message : row.expected);
    }
}

} // namespace
} // namespace vornik::exporting
