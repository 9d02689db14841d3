#include "core/twod/dm_adapter.h"

#include "core/twod/dm_legacy_encoder.h"
#include "core/twod/dm_legacy_sizes.h"

#include <algorithm>
#include <array>
#include <memory>
#include <zint.h>

namespace vornik::twod {

namespace {

struct RectangularSize {
    int rows;
    int columns;
    int zintSize; // libzint's option_2 for this size
};

// The six rectangular ECC 200 sizes (ISO/IEC 16022, table 7) and libzint's
// numbers for them.
constexpr std::array<RectangularSize, 6> kRectangularSizes = {{
    {8, 18, 25},
    {8, 32, 26},
    {12, 26, 27},
    {12, 36, 28},
    {16, 36, 29},
    {16, 48, 30},
}};
static_assert(kRectangularSizes.size() == 6);

using ZintSymbol = std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)>;

// libzint's option_2 for a requested size: 0 for automatic, -1 for none.
int zintSizeFor(int rows, int columns) {
    if (rows == 0 && columns == 0)
        return 0;
    for (const RectangularSize& size : kRectangularSizes)
        if (size.rows == rows && size.columns == columns)
            return size.zintSize;
    return -1;
}

int statusOfZintError(int error, bool sizeRequested) {
    if (error == ZINT_ERROR_TOO_LONG)
        return sizeRequested ? kDmTooLongForSize : kDmTooLong;
    if (error == ZINT_ERROR_INVALID_DATA)
        return kDmInvalidCharacters;
    return kDmLibraryErrorBase + error;
}

ModuleMatrix matrixOf(const zint_symbol& symbol) {
    ModuleMatrix matrix(symbol.rows, symbol.width);
    for (int r = 0; r < symbol.rows; ++r)
        for (int c = 0; c < symbol.width; ++c)
            matrix.set(r + 1, c + 1, ((symbol.encoded_data[r][c >> 3] >> (c & 7)) & 1) != 0);
    return matrix;
}

// An ECC 200 symbol's finder and clock: a solid left column and bottom row,
// alternating top row and right column.
bool hasFinderPattern(const ModuleMatrix& m) {
    for (int i = 1; i <= m.rows(); ++i)
        if (!m.dark(i, 1) || m.dark(i, m.columns()) != (i % 2 == 0))
            return false;
    for (int i = 1; i <= m.columns(); ++i)
        if (!m.dark(m.rows(), i) || m.dark(1, i) != (i % 2 == 1))
            return false;
    return true;
}

// The side an ECC 000 to 140 symbol is asked to have: 0 for the smallest
// square (also for the ECC 200 rectangles, which these levels lack), -1 for
// a size that is neither.
int legacySizeFor(int rows, int columns) {
    if (rows == columns && isLegacySize(rows))
        return rows;
    return zintSizeFor(rows, columns) >= 0 ? 0 : -1;
}

} // namespace

TildeResult interpretTildes(std::string_view message) {
    TildeResult result;
    for (std::size_t i = 0; i < message.size(); ++i) {
        const char c = message[i];
        const char next = i + 1 < message.size() ? message[i + 1] : '\0';
        if (c != '~' || (next != '~' && next != '@' && next != 'd')) {
            result.bytes += c;
            continue;
        }
        if (next != 'd') {
            result.bytes += next == '~' ? '~' : '\0';
            ++i;
            continue;
        }
        const std::string_view digits = message.substr(i + 2, 3);
        int value = 0;
        for (const char digit : digits)
            value = digit >= '0' && digit <= '9' ? value * 10 + (digit - '0') : 1000;
        if (digits.size() < 3 || value > 255)
            return {.ok = false, .bytes = {}};
        result.bytes += static_cast<char>(value);
        i += 4;
    }
    return result;
}

int ZintDataMatrix::IDM_initialize(int reserved) {
    return reserved == 0 && ZBarcode_ValidID(BARCODE_DATAMATRIX) ? kDmSuccess : 1;
}

int ZintDataMatrix::IDM_self_test() {
    int rows = 0;
    int columns = 0;
    const int status = IDM_enc_complete(6, kDmEcc200, 0, 0, 0, 1, "123456", rows, columns, 6);
    if (status > 0 || rows != 10 || columns != 10 || !hasFinderPattern(symbol_))
        return kDmSelfTestFailed;
    return kDmSuccess;
}

int ZintDataMatrix::IDM_enc_complete(int format, int eccLevel, int rows, int columns,
                                     int /*constant0*/, int /*constant1*/, std::string_view message,
                                     int& symbolRows, int& symbolColumns, int length) {
    symbol_ = {};
    symbolRows = 0;
    symbolColumns = 0;
    const std::string_view text = message.substr(0, static_cast<std::size_t>(std::max(length, 0)));
    if (eccLevel != kDmEcc200)
        return encodeLegacy(format, eccLevel, rows, columns, text, symbolRows, symbolColumns);
    const int zintSize = zintSizeFor(rows, columns);
    if (zintSize < 0)
        return kDmNoSuchSize;
    if (text.size() > 5 * kDmLongestInput)
        return kDmInputTooLong;
    const TildeResult data = interpretTildes(text);
    if (!data.ok)
        return kDmInvalidCharacters;
    if (data.bytes.empty())
        return kDmTooShort;
    if (data.bytes.size() > kDmLongestInput)
        return kDmInputTooLong;

    const ZintSymbol symbol(ZBarcode_Create(), &ZBarcode_Delete);
    symbol->symbology = BARCODE_DATAMATRIX;
    symbol->input_mode = DATA_MODE;
    symbol->option_2 = zintSize;
    symbol->option_3 = zintSize == 0 ? DM_SQUARE : 0;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.bytes.data());
    const int error = ZBarcode_Encode(symbol.get(), bytes, static_cast<int>(data.bytes.size()));
    if (error >= ZINT_ERROR)
        return statusOfZintError(error, zintSize != 0);
    symbol_ = matrixOf(*symbol);
    symbolRows = symbol_.rows();
    symbolColumns = symbol_.columns();
    return kDmSuccess;
}

int ZintDataMatrix::encodeLegacy(int format, int eccLevel, int rows, int columns,
                                 std::string_view text, int& symbolRows, int& symbolColumns) {
    const std::optional<LegacyLevel> level = legacyLevelOf(eccLevel);
    if (!level)
        return kDmEccNotAvailable;
    const int size = legacySizeFor(rows, columns);
    if (size < 0)
        return kDmNoSuchSize;
    LegacySymbol symbol = encodeLegacyDataMatrix(*level, format, text, size);
    if (symbol.status != kDmSuccess)
        return symbol.status;
    symbol_ = std::move(symbol.matrix);
    symbolRows = symbol_.rows();
    symbolColumns = symbol_.columns();
    return kDmSuccess;
}

int ZintDataMatrix::get_dm_cell(int row, int column) const {
    return symbol_.dark(row, column) ? 1 : 0;
}

} // namespace vornik::twod
