// Our own Aztec Code symbols go the whole way (job, encoder, module drawing,
// temporary file, player, raster) and ZXing reads them back: every error
// correction percentage, every layer count, menu symbols, every byte value,
// the longest messages, and the texts libzint's four levels carry.

#include "core/twod/aztec_encoder.h"
#include "core/twod/aztec_sample_messages.h"
#include "core/twod/zint_matrix.h"
#include "export/decode_support.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace vornik::exporting {
namespace {

// The resolution at which a module of the default size (0.51 mm) is six
// whole pixels, as a printer draws it in whole dots. ZXing 1.4 fails to
// sample large symbols, libzint's as well as ours, at some pitches a
// fraction off a whole number of pixels (23 full-range layers at 6.03).
constexpr double kWholeModuleDpi = 2540.0 * 6 / 51;

// Whether the build made a symbol, and what ZXing reads from it.
struct Reading {
    bool built = false;
    ZXing::Result result;
};

// Builds the commands for `message` (set on the job directly, any bytes)
// and reads the picture.
Reading buildAndRead(const std::string& commands, const std::string& message) {
    vornik::testing::CommandSession session;
    session.run("[PRINTWARNINGS=OFF][MESSAGEWARNINGS=OFF]");
    if (!session.run(commands))
        return {};
    session.job().Message = message;
    if (!session.run("[BUILD/COPY]") || !session.state().SymbolBuilt)
        return {};
    const QImage symbol = renderTemporaryFile(session.state().TempMetafilePath, kWholeModuleDpi);
    if (symbol.isNull())
        return {};
    return {true, readImage(symbol, readerFor(ZXing::BarcodeFormat::Aztec), 75)};
}

std::string bytesOf(const Reading& reading) {
    if (!reading.built)
        return "(not built)";
    if (!reading.result.isValid())
        return "(nothing read)";
    return {reading.result.bytes().begin(), reading.result.bytes().end()};
}

std::string ecp(int value) {
    return "[AZTEC][AZTECECP=" + std::to_string(value) + "]";
}

TEST(AztecDecodeTest, EveryPercentage) {
    for (int percent = 1; percent <= 99; ++percent) {
        const std::string message = "Percent " + std::to_string(percent) + ": error correction.";
        EXPECT_EQ(bytesOf(buildAndRead(ecp(percent), message)), message) << percent;
    }
}

TEST(AztecDecodeTest, EveryLayerCount) {
    for (int layers = 1; layers <= 4; ++layers) {
        const std::string message = "Compact " + std::to_string(layers);
        EXPECT_EQ(bytesOf(buildAndRead(ecp(100 + layers), message)), message) << layers;
    }
    for (int layers = 1; layers <= 32; ++layers) {
        // Fuller symbols as the layers grow: text, digits and bytes.
        std::string message = "Full range " + std::to_string(layers) + " ";
        for (int i = 0; i < layers * layers; ++i)
            message += static_cast<char>(i % 3 == 0   ? '0' + i % 10
                                         : i % 3 == 1 ? 'a' + i % 26
                                                      : 0x80 + i % 128);
        EXPECT_EQ(bytesOf(buildAndRead(ecp(200 + layers), message)), message) << layers;
    }
}

// Messages that end in Upper, Lower or Mixed mode eleven bits short of a
// 12-bit word: ZXing 1.4 would read the fill as a byte run.
TEST(AztecDecodeTest, FillAfterTheLastCharacter) {
    const std::pair<const char*, int> rows[] = {
        {"AAAAA", 223}, {"aaaa", 232}, {"@@@@", 225}, {"Hello, Aztec! 123 \xE9", 230}};
    for (const auto& [message, value] : rows)
        EXPECT_EQ(bytesOf(buildAndRead(ecp(value), message)), message) << message;
}

// Messages of every kind of character at percentages across the range;
// those the largest symbol cannot hold at their percentage are refused.
TEST(AztecDecodeTest, MixedMessages) {
    int built = 0;
    for (std::uint32_t seed = 1; seed <= 120; ++seed) {
        const std::string message =
            twod::testing::mixedAztecMessage(seed, 5 + static_cast<int>(seed * 7 % 300));
        const int percent = 1 + static_cast<int>(seed * 37 % 99);
        const bool fits =
            std::holds_alternative<twod::AztecSymbol>(twod::encodeAztec(message, percent, false));
        built += fits ? 1 : 0;
        EXPECT_EQ(bytesOf(buildAndRead(ecp(percent), message)), fits ? message : "(not built)")
            << "seed " << seed << " at " << percent << " %";
    }
    EXPECT_GT(built, 100);
}

TEST(AztecDecodeTest, MenuSymbols) {
    const int sizes[] = {0, 23, 101, 201, 210, 222};
    for (const int value : sizes) {
        const Reading reading = buildAndRead("[AZTECMENU=ON]" + ecp(value), "Menu 42");
        EXPECT_EQ(bytesOf(reading), "Menu 42") << value;
        EXPECT_TRUE(reading.result.readerInit()) << value;
    }
    const Reading plain = buildAndRead("[AZTECMENU=OFF][AZTEC]", "Menu 42");
    EXPECT_EQ(bytesOf(plain), "Menu 42");
    EXPECT_FALSE(plain.result.readerInit());
}

TEST(AztecDecodeTest, EveryByteValue) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all += static_cast<char>(byte);
    for (const int value : {0, 50, 215}) {
        EXPECT_EQ(bytesOf(buildAndRead(ecp(value), all)), all) << value;
        // Each byte between letters, so that every mode meets it.
        std::string spread;
        for (int byte = 0; byte < 256; ++byte)
            spread += std::string(1, static_cast<char>(byte)) + (byte % 2 == 0 ? "x" : "Y");
        EXPECT_EQ(bytesOf(buildAndRead(ecp(value), spread)), spread) << value;
    }
}

