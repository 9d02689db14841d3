// Interleaved 2 of 5 and Codabar go the whole way (job, encoder, renderer,
// temporary file, player, raster) and ZXing reads them back in each of the
// three orientations.

#include "export/decode_support.h"

#include <gtest/gtest.h>
#include <string>

namespace vornik::exporting {
namespace {

using F = ZXing::BarcodeFormat;

struct ItfCodabarCase {
    const char* name;
    const char* commands;
    F format;
    bool itfCheck; // ZXing checks the ITF check digit (weights 3, 1 from the right)
    const char* expected;
};

// ZXing reads ITF of six digits or more only.
const ItfCodabarCase kCases[] = {
    {"I2of5Even", "[I2OF5][MESSAGE='123456']", F::ITF, false, "123456"},
    {"I2of5OddPadded", "[I2OF5][MESSAGE='12345']", F::ITF, false, "012345"},
    // 3x1 + 2 + 3x3 + 4 + 3x5 + 6 + 3x7 = 60: check 0
    {"I2of5CheckOdd", "[I2OF5][MESSAGE='1234567'][I2OF5CHECK=ON]", F::ITF, true, "12345670"},
    // 0123456: 3x0 + 1 + 3x2 + 3 + 3x4 + 5 + 3x6 = 45: check 5
    {"I2of5CheckEvenPadded", "[I2OF5][MESSAGE='123456'][I2OF5CHECK=ON]", F::ITF, true, "01234565"},
    {"Codabar", "[CODABAR][MESSAGE='a40156b']", F::Codabar, false, "A40156B"},
    {"CodabarPunctuation", "[CODABAR][MESSAGE='C-$:/.+D']", F::Codabar, false, "C-$:/.+D"},
    // A 16 + 1 + 2 + 3 + 4 + 5 + 6 + B 17 = 54, 54 mod 16 = 6, 16 - 6 = 10 = "-"
    {"CodabarCheck", "[CODABAR][MESSAGE='A123456B'][CODE39CHECK=ON]", F::Codabar, false,
     "A123456-B"},
};

TEST(TwoOfFiveCodabarDecodeTest, ZxingReadsWhatWeDraw) {
    for (const ItfCodabarCase& row : kCases) {
        for (const char* orientation : {"[HORIZONTAL]", "[VERTDOWN]", "[VERTUP]"}) {
            SCOPED_TRACE(::testing::Message() << row.name << " " << orientation);
            EXPECT_EQ(buildAndDecode(row.commands + std::string(orientation),
                                     readerFor(row.format).setValidateITFCheckSum(row.itfCheck)),
                      row.expected);
        }
    }
}

} // namespace
} // namespace vornik::exporting
