#pragma once

// Symbols drawn by libzint, as a reference for the two-width symbologies
// that no reader in the test set decodes.

#include "core/linear/bar_pattern.h"

#include <memory>
#include <string>
#include <zint.h>

namespace vornik::linear::testing {

// Row 0 of libzint's symbol for the data, "1" per bar module and "0" per
// space module; "refused" when libzint rejects the data.
inline std::string zintModules(int symbology, const std::string& data, int option2) {
    const std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)> symbol(ZBarcode_Create(),
                                                                          &ZBarcode_Delete);
    symbol->symbology = symbology;
    symbol->option_2 = option2;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
    if (ZBarcode_Encode(symbol.get(), bytes, static_cast<int>(data.size())) >= ZINT_ERROR)
        return "refused";
    std::string modules;
    for (int x = 0; x < symbol->width; ++x)
        modules += (symbol->encoded_data[0][x >> 3] >> (x & 7)) & 1 ? '1' : '0';
    return modules;
}

// A two-width pattern as modules: narrow elements one module, wide ones
// `wide` modules, as libzint draws the symbology.
inline std::string twoWidthModules(const std::string& pattern, int wide) {
    std::string modules;
    for (const char c : pattern) {
        const int count = c == kWideBar || c == kWideSpace ? wide : 1;
        modules.append(static_cast<std::size_t>(count), isBar(c) ? '1' : '0');
    }
    return modules;
}

} // namespace vornik::linear::testing
