#include "core/twod/aztec_size_choice.h"

#include "core/twod/aztec_message_words.h"

#include <algorithm>
#include <optional>

namespace vornik::twod {

namespace {

constexpr int kCompactBase = 100;
constexpr int kFullRangeBase = 200;
constexpr int kDefaultPercent = 23;

// The size a layer count value names, or nullopt for a percentage or default.
std::optional<AztecSymbolSize> namedSize(int errorCorrection) {
    const int compactLayers = errorCorrection - kCompactBase;
    if (compactLayers >= 1 && compactLayers <= kAztecCompactLayers)
        return AztecSymbolSize{true, compactLayers};
    const int fullLayers = errorCorrection - kFullRangeBase;
    if (fullLayers >= 1 && fullLayers <= kAztecFullLayers)
        return AztecSymbolSize{false, fullLayers};
    return std::nullopt;
}

// The data words when the message fits `size` with the check words asked.
std::optional<std::vector<int>> fit(const AztecEncodedText& text, AztecSymbolSize size,
                                    int errorCorrection) {
    const int wordSize = aztecWordSize(size.layers);
    const int total = aztecTotalWords(size);
    const int room =
        std::min(aztecMaxDataWords(size), total - aztecRequiredCheckWords(errorCorrection, total));
    // Stuffing only adds words: a message that needs more unstuffed cannot fit.
    if ((text.bits.size() + wordSize - 1) / wordSize > room)
        return std::nullopt;
    std::vector<int> words = aztecMessageWords(text, wordSize);
    const int data = static_cast<int>(words.size());
    if (data < 1 || data > room)
        return std::nullopt;
    return words;
}

} // namespace

int aztecRequiredCheckWords(int errorCorrection, int totalWords) {
    if (errorCorrection == 0)
        return (kDefaultPercent * totalWords + 99) / 100 + 3;
    if (errorCorrection >= 1 && errorCorrection <= 99)
        return std::max(kAztecLeastCheckWords, (errorCorrection * totalWords + 99) / 100);
    return kAztecLeastCheckWords;
}

std::variant<AztecFit, AztecRefusal> chooseAztecSize(const AztecEncodedText& text,
                                                     int errorCorrection, bool menu) {
    if (const std::optional<AztecSymbolSize> size = namedSize(errorCorrection)) {
        if (menu && !aztecCarriesMenuMark(*size))
            return AztecRefusal::NoMenuMark;
        auto words = fit(text, *size, errorCorrection);
        if (!words)
            return AztecRefusal::NoRoom;
        return AztecFit{*size, std::move(*words)};
    }
    if (errorCorrection < 0 || errorCorrection > 99)
        return AztecRefusal::NoSuchSizeRule;
    for (const AztecSymbolSize size : aztecSizesBySide()) {
        if (menu && !aztecCarriesMenuMark(size))
            continue;
        if (auto words = fit(text, size, errorCorrection))
            return AztecFit{size, std::move(*words)};
    }
    return AztecRefusal::NoRoom;
}

} // namespace vornik::twod
