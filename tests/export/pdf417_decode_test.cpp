// PDF417 symbols read back by ZXing through the whole path: job, encoder,
// layout, drawing, placeable metafile, player, raster, reader.

#include "export/decode_support.h"

#include <gtest/gtest.h>
#include <string>

namespace vornik::exporting {
namespace {

using vornik::testing::CommandSession;

// The bytes ZXing read from the session's last symbol.
std::string readBytes(CommandSession& session, double dpi) {
    const QImage symbol = renderTemporaryFile(session.state().TempMetafilePath, dpi);
    if (symbol.isNull())
        return "(no picture)";
    const ZXing::Result result =
        readImage(symbol, readerFor(ZXing::BarcodeFormat::PDF417), static_cast<int>(dpi / 4));
    if (!result.isValid())
        return "(nothing read)";
    return std::string(result.bytes().begin(), result.bytes().end());
}

// Built from the options with the message set on the job (NUL bytes
// included) and a layout rule, which only files set; then read.
std::string buildAndRead(const std::string& options, const std::string& message,
                         int layoutFlag = 0) {
    CommandSession session;
    session.run("[PRINTWARNINGS=OFF][MESSAGEWARNINGS=OFF][PDF417]");
    session.job().PdfLayoutFlag = layoutFlag;
    session.job().Message = message;
    if (!session.run(options + "[BUILD/COPY]") || !session.state().SymbolBuilt)
        return "(not built)";
    return readBytes(session, 300);
}

std::string allBytes(int from, int to) {
    std::string bytes;
    for (int c = from; c <= to; ++c)
        bytes += static_cast<char>(c);
    return bytes;
}

struct Case {
    std::string name;
    std::string message;
    std::string options;
    int layoutFlag = 0;
};

// Bytes of every value in a scrambled order, as binary data comes.
std::string scrambledBytes(int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i)
        bytes += static_cast<char>((i * 37 + 11) % 256);
    return bytes;
}

std::vector<Case> cases() {
    const std::string digits44 = "12345678901234567890123456789012345678901234";
    std::vector<Case> rows = {
        {"Upper", "HELLO WORLD", ""},
        {"Lower", "hello world", ""},
        {"Mixed", "a1b2 C3d4 e&f=g^h", ""},
        {"Punctuation", ";<>@[\\]_`~!\"|*()?{}", ""},
        {"ShiftsAndLatches", "aB cD, Ef;;; G(h) #i$ \"j\"", ""},
        {"ControlCharacters", "A\tB\r\nC" + allBytes(1, 8) + "D", ""},
        {"HighBytes", allBytes(128, 255), ""},
        {"LoneHighByteInText", "Plain text with " + allBytes(0xE9, 0xE9) + " inside it", ""},
        {"Digits13", "Item 1234567890123 end", ""},
        {"Digits14", "Item 12345678901234 end", ""},
        {"Digits44Plus", "N" + digits44 + "5678" + "n", ""},
        {"NumericRunsBridgedByCapitals", "12345678901234AB12345678901234", ""},
        {"NumericRunsBridgedByBytes", "12345678901234ab12345678901234", ""},
        {"AutoWithoutNumeric", "Item 12345678901234567890 end", "[PDFMODE=AUTOEB]"},
        {"TextMode", "Text Mode, only; 42!", "[PDFMODE=EXC]"},
        {"ByteMode", "Bytes" + allBytes(0, 31) + allBytes(200, 210), "[PDFMODE=BIN]"},
        {"ByteModeSixes", "123456abcdef", "[PDFMODE=BIN]"},
        {"NumericMode", digits44 + digits44 + "0", "[PDFMODE=NUM]"},
        {"LongBinaryAuto", scrambledBytes(700), ""},
        {"LongBinaryByteMode", scrambledBytes(1000), "[PDFMODE=BIN][PDFSECURITY=3]"},
        {"FixedRows", "Fixed rows layout", "[PDFMAXROWS=10]", 1},
        {"FixedColumns", "Fixed columns layout", "[PDFMAXCOLS=4]", 2},
        {"FlatSymbol", "A flat symbol of few rows", "[PDFASPECT=0.1]"},
        {"TallSymbol", "A tall symbol of one column", "[PDFASPECT=10]"},
        {"Vertical90", "Turned clockwise", "[VERTDOWN]"},
        {"Vertical270", "Turned counter-clockwise", "[VERTUP]"},
        {"Reduction", "Slimmer bars", "[BARREDUCTION=25]"},
        {"Gain", "Wider bars", "[BARREDUCTION=-15]"},
        {"QuietZonesAndComment", "With a comment", "[QUIETZONES=ON][COMMENT=Comment line]"},
        {"CommentBelow", "Comment below", "[COMMENTABOVE=OFF][COMMENT=Below]"},
        {"LargerModules", "Large", "[PDFMODULEWIDTH=20][PDFMODULEHEIGHT=60]"},
        // 1850 capitals are 925 text codewords; with the length descriptor and
        // two error correction codewords the symbol holds 928, 58 rows of 16.
        {"Largest", std::string(1850, 'Q'), "[PDFSECURITY=0][PDFMODE=EXC]"},
    };
    for (const std::string level : {"0", "1", "2", "3", "4", "5", "6", "7", "8"})
        rows.push_back({"Level" + level, "Security level " + level, "[PDFSECURITY=" + level + "]"});
    for (const std::string ratio : {"0.25", "1", "2", "5"})
        rows.push_back({"Aspect" + ratio, "Aspect ratio " + ratio, "[PDFASPECT=" + ratio + "]"});
    for (const std::string turn : {"[HORIZONTAL]", "[VERTDOWN]", "[VERTUP]"})
        rows.push_back({"Truncated" + turn, "Truncated", turn + "[TRUNCATEDPDF=ON]"});
    return rows;
}

TEST(Pdf417DecodeTest, ZxingReadsEveryModeLayoutAndOption) {
    for (const Case& row : cases()) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(buildAndRead(row.options, row.message, row.layoutFlag), row.message);
    }
}

// A message shown in the OEM set and encoded in ANSI: OEM 130 (0x82) is ANSI 233 (e acute).
TEST(Pdf417DecodeTest, CharacterSetConversion) {
    EXPECT_EQ(buildAndRead("[PDFSET=ANSI]", "caf\x82"), "caf\xE9");
    EXPECT_EQ(buildAndRead("[PDFSET=DISPLAYSET]", "caf\x82"), "caf\x82");
}

} // namespace
} // namespace vornik::exporting