TEST(AztecDecodeTest, LongestMessages) {
    const std::string rows[] = {std::string(3832, '7'), std::string(3067, 'K'),
                                std::string(1914, '\xE9')};
    for (const std::string& message : rows)
        EXPECT_EQ(bytesOf(buildAndRead("[AZTEC][AZTECECP=0]", message)), message) << message.size();
}

// A ModuleMatrix drawn as an image, four pixels a module.
QImage matrixImage(const twod::ModuleMatrix& matrix) {
    QImage image(matrix.columns() * 4, matrix.rows() * 4, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int r = 1; r <= matrix.rows(); ++r)
        for (int c = 1; c <= matrix.columns(); ++c)
            if (matrix.dark(r, c))
                for (int y = 0; y < 4; ++y)
                    for (int x = 0; x < 4; ++x)
                        image.setPixel((c - 1) * 4 + x, (r - 1) * 4 + y, qRgb(0, 0, 0));
    return image;
}

// libzint's four levels and the percentages they stand for read as the same text.
TEST(AztecDecodeTest, SameTextAsLibzintsLevels) {
    const std::string message = "Levels of libzint, 1 to 4: \xC4\xD6\xDC.";
    const int percent[] = {10, 23, 36, 50};
    for (int level = 1; level <= 4; ++level) {
        auto reference = twod::testing::zintSymbol(BARCODE_AZTEC);
        reference->option_1 = level;
        reference->input_mode = DATA_MODE;
        const ZXing::Result theirs =
            readImage(matrixImage(twod::testing::zintMatrix(*reference, message)),
                      readerFor(ZXing::BarcodeFormat::Aztec));
        const Reading ours = buildAndRead(ecp(percent[level - 1]), message);
        ASSERT_TRUE(theirs.isValid()) << level;
        EXPECT_EQ(bytesOf(ours), bytesOf({true, theirs})) << level;
        EXPECT_EQ(ours.result.text(), theirs.text()) << level;
    }
}

} // namespace
} // namespace vornik::exporting
