#include "core/app/print_margins.h"

#include "core/app/number_format.h"
#include "core/app/numeric_text.h"
#include "core/app/run_state.h"

namespace vornik {

PrintMarginTexts printMarginTexts(const RunState& state) {
    return {.left = formatNumber(state.LeftPrintMargin, ""),
            .top = formatNumber(state.TopPrintMargin, "")};
}

std::optional<std::string> storePrintMargins(RunState& state, const PrintMarginTexts& texts) {
    const double left = leadingNumber(texts.left);
    const double top = leadingNumber(texts.top);
    const auto onPaper = [](double margin) {
        return margin >= 0.0 && margin <= kLargestPrintMargin;
    };
    if (!onPaper(left) || !onPaper(top))
        return "A print margin is a number of inches from 0 to 100.";
    state.LeftPrintMargin = static_cast<float>(left);
    state.TopPrintMargin = static_cast<float>(top);
    return std::nullopt;
}

} // namespace vornik
