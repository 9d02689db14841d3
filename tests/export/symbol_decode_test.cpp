// What we draw must be read by a real reader: every symbol goes the whole way
// (job, encoder, renderer, placeable metafile file, reader, player, raster)
// and ZXing decodes the image.

#include "export/decode_support.h"

#include <gtest/gtest.h>
#include <string>

namespace vornik::exporting {
namespace {

using F = ZXing::BarcodeFormat;

// Code 39 with the check digit: HELLO-123 sums to 17+14+21+21+24+36+1+2+3 = 139,
// 139 mod 43 = 10, the character "A".
const DecodeCase kCases[] = {
    {"Code39", "[CODE39][MESSAGE='HELLO-123']", F::Code39, "HELLO-123"},
    {"Code39LowerCase", "[CODE39][MESSAGE='hello']", F::Code39, "HELLO"},
    {"Code39Check", "[CODE39][MESSAGE='HELLO-123'][CODE39CHECK=ON]", F::Code39, "HELLO-123A"},
    {"FullAscii", "[CODE39FULLASCII][MESSAGE='Mixed case: a+b=c!']", F::Code39,
     "Mixed case: a+b=c!"},
    {"FullAsciiControls", "[CODE39FULLASCII][MESSAGE='Tab',9,'Cr',13]", F::Code39, "Tab\tCr\r"},
    {"Code93", "[CODE93][MESSAGE='CODE-93']", F::Code93, "CODE-93"},
    {"Code93Extended", "[CODE93][MESSAGE='Full ASCII: {x}']", F::Code93, "Full ASCII: {x}"},
    {"Vertical90", "[CODE39][MESSAGE='VERT90'][VERTDOWN]", F::Code39, "VERT90"},
    {"Vertical270", "[CODE93][MESSAGE='VERT270'][VERTUP]", F::Code93, "VERT270"},
    {"Reduction", "[CODE39][MESSAGE='SLIM'][BARREDUCTION=25]", F::Code39, "SLIM"},
    {"Gain", "[CODE93][MESSAGE='WIDE'][BARREDUCTION=-25]", F::Code93, "WIDE"},
    {"QuietZonesAndBearers", "[CODE39][MESSAGE='FRAME'][QUIETZONES=ON][BEARERBARS=ON]", F::Code39,
     "FRAME"},
    {"BearersWithoutQuietZones", "[CODE39][MESSAGE='BARS'][BEARERBARS=ON]", F::Code39, "BARS"},
    {"TextAboveCommentBelow",
     "[CODE39][MESSAGE='ABOVE'][TEXTABOVE=ON][COMMENTABOVE=OFF][COMMENT=Below]", F::Code39,
     "ABOVE"},
    {"CommentCentred", "[CODE93][MESSAGE='MID'][COMMENT=Centre][COMMENTALIGNCENTER]", F::Code93,
     "MID"},
    {"CommentRight", "[CODE39][MESSAGE='RIGHT'][COMMENT=Right][COMMENTALIGNRIGHT]", F::Code39,
     "RIGHT"},
    {"NoText", "[CODE39][MESSAGE='PLAIN'][TEXT=OFF]", F::Code39, "PLAIN"},
    {"TenMilsRatio2", "[CODE39][MESSAGE='R20'][BARWIDTH=10][RATIO=2.0]", F::Code39, "R20"},
    {"TwentyMilsRatio3", "[CODE39][MESSAGE='R30'][BARWIDTH=20][RATIO=3.0]", F::Code39, "R30"},
    {"MetricSmall", "[METRIC][CODE93][MESSAGE='MM'][BARWIDTH=25]", F::Code93, "MM"},
    {"Coloured", "[CODE39][MESSAGE='NAVY'][FORECOLOR=NAVY][BACKCOLOR=YELLOW]", F::Code39, "NAVY"},
};

TEST(SymbolDecodeTest, ZxingReadsWhatWeDraw) {
    for (const DecodeCase& row : kCases) {
        for (const double dpi : {300.0, 600.0}) {
            SCOPED_TRACE(::testing::Message() << row.name << " at " << dpi << " dpi");
            EXPECT_EQ(buildAndDecode(row.commands, readerFor(row.format), dpi), row.expected);
        }
    }
}

} // namespace
} // namespace vornik::exporting
