#pragma once

#include "core/linear/bar_pattern.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <zint.h>

namespace vornik::linear::reference {

// Row 0 of libzint's symbol for the data, "1" per bar module and "0" per
// space module; nothing when libzint refuses the data.
inline std::optional<std::string> zintModules(int symbology, const std::string& data,
                                              int option2 = 0) {
    const std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)> symbol(ZBarcode_Create(),
                                                                          &ZBarcode_Delete);
    symbol->symbology = symbology;
    symbol->option_2 = option2;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
    if (ZBarcode_Encode(symbol.get(), bytes, static_cast<int>(data.size())) >= ZINT_ERROR)
        return std::nullopt;
    std::string modules;
    for (int x = 0; x < symbol->width; ++x)
        modules += (symbol->encoded_data[0][x >> 3] >> (x & 7)) & 1 ? '1' : '0';
    return modules;
}

// A bar pattern as modules; the wide elements of two-width symbologies count
// wideModules.
inline std::string patternModules(std::string_view pattern, int wideModules) {
    std::string modules;
    for (const char c : pattern) {
        const bool wide = c == kWideBar || c == kWideSpace;
        const int count = wide ? wideModules : countedModules(c);
        modules.append(static_cast<std::size_t>(count), isBar(c) ? '1' : '0');
    }
    return modules;
}

} // namespace vornik::linear::reference
