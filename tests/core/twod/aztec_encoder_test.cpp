#include "core/twod/aztec_encoder.h"
#include "core/twod/aztec_sample_messages.h"
#include "core/twod/zint_matrix.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace vornik::twod {
namespace {

using namespace std::string_literals;

// libzint makes the same symbol as ours for a layer count when both find
// the same shortest encoding: every check word fills the rest of the layers.
// These messages have one shortest encoding each.
const std::string kMessages[] = {
    "ABC",
    "Hello World",
    "123456789",
    "abc. def, ghi: X\r\n",
    "Aztec Code 2D!",
    "Bytes \x80\xFF\x80 and tabs\t\t",
};

TEST(AztecEncoder, SameModulesAsLibzintForEveryLayerCount) {
    for (const std::string& message : kMessages)
        for (int zintSize = 1; zintSize <= 36; ++zintSize) {
            const int errorCorrection = zintSize <= 4 ? 100 + zintSize : 200 + zintSize - 4;
            SCOPED_TRACE(message + " at " + std::to_string(errorCorrection));
            auto reference = testing::zintSymbol(BARCODE_AZTEC);
            reference->option_2 = zintSize;
            reference->input_mode = DATA_MODE;
            const ModuleMatrix expected = testing::zintMatrix(*reference, message);
            const auto ours = encodeAztec(message, errorCorrection, false);
            if (expected.rows() == 0) {
                ASSERT_TRUE(std::holds_alternative<AztecRefusal>(ours));
                EXPECT_EQ(std::get<AztecRefusal>(ours), AztecRefusal::NoRoom);
                continue;
            }
            ASSERT_TRUE(std::holds_alternative<AztecSymbol>(ours));
            EXPECT_TRUE(std::get<AztecSymbol>(ours).matrix == expected);
        }
}

// The data word count a compact symbol's mode message announces: its first
// eight bits run along the top of the ring round the finder.
int compactDataWords(const ModuleMatrix& m) {
    const int c = m.rows() / 2 + 1;
    int value = 0;
    for (int i = 0; i < 7; ++i)
        value = value * 2 + (m.dark(c - 5, c - 3 + i) ? 1 : 0);
    value = value * 2 + (m.dark(c - 3, c + 5) ? 1 : 0);
    return (value & 0x3F) + 1;
}

// Where libzint's encoding is not the shortest, ours is shorter.
TEST(AztecEncoder, NeverMoreDataWordsThanLibzint) {
    const std::string messages[] = {"Bytes \x01\x80\xFF and @~",
                                    "a\x80"
                                    "b\x81"
                                    "C\x82"
                                    "d",
                                    "12\xE9 34. 56"};
    for (const std::string& message : messages) {
        auto reference = testing::zintSymbol(BARCODE_AZTEC);
        reference->option_2 = 4;
        reference->input_mode = DATA_MODE;
        const ModuleMatrix expected = testing::zintMatrix(*reference, message);
        const auto ours = encodeAztec(message, 104, false);
        ASSERT_EQ(expected.rows(), 27) << message;
        ASSERT_TRUE(std::holds_alternative<AztecSymbol>(ours)) << message;
        EXPECT_LE(std::get<AztecSymbol>(ours).dataWords, compactDataWords(expected)) << message;
        EXPECT_EQ(std::get<AztecSymbol>(ours).dataWords,
                  compactDataWords(std::get<AztecSymbol>(ours).matrix))
            << message;
    }
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        const std::string message =
            testing::mixedAztecMessage(seed, 8 + static_cast<int>(seed % 40));
        auto reference = testing::zintSymbol(BARCODE_AZTEC);
        reference->option_2 = 4;
        reference->input_mode = DATA_MODE;
        const ModuleMatrix theirs = testing::zintMatrix(*reference, message);
        const auto ours = encodeAztec(message, 104, false);
        if (theirs.rows() == 0)
            continue; // more than four compact layers hold for libzint
        ASSERT_TRUE(std::holds_alternative<AztecSymbol>(ours)) << seed;
        EXPECT_LE(std::get<AztecSymbol>(ours).dataWords, compactDataWords(theirs)) << seed;
    }
}

TEST(AztecEncoder, MenuSymbolsAsLibzintMakesThem) {
    for (const int zintSize : {1, 5, 10, 26}) {
        const int errorCorrection = zintSize <= 4 ? 100 + zintSize : 200 + zintSize - 4;
        auto reference = testing::zintSymbol(BARCODE_AZTEC);
        reference->option_2 = zintSize;
        reference->input_mode = DATA_MODE;
        reference->output_options = READER_INIT;
        const ModuleMatrix expected = testing::zintMatrix(*reference, "MENU");
        const auto ours = encodeAztec("MENU", errorCorrection, true);
        ASSERT_TRUE(std::holds_alternative<AztecSymbol>(ours)) << zintSize;
        EXPECT_TRUE(std::get<AztecSymbol>(ours).matrix == expected) << zintSize;
    }
}

TEST(AztecEncoder, CheckWordsFillTheLayers) {
    const auto symbol = encodeAztec("Check words", 50, false);
    ASSERT_TRUE(std::holds_alternative<AztecSymbol>(symbol));
    const AztecSymbol& s = std::get<AztecSymbol>(symbol);
    EXPECT_EQ(s.dataWords + s.checkWords, aztecTotalWords(s.size));
    EXPECT_GE(s.checkWords * 100, 50 * aztecTotalWords(s.size));
    EXPECT_EQ(s.matrix.rows(), aztecSide(s.size));
}

TEST(AztecEncoder, EmptyMessageHasNoRoom) {
    const auto symbol = encodeAztec("", 0, false);
    ASSERT_TRUE(std::holds_alternative<AztecRefusal>(symbol));
    EXPECT_EQ(std::get<AztecRefusal>(symbol), AztecRefusal::NoRoom);
}

} // namespace
} // namespace vornik::twod
