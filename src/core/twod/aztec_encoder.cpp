#include "core/twod/aztec_encoder.h"

#include "core/twod/aztec_high_level.h"
#include "core/twod/aztec_matrix.h"
#include "core/twod/aztec_mode_message.h"
#include "core/twod/aztec_reed_solomon.h"

namespace vornik::twod {

namespace {

// The layers' bits: the bits no whole codeword fills first (light), then
// the data and check words, most significant bit first.
AztecBits layerBits(AztecSymbolSize size, const std::vector<int>& data,
                    const std::vector<int>& check) {
    const int wordSize = aztecWordSize(size.layers);
    AztecBits bits;
    bits.append(0, aztecLayerBits(size) % wordSize);
    for (const int word : data)
        bits.append(static_cast<std::uint32_t>(word), wordSize);
    for (const int word : check)
        bits.append(static_cast<std::uint32_t>(word), wordSize);
    return bits;
}

} // namespace

std::variant<AztecSymbol, AztecRefusal> encodeAztec(std::string_view message, int errorCorrection,
                                                    bool menu) {
    if (message.empty())
        return AztecRefusal::NoRoom;
    auto chosen = chooseAztecSize(aztecHighLevel(message), errorCorrection, menu);
    if (const auto* refusal = std::get_if<AztecRefusal>(&chosen))
        return *refusal;
    const AztecFit& fit = std::get<AztecFit>(chosen);
    const int dataWords = static_cast<int>(fit.dataWords.size());
    const int checkCount = aztecTotalWords(fit.size) - dataWords;
    const std::vector<int> check =
        aztecCheckWords(fit.dataWords, checkCount, aztecWordSize(fit.size.layers));
    return AztecSymbol{
        .size = fit.size,
        .dataWords = dataWords,
        .checkWords = checkCount,
        .matrix = aztecMatrix(fit.size, aztecModeMessage(fit.size, dataWords, menu),
                              layerBits(fit.size, fit.dataWords, check)),
    };
}

} // namespace vornik::twod
