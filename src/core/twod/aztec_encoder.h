#pragma once

#include "core/twod/aztec_size_choice.h"
#include "core/twod/module_matrix.h"

#include <string_view>
#include <variant>

namespace vornik::twod {

// A finished symbol and what went into it.
struct AztecSymbol {
    AztecSymbolSize size;
    int dataWords = 0;
    int checkWords = 0;
    ModuleMatrix matrix;
};

// Encodes `message` (bytes) as an Aztec Code symbol (ISO/IEC 24778): the
// shortest high-level encoding, a size by `errorCorrection` (the
// AztecEcPercent encoding: 0, 1 to 99, 101 to 104, 201 to 232), check words
// filling the rest of the layers, and a menu (reader initialisation) symbol
// when `menu` is set.
[[nodiscard]] std::variant<AztecSymbol, AztecRefusal> encodeAztec(std::string_view message,
                                                                  int errorCorrection, bool menu);

} // namespace vornik::twod
