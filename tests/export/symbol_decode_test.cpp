// What we draw must be read by a real reader: every symbol goes the whole way
// (job, encoder, renderer, placeable metafile file, reader, player, raster)
// and ZXing decodes the image.

#include "core/render/placeable_wmf.h"
#include "export/player.h"
#include "support/command_session.h"

#include <QPainter>
#include <ZXing/ReadBarcode.h>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace vornik::exporting {
namespace {

using Session = vornik::testing::CommandSession;

// The picture as the temporary file holds it, rendered at `dpi` onto a white
// page with a margin, so that symbols drawn without quiet zones still have
// light space around them.
QImage renderTemporaryFile(const std::string& path, double dpi) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    const auto read = render::readPlaceableWmf(bytes);
    if (!std::holds_alternative<render::PlaceablePicture>(read))
        return {};
    const auto& picture = std::get<render::PlaceablePicture>(read);
    const QImage symbol = renderToImage(picture.metafile, picture.xExtent, picture.yExtent, dpi);
    const int margin = static_cast<int>(dpi / 4); // a quarter inch
    QImage page(symbol.width() + 2 * margin, symbol.height() + 2 * margin, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.drawImage(margin, margin, symbol);
    painter.end();
    return page.convertToFormat(QImage::Format_Grayscale8);
}

std::string decode(const QImage& grey, ZXing::BarcodeFormat format) {
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(),
                                ZXing::ImageFormat::Lum, static_cast<int>(grey.bytesPerLine()));
    const auto hints =
        ZXing::DecodeHints().setFormats(format).setTryCode39ExtendedMode(true).setTryRotate(true);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    return result.isValid() ? result.text() : "(nothing read)";
}

struct DecodeCase {
    const char* name;
    const char* commands;
    ZXing::BarcodeFormat format;
    const char* expected;
};

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
            Session session;
            session.run("[PRINTWARNINGS=OFF][MESSAGEWARNINGS=OFF]");
            ASSERT_TRUE(session.run(std::string(row.commands) + "[BUILD/COPY]"));
            ASSERT_TRUE(session.state().SymbolBuilt);
            const QImage image = renderTemporaryFile(session.state().TempMetafilePath, dpi);
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ(decode(image, row.format), row.expected);
        }
    }
}

} // namespace
} // namespace vornik::exporting
