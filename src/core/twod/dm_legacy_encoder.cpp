#include "core/twod/dm_legacy_encoder.h"

#include "core/twod/dm_adapter.h"
#include "core/twod/dm_legacy_convolution.h"
#include "core/twod/dm_legacy_crc.h"
#include "core/twod/dm_legacy_formats.h"
#include "core/twod/dm_legacy_placement.h"
#include "core/twod/dm_legacy_randomise.h"
#include "core/twod/dm_legacy_sizes.h"

namespace vornik::twod {

namespace {

void appendPattern(LegacyBits& bits, std::string_view pattern) {
    for (const char c : pattern)
        bits.push_back(static_cast<std::uint8_t>(c - '0'));
}

// The seven bits that open every symbol and tell ECC 000 from the levels
// with a convolutional code. They are written as they stand, not randomised.
constexpr std::size_t kLevelMarkBits = 7;
constexpr std::string_view kEcc000Mark = "0111101";
constexpr std::string_view kCodedLevelMark = "0111010";
static_assert(kEcc000Mark.size() == kLevelMarkBits && kCodedLevelMark.size() == kLevelMarkBits);

std::string_view levelMark(LegacyLevel level) {
    return level == LegacyLevel::Ecc000 ? kEcc000Mark : kCodedLevelMark;
}

// The twelve bits that name a coded level (four bits, each sent three times),
// ahead of the coded data; ECC 000 has none.
std::string_view levelCode(LegacyLevel level) {
    switch (level) {
    case LegacyLevel::Ecc000:
        return "";
    case LegacyLevel::Ecc050:
        return "000000111000";
    case LegacyLevel::Ecc080:
        return "000111000111";
    case LegacyLevel::Ecc100:
        return "000111111111";
    case LegacyLevel::Ecc140:
        return "111000111111";
    }
    return "";
}

// The header (format number, CRC, length) and the packed characters.
LegacyBits payloadBits(LegacyFormat format, std::string_view message) {
    LegacyBits bits;
    appendHighBitFirst(bits, static_cast<std::uint64_t>(formatNumber(format)), 5);
    appendHighBitFirst(bits, legacyCrc(format, message), 16);
    appendLowBitFirst(bits, message.size(), 9);
    const LegacyBits characters = packCharacters(format, message);
    bits.insert(bits.end(), characters.begin(), characters.end());
    return bits;
}

// The side of the symbol for `bits` stream bits after the level mark, or 0
// when none holds them.
int sideFor(std::size_t bits, int requestedSize) {
    const std::size_t needed = bits + kLevelMarkBits;
    if (requestedSize != 0)
        return legacyDataModules(requestedSize) >= needed ? requestedSize : 0;
    for (int size = kLegacySmallestSize; size <= kLegacyLargestSize; size += 2)
        if (legacyDataModules(size) >= needed)
            return size;
    return 0;
}

// The finder (solid left column and bottom row) and the clock (alternating
// top row and right column, dark in the top right corner).
void drawBorder(ModuleMatrix& matrix) {
    const int size = matrix.rows();
    for (int i = 1; i <= size; ++i) {
        matrix.set(i, 1, true);
        matrix.set(size, i, true);
        matrix.set(1, i, i % 2 == 1);
        matrix.set(i, size, i % 2 == 1);
    }
}

ModuleMatrix placeStream(const LegacyBits& stream, int size) {
    ModuleMatrix matrix(size, size);
    drawBorder(matrix);
    const int side = size - 2;
    const std::vector<int> placement = legacyPlacement(side);
    for (int row = 0; row < side; ++row)
        for (int column = 0; column < side; ++column) {
            const auto bit = placement[static_cast<std::size_t>(row * side + column)];
            matrix.set(row + 2, column + 2, stream[static_cast<std::size_t>(bit)] != 0);
        }
    return matrix;
}

} // namespace

LegacySymbol encodeLegacyDataMatrix(LegacyLevel level, int dmFormat, std::string_view message,
                                    int size) {
    const std::optional<LegacyFormat> format = legacyFormatOf(dmFormat);
    if (!format)
        return {kDmNoSuchFormat, {}};
    if (message.empty())
        return {kDmTooShort, {}};
    if (!formatAccepts(*format, message))
        return {kDmInvalidCharacters, {}};
    if (message.size() > kLegacyLongestMessage)
        return {size == 0 ? kDmTooLong : kDmTooLongForSize, {}};

    LegacyBits stream;
    appendPattern(stream, levelCode(level));
    const LegacyBits coded = convolve(level, payloadBits(*format, message));
    stream.insert(stream.end(), coded.begin(), coded.end());
    const int side = sideFor(stream.size(), size);
    if (side == 0)
        return {size == 0 ? kDmTooLong : kDmTooLongForSize, {}};

    stream.resize(legacyDataModules(side) - kLevelMarkBits, 0);
    LegacyBits placed;
    appendPattern(placed, levelMark(level));
    const LegacyBits randomised = randomise(stream);
    placed.insert(placed.end(), randomised.begin(), randomised.end());
    return {kDmSuccess, placeStream(placed, side)};
}

} // namespace vornik::twod
