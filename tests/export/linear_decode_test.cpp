// Linear symbols drawn the whole way (job, encoder, renderer, placeable
// metafile, player, raster) and read back by ZXing.

#include "export/decode_support.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace vornik::exporting {
namespace {

using F = ZXing::BarcodeFormat;

// How a row is drawn: upright at 300 and 600 dpi; in each orientation; under
// each option that moves or reshapes the bars, in each orientation; or upright
// and read as a pure image (ZXing reads the stacked RSS forms only so).
enum class Draw { Upright, EveryTurn, EveryOption, Pure };

struct LinearCase {
    const char* name;
    const char* commands;
    F format;
    const char* expected; // Code 128 prefixed by its identifier: ]C1 has FNC1 first
    Draw draw;
};

// Check digits, weight 3 on the rightmost data digit: UPC-A 03600029145 sums
// to 58, check 2; EAN-13 400638133393 to 89, check 1; EAN-8 9638507 to 86,
// check 4. UPC-E 123453 reads as 0 123453 with the check digit of 01230000045
// (29), 1. BookLand 0-306-40615-2 is 978030640615 (93, check 7); its price 995
// is the add-on 50995. Code 39 HELLO-123 sums to 139 = 10 mod 43, "A". ITF
// 1234567 sums to 60, check 0; 0123456 to 45, check 5. Codabar A123456B sums
// to 54; 16 - 54 mod 16 = 10 is "-". A GS1 FNC1 inside reads as 29.
// clang-format off
const LinearCase kCases[] = {
    {"Code39", "[CODE39][MESSAGE='HELLO-123']", F::Code39, "HELLO-123", Draw::Upright},
    {"Code39LowerCase", "[CODE39][MESSAGE='hello']", F::Code39, "HELLO", Draw::Upright},
    {"Code39Check", "[CODE39][MESSAGE='HELLO-123'][CODE39CHECK=ON]", F::Code39, "HELLO-123A", Draw::Upright},
    {"FullAscii", "[CODE39FULLASCII][MESSAGE='Mixed case: a+b=c!']", F::Code39, "Mixed case: a+b=c!", Draw::Upright},
    {"FullAsciiControls", "[CODE39FULLASCII][MESSAGE='Tab',9,'Cr',13]", F::Code39, "Tab\tCr\r", Draw::Upright},
    {"Code93", "[CODE93][MESSAGE='CODE-93']", F::Code93, "CODE-93", Draw::Upright},
    {"Code93Extended", "[CODE93][MESSAGE='Full ASCII: {x}']", F::Code93, "Full ASCII: {x}", Draw::Upright},
    {"Code39Down", "[CODE39][MESSAGE='VERT90'][VERTDOWN]", F::Code39, "VERT90", Draw::Upright},
    {"Code93Up", "[CODE93][MESSAGE='VERT270'][VERTUP]", F::Code93, "VERT270", Draw::Upright},
    {"Reduction", "[CODE39][MESSAGE='SLIM'][BARREDUCTION=25]", F::Code39, "SLIM", Draw::Upright},
    {"Gain", "[CODE93][MESSAGE='WIDE'][BARREDUCTION=-25]", F::Code93, "WIDE", Draw::Upright},
    {"QuietZonesAndBearers", "[CODE39][MESSAGE='FRAME'][QUIETZONES=ON][BEARERBARS=ON]", F::Code39, "FRAME", Draw::Upright},
    {"BearersOnly", "[CODE39][MESSAGE='BARS'][BEARERBARS=ON]", F::Code39, "BARS", Draw::Upright},
    {"TextAboveCommentBelow", "[CODE39][MESSAGE='ABOVE'][TEXTABOVE=ON][COMMENTABOVE=OFF][COMMENT=Below]", F::Code39, "ABOVE", Draw::Upright},
    {"CommentCentred", "[CODE93][MESSAGE='MID'][COMMENT=Centre][COMMENTALIGNCENTER]", F::Code93, "MID", Draw::Upright},
    {"CommentRight", "[CODE39][MESSAGE='RIGHT'][COMMENT=Right][COMMENTALIGNRIGHT]", F::Code39, "RIGHT", Draw::Upright},
    {"NoText", "[CODE39][MESSAGE='PLAIN'][TEXT=OFF]", F::Code39, "PLAIN", Draw::Upright},
    {"TenMilsRatio2", "[CODE39][MESSAGE='R20'][BARWIDTH=10][RATIO=2.0]", F::Code39, "R20", Draw::Upright},
    {"TwentyMilsRatio3", "[CODE39][MESSAGE='R30'][BARWIDTH=20][RATIO=3.0]", F::Code39, "R30", Draw::Upright},
    {"MetricSmall", "[METRIC][CODE93][MESSAGE='MM'][BARWIDTH=25]", F::Code93, "MM", Draw::Upright},
    {"Coloured", "[CODE39][MESSAGE='NAVY'][FORECOLOR=NAVY][BACKCOLOR=YELLOW]", F::Code39, "NAVY", Draw::Upright},
    {"Code128", "[CODE128][MESSAGE='Ab12345']", F::Code128, "]C0 Ab12345", Draw::EveryOption},
    {"EanUcc128", "[EAN/UCC128][MESSAGE='0101234567890128']", F::Code128, "]C1 0101234567890128", Draw::EveryOption},
    {"UpcA", "[UPCA][MESSAGE='03600029145']", F::UPCA, "036000291452", Draw::EveryOption},
    {"UpcE", "[UPCE][MESSAGE='123453']", F::UPCE, "01234531", Draw::EveryOption},
    {"Ean8", "[EAN8][MESSAGE='9638507']", F::EAN8, "96385074", Draw::EveryOption},
    {"Ean13", "[EAN13][MESSAGE='400638133393']", F::EAN13, "4006381333931", Draw::EveryOption},
    {"BookLand", "[BOOKLAND][MESSAGE='0-306-40615-2']", F::EAN13, "9780306406157", Draw::EveryOption},
    {"I2of5Even", "[I2OF5][MESSAGE='123456']", F::ITF, "123456", Draw::EveryOption},
    {"Codabar", "[CODABAR][MESSAGE='A123456B']", F::Codabar, "A123456B", Draw::EveryOption},
    {"UpcAAddOn2", "[UPCA][MESSAGE='03600029145'][SUPPLEMENT=34]", F::UPCA, "036000291452 34", Draw::EveryTurn},
    {"UpcAAddOn5", "[UPCA][MESSAGE='03600029145'][SUPPLEMENT=52495]", F::UPCA, "036000291452 52495", Draw::EveryTurn},
    {"Ean13AddOn2", "[EAN13][MESSAGE='400638133393'][SUPPLEMENT=12]", F::EAN13, "4006381333931 12", Draw::EveryTurn},
    {"Ean13AddOn5", "[EAN13][MESSAGE='400638133393'][SUPPLEMENT=52495]", F::EAN13, "4006381333931 52495", Draw::EveryTurn},
    {"Ean8AddOn2", "[EAN8][MESSAGE='9638507'][SUPPLEMENT=34]", F::EAN8, "96385074 34", Draw::EveryTurn},
    {"UpcEAddOn5", "[UPCE][MESSAGE='123453'][SUPPLEMENT=52495]", F::UPCE, "01234531 52495", Draw::EveryTurn},
    {"BookLandPrice", "[BOOKLAND][MESSAGE='0-306-40615-2'][SUPPLEMENT=995]", F::EAN13, "9780306406157 50995", Draw::EveryTurn},
    {"I2of5OddPadded", "[I2OF5][MESSAGE='12345']", F::ITF, "012345", Draw::EveryTurn},
    {"I2of5CheckOdd", "[I2OF5][MESSAGE='1234567'][I2OF5CHECK=ON]", F::ITF, "12345670", Draw::EveryTurn},
    {"I2of5CheckEvenPadded", "[I2OF5][MESSAGE='123456'][I2OF5CHECK=ON]", F::ITF, "01234565", Draw::EveryTurn},
    {"CodabarLower", "[CODABAR][MESSAGE='a40156b']", F::Codabar, "A40156B", Draw::EveryTurn},
    {"CodabarPunctuation", "[CODABAR][MESSAGE='C-$:/.+D']", F::Codabar, "C-$:/.+D", Draw::EveryTurn},
    {"CodabarCheck", "[CODABAR][MESSAGE='A123456B'][CODE39CHECK=ON]", F::Codabar, "A123456-B", Draw::EveryTurn},
    {"SetB", "[CODE128][MESSAGE='Code 128']", F::Code128, "]C0 Code 128", Draw::EveryTurn},
    {"EvenDigitsInC", "[CODE128][MESSAGE='1234']", F::Code128, "]C0 1234", Draw::EveryTurn},
    {"OddDigitsCThenB", "[CODE128][MESSAGE='123']", F::Code128, "]C0 123", Draw::EveryTurn},
    {"DigitsThenLetters", "[CODE128][MESSAGE='12345AB']", F::Code128, "]C0 12345AB", Draw::EveryTurn},
    {"OddRunAfterLetters", "[CODE128][MESSAGE='AB12345']", F::Code128, "]C0 AB12345", Draw::EveryTurn},
    {"ShiftToA", "[CODE128][MESSAGE='ab',9,'cd']", F::Code128, "]C0 ab\tcd", Draw::EveryTurn},
    {"ShiftToB", "[CODE128][MESSAGE=9,'x',9]", F::Code128, "]C0 \tx\t", Draw::EveryTurn},
    {"SwitchesBAC", "[CODE128][MESSAGE='Ab',9,13,'123456x']", F::Code128, "]C0 Ab\t\r123456x", Draw::EveryTurn},
    {"Controls", "[CODE128][MESSAGE='ESC',27,'SOH',1,'US',31]", F::Code128, "]C0 ESC\x1BSOH\x01US\x1F", Draw::EveryTurn},
    {"EanUcc", "[EAN/UCC128][MESSAGE='0001234560000000']", F::Code128, "]C1 0001234560000000", Draw::EveryTurn},
    {"EanUccCheckDigit", "[EAN/UCC128][MESSAGE='0001234560000000'][CODE39CHECK=ON]", F::Code128, "]C1 00012345600000005", Draw::EveryTurn},
    {"EanUccSeparator", "[EAN/UCC128][MESSAGE='10ABC',128,'3712']", F::Code128, "]C1 10ABC\x1D" "3712", Draw::EveryTurn},
    {"Rss14", "[RSS][MESSAGE='1234567890']", F::DataBar, "00012345678905", Draw::EveryTurn},
    {"Rss14Reduced", "[RSS][MESSAGE='2001234567890'][BARREDUCTION=15]", F::DataBar, "20012345678909", Draw::Upright},
    {"Rss14Gain", "[RSS][MESSAGE='2001234567890'][BARREDUCTION=-10]", F::DataBar, "20012345678909", Draw::Upright},
    {"Rss14NoText", "[RSS][MESSAGE='1'][TEXT=OFF][QUIETZONES=ON]", F::DataBar, "00000000000017", Draw::Upright},
    {"Rss14Stacked", "[RSS14S][MESSAGE='1234567890']", F::DataBar, "00012345678905", Draw::Pure},
    {"Rss14StackedOmni", "[RSS14SO][MESSAGE='1234567890']", F::DataBar, "00012345678905", Draw::Pure},
};
// clang-format on

// The commands added to a row's, and the resolution, of each drawing.
std::vector<std::pair<std::string, double>> drawings(Draw draw) {
    const std::vector<std::string> turns = {"[HORIZONTAL]", "[VERTDOWN]", "[VERTUP]"};
    std::vector<std::pair<std::string, double>> all;
    if (draw == Draw::Upright || draw == Draw::Pure)
        all = {{"", 300.0}};
    if (draw == Draw::Upright)
        all.emplace_back("", 600.0);
    for (const std::string options : {"", "[TEXT=OFF]", "[QUIETZONES=ON]", "[BARREDUCTION=15]",
                                      "[BARREDUCTION=-15]", "[TEXTABOVE=ON]"})
        for (const std::string& turn : turns)
            if (draw == Draw::EveryOption || (draw == Draw::EveryTurn && options.empty()))
                all.emplace_back(options + turn, 300.0);
    return all;
}

TEST(LinearDecodeTest, ZxingReadsEverySymbologyAndOption) {
    for (const LinearCase& row : kCases) {
        const bool itfCheck = std::string(row.commands).find("I2OF5CHECK=ON") != std::string::npos;
        const auto hints = readerFor(row.format)
                               .setEanAddOnSymbol(ZXing::EanAddOnSymbol::Read)
                               .setValidateITFCheckSum(itfCheck)
                               .setIsPure(row.draw == Draw::Pure);
        for (const auto& [more, dpi] : drawings(row.draw)) {
            SCOPED_TRACE(::testing::Message() << row.name << " " << more << " at " << dpi);
            std::string identifier;
            const std::string text = buildAndDecode(row.commands + more, hints, dpi, &identifier);
            EXPECT_EQ(row.format == F::Code128 ? identifier + " " + text : text, row.expected);
        }
    }
}

} // namespace
} // namespace vornik::exporting
