#include "core/twod/aztec_galois_field.h"
#include "core/twod/aztec_mode_message.h"

#include <gtest/gtest.h>
#include <vector>

namespace vornik::twod {
namespace {

struct ModeRow {
    const char* name;
    AztecSymbolSize size;
    int dataWords;
    bool menu;
    int value; // layers - 1 and data words - 1, with the menu bit
};

const ModeRow kRows[] = {
    {"CompactOne", {true, 1}, 5, false, (0 << 6) | 4},
    {"CompactFourFull", {true, 4}, 64, false, (3 << 6) | 63},
    {"CompactMenu", {true, 1}, 5, true, (0 << 6) | 0x20 | 4},
    {"FullOne", {false, 1}, 1, false, 0},
    {"FullThirtyTwo", {false, 32}, 1661, false, (31 << 11) | 1660},
    {"FullMenu", {false, 22}, 100, true, (21 << 11) | 0x400 | 99},
};

TEST(AztecModeMessage, FieldsThenCheckWords) {
    const AztecGaloisField& gf16 = aztecField(4);
    for (const ModeRow& row : kRows) {
        const AztecBits bits = aztecModeMessage(row.size, row.dataWords, row.menu);
        const int dataNibbles = row.size.compact ? 2 : 4;
        ASSERT_EQ(bits.size(), row.size.compact ? 28 : 40) << row.name;
        std::vector<int> nibbles;
        for (int i = 0; i < bits.size(); i += 4) {
            int nibble = 0;
            for (int k = 0; k < 4; ++k)
                nibble = (nibble << 1) | (bits.at(i + k) ? 1 : 0);
            nibbles.push_back(nibble);
        }
        int value = 0;
        for (int i = 0; i < dataNibbles; ++i)
            value = (value << 4) | nibbles[static_cast<std::size_t>(i)];
        EXPECT_EQ(value, row.value) << row.name;
        // The message with its check words vanishes at alpha^1 onwards.
        for (int root = 1; root < static_cast<int>(nibbles.size()) - dataNibbles + 1; ++root) {
            int syndrome = 0;
            for (const int n : nibbles)
                syndrome = gf16.multiply(syndrome, gf16.exp(root)) ^ n;
            EXPECT_EQ(syndrome, 0) << row.name << " root " << root;
        }
    }
}

} // namespace
} // namespace vornik::twod
