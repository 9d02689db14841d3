#pragma once

// libzint's own symbols, as the reference our adapters' output is compared
// with.

#include "core/twod/module_matrix.h"

#include <cstring>
#include <memory>
#include <string>
#include <zint.h>

namespace vornik::twod::testing {

using ZintSymbol = std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)>;

// A fresh libzint symbol of `symbology`.
inline ZintSymbol zintSymbol(int symbology) {
    ZintSymbol symbol(ZBarcode_Create(), &ZBarcode_Delete);
    symbol->symbology = symbology;
    return symbol;
}

// Encodes `data`; an empty matrix when libzint refuses it.
inline ModuleMatrix zintMatrix(zint_symbol& symbol, const std::string& data) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
    if (ZBarcode_Encode(&symbol, bytes, static_cast<int>(data.size())) >= ZINT_ERROR)
        return {};
    ModuleMatrix matrix(symbol.rows, symbol.width);
    for (int r = 0; r < symbol.rows; ++r)
        for (int c = 0; c < symbol.width; ++c)
            matrix.set(r + 1, c + 1, ((symbol.encoded_data[r][c >> 3] >> (c & 7)) & 1) != 0);
    return matrix;
}

// One row of libzint's symbol as "1" (dark) and "0" (light) modules.
inline std::string zintRow(const zint_symbol& symbol, int row) {
    std::string modules;
    for (int c = 0; c < symbol.width; ++c)
        modules += ((symbol.encoded_data[row][c >> 3] >> (c & 7)) & 1) != 0 ? '1' : '0';
    return modules;
}

} // namespace vornik::twod::testing
