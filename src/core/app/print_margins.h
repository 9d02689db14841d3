#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vornik {

struct RunState;

// The print margins dialog: where the symbol's top-left corner goes, in
// inches from the paper's left and top edges.
inline constexpr std::string_view kPrintMarginsTitle = "Print Margins";
inline constexpr std::string_view kPrintMarginsPrompt = "Specify Print Margins in Inches:";
inline constexpr std::string_view kLeftMarginLabel = "Left:";
inline constexpr std::string_view kTopMarginLabel = "Top:";
inline constexpr std::string_view kPrintButton = "Print";

// The largest margin: no paper is a hundred inches wide.
inline constexpr double kLargestPrintMargin = 100.0;

struct PrintMarginTexts {
    std::string left;
    std::string top;

    bool operator==(const PrintMarginTexts&) const = default;
};

// The boxes as the dialog opens: the margins in the shortest form that
// reads back as their value.
[[nodiscard]] PrintMarginTexts printMarginTexts(const RunState& state);

// Print: the boxes' numbers become the margins (a box with no number gives
// 0). A margin below 0 or above kLargestPrintMargin would put the symbol off
// the paper: the margins are then left alone and the sentence saying so is
// returned, for the dialog to show.
[[nodiscard]] std::optional<std::string> storePrintMargins(RunState& state,
                                                           const PrintMarginTexts& texts);

} // namespace vornik
