#include "core/twod/dm_adapter.h"
#include "core/twod/dm_legacy_encoder.h"
#include "core/twod/dm_options.h"
#include "dm_legacy_references.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <string_view>

namespace vornik::twod {
namespace {

struct ReferenceSymbol {
    std::string name;
    int eccLevel = 0;
    int dmFormat = 0;
    int size = 0;
    std::string message;
    std::vector<std::string> rows;
};

// The files name a level as the options do (0, 50, ... 140); the setting
// holds the value in the same place of kDmEccLevels.
int eccLevelNamed(const std::string& level) {
    constexpr std::array<std::string_view, kDmEccLevels.size()> kNames = {"0",   "50",  "80",
                                                                          "100", "140", "200"};
    const auto named = std::find(kNames.begin(), kNames.end(), level);
    return kDmEccLevels.at(static_cast<std::size_t>(named - kNames.begin()));
}

// The files number the formats by format number plus one; the DmFormat
// setting has Base 37 as 3 and Base 41 as 4.
int dmFormatNamed(const std::string& format) {
    const int number = std::stoi(format);
    return number == 3 ? 4 : number == 4 ? 3 : number;
}

std::string bytesOfHex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

std::vector<ReferenceSymbol> referenceSymbols() {
    const std::vector<std::string> lines = testing::referenceLines("dm_legacy_symbols.txt");
    std::vector<ReferenceSymbol> symbols;
    for (std::size_t i = 0; i < lines.size();) {
        const std::vector<std::string> head = testing::fields(lines[i], '|');
        ReferenceSymbol symbol{lines[i],
                               eccLevelNamed(head.at(0)),
                               dmFormatNamed(head.at(1)),
                               std::stoi(head.at(2)),
                               bytesOfHex(head.at(3)),
                               {}};
        symbol.rows.assign(lines.begin() + static_cast<std::ptrdiff_t>(i + 1),
                           lines.begin() + static_cast<std::ptrdiff_t>(i + 1 + symbol.size));
        i += 1 + static_cast<std::size_t>(symbol.size);
        symbols.push_back(symbol);
    }
    return symbols;
}

// Encodes through the library calls and reads the cells back as rows.
std::vector<std::string> encodeRows(const ReferenceSymbol& symbol, int askedSize, int& status) {
    ZintDataMatrix library;
    int rows = -1, columns = -1;
    status = library.IDM_enc_complete(symbol.dmFormat, symbol.eccLevel, askedSize, askedSize, 0, 1,
                                      symbol.message, rows, columns,
                                      static_cast<int>(symbol.message.size()));
    std::vector<std::string> cells;
    for (int r = 1; r <= rows; ++r) {
        std::string row;
        for (int c = 1; c <= columns; ++c)
            row += library.get_dm_cell(r, c) == 1 ? '1' : '0';
        cells.push_back(row);
    }
    return cells;
}

// Every recorded symbol (printed labels, the standard's example, another
// encoder's output) comes out module for module, in the smallest square
// unless the record was made at a larger size, which can be asked for.
TEST(DmLegacyEncoderTest, ReproducesEveryReferenceSymbol) {
    const std::vector<ReferenceSymbol> symbols = referenceSymbols();
    ASSERT_EQ(symbols.size(), 63U);
    for (const ReferenceSymbol& symbol : symbols) {
        SCOPED_TRACE(symbol.name);
        int status = -1;
        const std::vector<std::string> automatic = encodeRows(symbol, 0, status);
        ASSERT_EQ(status, kDmSuccess);
        if (automatic.size() == symbol.rows.size())
            EXPECT_EQ(automatic, symbol.rows);
        else
            EXPECT_LT(automatic.size(), symbol.rows.size()) << "the smallest square is smaller";
        EXPECT_EQ(encodeRows(symbol, symbol.size, status), symbol.rows);
        EXPECT_EQ(status, kDmSuccess);
    }
}

// Each kind of source is in the data: symbols sampled from printed labels,
// the standard's ECC 050 example and another encoder's output. No message is
// in two of them, so the check is that one encoder gives them all.
TEST(DmLegacyEncoderTest, SourcesOfEveryKindAreCovered) {
    int printed = 0, annex = 0, otherEncoder = 0;
    for (const ReferenceSymbol& symbol : referenceSymbols()) {
        printed += symbol.eccLevel == 0 && symbol.size >= 23 && symbol.size <= 41;
        annex += symbol.message == "AB12-X";
        otherEncoder += symbol.eccLevel != 0 || symbol.size == 11 || symbol.size == 49;
    }
    EXPECT_EQ(printed, 8);
    EXPECT_EQ(annex, 1);
    EXPECT_GE(otherEncoder, 30);
}

int statusOf(int dmFormat, int eccLevel, const std::string& message, int rows = 0,
             int columns = 0) {
    ZintDataMatrix library;
    int symbolRows = -1, symbolColumns = -1;
    const int status =
        library.IDM_enc_complete(dmFormat, eccLevel, rows, columns, 0, 1, message, symbolRows,
                                 symbolColumns, static_cast<int>(message.size()));
    if (status != kDmSuccess) {
        EXPECT_EQ(symbolRows * 1000 + symbolColumns, 0) << "no symbol is left behind";
    }
    return status;
}

TEST(DmLegacyEncoderTest, RefusesBadInputWithItsStatus) {
    const struct {
        const char* name;
        int dmFormat, eccLevel;
        std::string message;
        int rows, columns, status;
    } cases[] = {
        {"Empty", 6, 0, "", 0, 0, kDmTooShort},
        {"LetterInNumeric", 1, 0, "12A4", 0, 0, kDmInvalidCharacters},
        {"LowerCaseInBase27", 2, 3, "ABc", 0, 0, kDmInvalidCharacters},
        {"DigitInBase27", 2, 3, "AB1", 0, 0, kDmInvalidCharacters},
        {"PunctuationInBase37", 3, 6, "AB-1", 0, 0, kDmInvalidCharacters},
        {"SemicolonInBase41", 4, 8, "AB;1", 0, 0, kDmInvalidCharacters},
        {"NulInNumeric", 1, 0,
         std::string("12\0"
                     "3",
                     4),
         0, 0, kDmInvalidCharacters},
        {"EightBitInAscii", 5, 12, "A\xE9", 0, 0, kDmInvalidCharacters},
        {"FormatZero", 0, 0, "1", 0, 0, kDmNoSuchFormat},
        {"FormatSeven", 7, 0, "1", 0, 0, kDmNoSuchFormat},
        {"LevelWithoutName", 1, 5, "1", 0, 0, kDmEccNotAvailable},
        {"EvenSquare", 1, 0, "1", 10, 10, kDmNoSuchSize},
        {"SquareAbove49", 1, 0, "1", 51, 51, kDmNoSuchSize},
        {"TooLongForAskedSquare", 6, 0, std::string(20, 'x'), 13, 13, kDmTooLongForSize},
        {"NumericBeyondLengthField", 1, 0, std::string(512, '7'), 0, 0, kDmTooLong},
        {"NumericBeyondLargestAt140", 1, 12, std::string(145, '9'), 0, 0, kDmTooLong},
        {"Base27BeyondLargestAt000", 2, 0, std::string(453, 'Z'), 0, 0, kDmTooLong},
        {"Base37BeyondLargestAt050", 3, 3, std::string(306, '9'), 0, 0, kDmTooLong},
        {"Base41BeyondLargestAt080", 4, 6, std::string(257, '/'), 0, 0, kDmTooLong},
        {"AsciiBeyondLargestAt100", 5, 8, std::string(151, '~'), 0, 0, kDmTooLong},
        {"BinaryBeyondLargestAt140", 6, 12, std::string(64, '\0'), 0, 0, kDmTooLong},
    };
    for (const auto& row : cases)
        EXPECT_EQ(statusOf(row.dmFormat, row.eccLevel, row.message, row.rows, row.columns),
                  row.status)
            << row.name;
}

// The longest message of each format still fits a 49x49 symbol at ECC 000
// and one character more does not; the numbers follow from the bits per
// character and the nine-bit length field.
TEST(DmLegacyEncoderTest, LongestMessagesPerFormat) {
    const struct {
        int dmFormat;
        char character;
        std::size_t longest;
    } cases[] = {{1, '9', 511}, {2, 'Z', 452}, {3, '9', 413},
                 {4, '/', 394}, {5, '~', 310}, {6, '\0', 271}};
    for (const auto& row : cases) {
        SCOPED_TRACE(row.dmFormat);
        EXPECT_EQ(statusOf(row.dmFormat, 0, std::string(row.longest, row.character)), kDmSuccess);
        EXPECT_NE(statusOf(row.dmFormat, 0, std::string(row.longest + 1, row.character)),
                  kDmSuccess);
    }
}

// NUL bytes are data in the binary format: they are counted and change the
// symbol, and a rectangle asked for gives the smallest square.
TEST(DmLegacyEncoderTest, BinaryNulBytesAndRectangleRequests) {
    const LegacySymbol withNul =
        encodeLegacyDataMatrix(LegacyLevel::Ecc000, 6, std::string("A\0B", 3), 0);
    const LegacySymbol withoutNul = encodeLegacyDataMatrix(LegacyLevel::Ecc000, 6, "AB", 0);
    ASSERT_EQ(withNul.status, kDmSuccess);
    EXPECT_NE(withNul.matrix, withoutNul.matrix);

    ZintDataMatrix library;
    int rows = 0, columns = 0;
    ASSERT_EQ(library.IDM_enc_complete(6, 3, 8, 18, 0, 1, "AB", rows, columns, 2), kDmSuccess);
    EXPECT_EQ(rows, 13);
    EXPECT_EQ(columns, 13);
}

} // namespace
} // namespace vornik::twod
