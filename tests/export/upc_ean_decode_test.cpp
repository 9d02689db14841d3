// UPC and EAN symbols, with and without their add-ons, drawn the whole way
// (job, encoder, renderer, temporary metafile, player) and read by ZXing in
// each orientation.

#include "export/decode_support.h"

#include <gtest/gtest.h>
#include <string>

namespace vornik::exporting {
namespace {

using F = ZXing::BarcodeFormat;

// Check digits, weight 3 on the rightmost data digit: 03600029145 sums to 58,
// check 2; 400638133393 to 89, check 1; 9638507 to 86, check 4. UPC-E 123453
// reads as its UPC-E form 0 123453 with the check digit of 01230000045
// (5x3 + 4 + 3 + 2x3 + 1 = 29), 1. BookLand 0-306-40615-2 is 978030640615
// (sum 93, check 7) with the price 995 (9.95; the command takes digits only) as the
// add-on 50995.
const DecodeCase kCases[] = {
    {"UpcA", "[UPCA][MESSAGE='03600029145']", F::UPCA, "036000291452"},
    {"UpcAAddOn2", "[UPCA][MESSAGE='03600029145'][SUPPLEMENT=34]", F::UPCA, "036000291452 34"},
    {"UpcAAddOn5", "[UPCA][MESSAGE='03600029145'][SUPPLEMENT=52495]", F::UPCA,
     "036000291452 52495"},
    {"Ean13", "[EAN13][MESSAGE='400638133393']", F::EAN13, "4006381333931"},
    {"Ean13AddOn2", "[EAN13][MESSAGE='400638133393'][SUPPLEMENT=12]", F::EAN13, "4006381333931 12"},
    {"Ean13AddOn5", "[EAN13][MESSAGE='400638133393'][SUPPLEMENT=52495]", F::EAN13,
     "4006381333931 52495"},
    {"Ean8", "[EAN8][MESSAGE='9638507']", F::EAN8, "96385074"},
    {"Ean8AddOn2", "[EAN8][MESSAGE='9638507'][SUPPLEMENT=34]", F::EAN8, "96385074 34"},
    {"UpcE", "[UPCE][MESSAGE='123453']", F::UPCE, "01234531"},
    {"UpcEAddOn5", "[UPCE][MESSAGE='123453'][SUPPLEMENT=52495]", F::UPCE, "01234531 52495"},
    {"BookLandNoPrice", "[BOOKLAND][MESSAGE='0-306-40615-2']", F::EAN13, "9780306406157"},
    {"BookLand", "[BOOKLAND][MESSAGE='0-306-40615-2'][SUPPLEMENT=995]", F::EAN13,
     "9780306406157 50995"},
};

TEST(UpcEanDecodeTest, ZxingReadsWhatWeDrawInEveryOrientation) {
    for (const DecodeCase& row : kCases) {
        for (const char* orientation : {"", "[VERTDOWN]", "[VERTUP]"}) {
            SCOPED_TRACE(::testing::Message() << row.name << " " << orientation);
            EXPECT_EQ(buildAndDecode(
                          row.commands + std::string(orientation),
                          readerFor(row.format).setEanAddOnSymbol(ZXing::EanAddOnSymbol::Read)),
                      row.expected);
        }
    }
}

} // namespace
} // namespace vornik::exporting
