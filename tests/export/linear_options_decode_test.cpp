// Every linear symbology read back by ZXing under each drawing option that
// moves or reshapes its bars (no text, quiet zones, bar reduction and gain,
// text above) in each of the three orientations.

#include "export/decode_support.h"

#include <gtest/gtest.h>
#include <string>

namespace vornik::exporting {
namespace {

using F = ZXing::BarcodeFormat;

// Check digits, weight 3 on the rightmost data digit:
// UPC-A 03600029145: 3x(0+6+0+2+1+5) + (3+0+0+9+4) = 42 + 16 = 58, check 2.
// UPC-E 123453 is the UPC-A 01230000045: 3x(0+2+0+0+0+5) + (1+3+0+0+4) = 21 + 8
// = 29, check 1; ZXing reads the UPC-E form 0 123453 1.
// EAN-8 9638507: 3x(9+3+5+7) + (6+8+0) = 72 + 14 = 86, check 4.
// EAN-13 400638133393: 3x(0+6+8+3+3+3) + (4+0+3+1+3+9) = 69 + 20 = 89, check 1.
// BookLand 0-306-40615-2 becomes 978 030640615: 3x(7+0+0+4+6+5) + (9+8+3+6+0+1)
// = 66 + 27 = 93, check 7.
// EAN/UCC-128 reads as GS1: the leading FNC1 is not part of the text.
const DecodeCase kCases[] = {
    {"Code128", "[CODE128][MESSAGE='Ab12345']", F::Code128, "Ab12345"},
    {"EanUcc128", "[EAN/UCC128][MESSAGE='0101234567890128']", F::Code128, "0101234567890128"},
    {"UpcA", "[UPCA][MESSAGE='03600029145']", F::UPCA, "036000291452"},
    {"UpcE", "[UPCE][MESSAGE='123453']", F::UPCE, "01234531"},
    {"Ean8", "[EAN8][MESSAGE='9638507']", F::EAN8, "96385074"},
    {"Ean13", "[EAN13][MESSAGE='400638133393']", F::EAN13, "4006381333931"},
    {"BookLand", "[BOOKLAND][MESSAGE='0-306-40615-2']", F::EAN13, "9780306406157"},
    {"Interleaved2of5", "[I2OF5][MESSAGE='123456']", F::ITF, "123456"},
    {"Codabar", "[CODABAR][MESSAGE='A123456B']", F::Codabar, "A123456B"},
};

constexpr const char* kOptionSets[] = {"",
                                       "[TEXT=OFF]",
                                       "[QUIETZONES=ON]",
                                       "[BARREDUCTION=15]",
                                       "[BARREDUCTION=-15]",
                                       "[TEXTABOVE=ON]"};
constexpr const char* kOrientations[] = {"", "[VERTDOWN]", "[VERTUP]"};

TEST(LinearOptionsDecodeTest, ZxingReadsEverySymbologyUnderEveryOption) {
    for (const DecodeCase& row : kCases) {
        for (const char* options : kOptionSets) {
            for (const char* orientation : kOrientations) {
                SCOPED_TRACE(::testing::Message() << row.name << " " << options << orientation);
                EXPECT_EQ(buildAndDecode(row.commands + std::string(options) + orientation,
                                         readerFor(row.format)),
                          row.expected);
            }
        }
    }
}

} // namespace
} // namespace vornik::exporting
