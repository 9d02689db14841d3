#pragma once

#include "core/twod/aztec_bits.h"
#include "core/twod/aztec_symbol_size.h"
#include "core/twod/module_matrix.h"

namespace vornik::twod {

// The modules of a symbol: the bull's eye finder, the orientation marks and
// the mode message round it, the reference grid of a full-range symbol, and
// the data layers. `layerBits` fills the layers (aztecLayerBits of the size)
// from the outermost layer inwards, each layer anticlockwise from its top
// left corner in dominoes of two modules, the outer module first.
[[nodiscard]] ModuleMatrix aztecMatrix(AztecSymbolSize size, const AztecBits& modeMessage,
                                       const AztecBits& layerBits);

} // namespace vornik::twod
