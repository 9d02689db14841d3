#include "core/twod/aztec_galois_field.h"
#include "core/twod/aztec_reed_solomon.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace vornik::twod {
namespace {

struct FieldRow {
    int wordSize;
    int polynomial; // the standard's primitive polynomial, x^m included
};

const FieldRow kFields[] = {{4, 0x13}, {6, 0x43}, {8, 0x12D}, {10, 0x409}, {12, 0x1069}};

// Carry-less multiplication reduced by the polynomial, bit by bit.
int slowMultiply(int a, int b, const FieldRow& field) {
    int product = 0;
    for (int bit = field.wordSize - 1; bit >= 0; --bit) {
        product <<= 1;
        if (product >> field.wordSize != 0)
            product ^= field.polynomial;
        if (((b >> bit) & 1) != 0)
            product ^= a;
    }
    return product;
}

TEST(AztecReedSolomon, FieldsArePrimitiveWithTheStandardsPolynomials) {
    for (const FieldRow& row : kFields) {
        const AztecGaloisField& field = aztecField(row.wordSize);
        ASSERT_EQ(field.size(), 1 << row.wordSize);
        std::set<int> powers;
        for (int power = 0; power < field.size() - 1; ++power)
            powers.insert(field.exp(power));
        EXPECT_EQ(static_cast<int>(powers.size()), field.size() - 1) << row.wordSize;
        EXPECT_EQ(field.exp(1), 2) << row.wordSize;
        for (int a = 1; a < field.size(); a += 7)
            for (int b = 1; b < field.size(); b += 13)
                ASSERT_EQ(field.multiply(a, b), slowMultiply(a, b, row)) << row.wordSize;
    }
}

// Data followed by its check words is a multiple of the generator: the
// polynomial vanishes at alpha^1 to alpha^count.
TEST(AztecReedSolomon, CodewordsVanishAtTheGeneratorRoots) {
    for (const FieldRow& row : kFields) {
        const AztecGaloisField& field = aztecField(row.wordSize);
        for (const int count : {1, 3, 5, 12}) {
            std::vector<int> word;
            for (int i = 0; i < 9; ++i)
                word.push_back((i * 37 + 11) % field.size());
            const std::vector<int> check = aztecCheckWords(word, count, row.wordSize);
            ASSERT_EQ(static_cast<int>(check.size()), count);
            word.insert(word.end(), check.begin(), check.end());
            for (int root = 1; root <= count; ++root) {
                int value = 0;
                for (const int c : word)
                    value = slowMultiply(value, field.exp(root), row) ^ c;
                EXPECT_EQ(value, 0)
                    << row.wordSize << " bits, " << count << " words, root " << root;
            }
        }
    }
}

} // namespace
} // namespace vornik::twod
