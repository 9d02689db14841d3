#include "core/twod/dm_adapter.h"
#include "core/twod/zint_matrix.h"

#include <gtest/gtest.h>
#include <string>

namespace vornik::twod {
namespace {

using namespace std::string_literals;

struct StatusCase {
    const char* name;
    int eccLevel;
    int rows;
    int columns;
    std::string message;
    int status;
};

const StatusCase kStatusCases[] = {
    {"Square", 26, 0, 0, "Hello", kDmSuccess},
    {"Rectangle", 26, 12, 26, "Hello", kDmSuccess},
    {"Empty", 26, 0, 0, "", kDmTooShort},
    {"BeyondAnySymbolInput", 26, 0, 0, std::string(3117, '7'), kDmInputTooLong},
    {"BeyondLargestSymbol", 26, 0, 0, std::string(1600, '\xE9'), kDmTooLong},
    {"TooLongForRectangle", 26, 8, 18, "ABCDEFGHIJKLMNOP", kDmTooLongForSize},
    {"ByteAbove255", 26, 0, 0, "A~d256", kDmInvalidCharacters},
    {"ShortByteSequence", 26, 0, 0, "A~d12", kDmInvalidCharacters},
    {"NotASize", 26, 9, 9, "A", kDmNoSuchSize},
    {"Ecc140", 12, 0, 0, "A", kDmEccNotAvailable},
    {"Ecc000", 0, 0, 0, "A", kDmEccNotAvailable},
};

TEST(DmAdapterTest, StatusCodes) {
    for (const StatusCase& row : kStatusCases) {
        SCOPED_TRACE(row.name);
        ZintDataMatrix library;
        int rows = -1;
        int columns = -1;
        EXPECT_EQ(library.IDM_enc_complete(6, row.eccLevel, row.rows, row.columns, 0, 1,
                                           row.message, rows, columns,
                                           static_cast<int>(row.message.size())),
                  row.status);
        if (row.status != kDmSuccess) {
            EXPECT_EQ(rows * 1000 + columns, 0) << "no symbol is left behind";
        }
    }
}

// The cells are libzint's own, and every rectangle has its size.
TEST(DmAdapterTest, CellsMatchLibzint) {
    const struct {
        int rows, columns, zintSize;
    } kSizes[] = {{0, 0, 0},    {8, 18, 25},  {8, 32, 26}, {12, 26, 27},
                  {12, 36, 28}, {16, 36, 29}, {16, 48, 30}};
    for (const auto& size : kSizes) {
        for (const std::string message : {"A1", "Vor", "0123456789"}) {
            SCOPED_TRACE(std::to_string(size.rows) + "x" + std::to_string(size.columns) + " " +
                         message);
            auto reference = testing::zintSymbol(BARCODE_DATAMATRIX);
            reference->option_2 = size.zintSize;
            reference->option_3 = size.zintSize == 0 ? DM_SQUARE : 0;
            const ModuleMatrix expected = testing::zintMatrix(*reference, message);
            ZintDataMatrix library;
            int rows = 0;
            int columns = 0;
            ASSERT_EQ(library.IDM_enc_complete(6, 26, size.rows, size.columns, 0, 1, message, rows,
                                               columns, static_cast<int>(message.size())),
                      kDmSuccess);
            if (size.rows != 0) {
                EXPECT_EQ(rows * 100 + columns, size.rows * 100 + size.columns);
            }
            ModuleMatrix cells(rows, columns);
            for (int r = 1; r <= rows; ++r)
                for (int c = 1; c <= columns; ++c)
                    cells.set(r, c, library.get_dm_cell(r, c) == 1);
            EXPECT_EQ(library.get_dm_cell(rows + 1, 1) + library.get_dm_cell(1, columns + 1), 0);
            EXPECT_EQ(cells, expected);
        }
    }
}

// libzint's free choice would take a rectangle for some of these lengths.
TEST(DmAdapterTest, AutomaticSizeIsAlwaysSquare) {
    ZintDataMatrix library;
    for (std::size_t length = 1; length <= 120; ++length) {
        const std::string message(length, 'A');
        int rows = 0;
        int columns = 0;
        ASSERT_EQ(library.IDM_enc_complete(6, 26, 0, 0, 0, 1, message, rows, columns,
                                           static_cast<int>(length)),
                  kDmSuccess);
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
