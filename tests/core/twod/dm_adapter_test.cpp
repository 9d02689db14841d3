#include "core/twod/dm_adapter.h"
#include "core/twod/zint_matrix.h"

#include <gtest/gtest.h>
#include <string>

namespace vornik::twod {
namespace {

// Encodes `message` with ECC 200 at the size asked for; rows and columns
// receive the symbol's size.
int encode(ZintDataMatrix& library, const std::string& message, int& rows, int& columns,
           int eccLevel = 26) {
    const int askedRows = rows, askedColumns = columns;
    rows = columns = -1;
    return library.IDM_enc_complete(6, eccLevel, askedRows, askedColumns, 0, 1, message, rows,
                                    columns, static_cast<int>(message.size()));
}

TEST(DmAdapterTest, StatusCodes) {
    const struct {
        const char* name;
        int eccLevel, rows, columns;
        std::string message;
        int status;
    } cases[] = {
        {"Empty", 26, 0, 0, "", kDmTooShort},
        {"BeyondAnySymbolInput", 26, 0, 0, std::string(3117, '7'), kDmInputTooLong},
        {"BeyondLargestSymbol", 26, 0, 0, std::string(1600, '\xE9'), kDmTooLong},
        {"TooLongForRectangle", 26, 8, 18, "ABCDEFGHIJKLMNOP", kDmTooLongForSize},
        {"ByteAbove255", 26, 0, 0, "A~d256", kDmInvalidCharacters},
        {"ShortByteSequence", 26, 0, 0, "A~d12", kDmInvalidCharacters},
        {"NotASize", 26, 9, 9, "A", kDmNoSuchSize},
        {"LevelWithoutName", 5, 0, 0, "A", kDmEccNotAvailable},
    };
    for (const auto& row : cases) {
        ZintDataMatrix library;
        int rows = row.rows, columns = row.columns;
        EXPECT_EQ(encode(library, row.message, rows, columns, row.eccLevel), row.status)
            << row.name;
        EXPECT_EQ(rows * 1000 + columns, 0) << row.name << ": no symbol is left behind";
    }
}

// The cells are libzint's own, every rectangle has its size, and the
// automatic size is square (libzint's free choice is not).
TEST(DmAdapterTest, CellsMatchLibzint) {
    const int kSizes[][3] = {{0, 0, 0},    {8, 18, 25},  {8, 32, 26}, {12, 26, 27},
                             {12, 36, 28}, {16, 36, 29}, {16, 48, 30}};
    for (const auto& size : kSizes) {
        for (const std::string message : {"A1", "Vor", "0123456789"}) {
            SCOPED_TRACE(std::to_string(size[0]) + "x" + std::to_string(size[1]) + " " + message);
            auto reference = testing::zintSymbol(BARCODE_DATAMATRIX);
            reference->option_2 = size[2];
            reference->option_3 = size[2] == 0 ? DM_SQUARE : 0;
            ZintDataMatrix library;
            int rows = size[0], columns = size[1];
            ASSERT_EQ(encode(library, message, rows, columns), kDmSuccess);
            ModuleMatrix cells(rows, columns);
            for (int r = 1; r <= rows; ++r)
                for (int c = 1; c <= columns; ++c)
                    cells.set(r, c, library.get_dm_cell(r, c) == 1);
            EXPECT_EQ(library.get_dm_cell(rows + 1, 1) + library.get_dm_cell(1, columns + 1), 0);
            EXPECT_EQ(cells, testing::zintMatrix(*reference, message));
        }
    }
    ZintDataMatrix library;
    for (std::size_t length = 1; length <= 120; ++length) {
        int rows = 0, columns = 0;
        ASSERT_EQ(encode(library, std::string(length, 'A'), rows, columns), kDmSuccess);
        EXPECT_EQ(rows, columns) << length << " characters";
    }
}

TEST(DmAdapterTest, InitialisesAndPassesItsSelfTest) {
    ZintDataMatrix library;
    EXPECT_EQ(library.IDM_initialize(0), kDmSuccess);
    EXPECT_EQ(library.IDM_self_test(), kDmSuccess);
    EXPECT_NE(library.IDM_initialize(1), kDmSuccess);
}

} // namespace
} // namespace vornik::twod
