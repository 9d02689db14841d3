// Interleaved 2 of 5 and Codabar go the whole way (job, encoder, renderer,
// temporary file, player, raster) and ZXing reads them back in each of the
// three orientations.

#include "export/decode_support.h"
#include "support/command_session.h"

#include <gtest/gtest.h>
#include <string>

namespace vornik::exporting {
namespace {

using Session = vornik::testing::CommandSession;
using F = ZXing::BarcodeFormat;

// ZXing drops the Codabar start and stop letters unless asked to keep them,
// and checks an ITF check digit (weights 3, 1 from the right) when asked to.
std::string decodeWith(const QImage& grey, F format, bool itfCheck) {
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(),
                                ZXing::ImageFormat::Lum, static_cast<int>(grey.bytesPerLine()));
    const auto hints = ZXing::DecodeHints()
                           .setFormats(format)
                           .setTryRotate(true)
                           .setReturnCodabarStartEnd(true)
                           .setValidateITFCheckSum(itfCheck);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    return result.isValid() ? result.text() : "(nothing read)";
}

struct DecodeCase {
    const char* name;
    const char* commands;
    F format;
    bool itfCheck;
    const char* expected;
};

// ZXing reads ITF of six digits or more only.
const DecodeCase kCases[] = {
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
    for (const DecodeCase& row : kCases) {
        for (const char* orientation : {"[HORIZONTAL]", "[VERTDOWN]", "[VERTUP]"}) {
            SCOPED_TRACE(::testing::Message() << row.name << " " << orientation);
            Session session;
            session.run("[PRINTWARNINGS=OFF][MESSAGEWARNINGS=OFF]");
            ASSERT_TRUE(session.run(std::string(row.commands) + orientation + "[BUILD/COPY]"));
            ASSERT_TRUE(session.state().SymbolBuilt);
            const QImage image = renderTemporaryFile(session.state().TempMetafilePath, 300.0);
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ(decodeWith(image, row.format, row.itfCheck), row.expected);
        }
    }
}

} // namespace
} // namespace vornik::exporting
