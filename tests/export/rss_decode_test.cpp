// RSS-14 symbols go the whole way (job, library buffers, drawing, temporary
// file, player, raster) and ZXing reads them back. ZXing 1.4 reads RSS-14
// in any orientation and the stacked forms as pure images only; it reads
// neither RSS Limited nor composite components, whose modules are compared
// with libzint's in tests/core/twod/rss_builder_test.cpp instead.

#include "export/decode_support.h"

#include <gtest/gtest.h>
#include <string>

namespace vornik::exporting {
namespace {

struct RssCase {
    const char* name;
    const char* commands;
    bool pure; // read as a pure image: the symbol alone, upright
    const char* expected;
};

const RssCase kCases[] = {
    {"Rss14", "[RSS][MESSAGE='1234567890']", false, "00012345678905"},
    {"Rss14Vertical90", "[RSS][MESSAGE='1234567890'][VERTDOWN]", false, "00012345678905"},
    {"Rss14Vertical270", "[RSS][MESSAGE='1234567890'][VERTUP]", false, "00012345678905"},
    {"Rss14Reduced", "[RSS][MESSAGE='2001234567890'][BARREDUCTION=15]", false, "20012345678909"},
    {"Rss14Gain", "[RSS][MESSAGE='2001234567890'][BARREDUCTION=-10]", false, "20012345678909"},
    {"Rss14NoText", "[RSS][MESSAGE='1'][TEXT=OFF][QUIETZONES=ON]", false, "00000000000017"},
    {"Stacked", "[RSS14S][MESSAGE='1234567890']", true, "00012345678905"},
    {"StackedOmni", "[RSS14SO][MESSAGE='1234567890']", true, "00012345678905"},
};

TEST(RssDecodeTest, ZxingReadsWhatWeDraw) {
    for (const RssCase& row : kCases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(buildAndDecode(row.commands,
                                 readerFor(ZXing::BarcodeFormat::DataBar).setIsPure(row.pure)),
                  row.expected);
    }
}

} // namespace
} // namespace vornik::exporting
