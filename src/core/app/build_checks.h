#pragma once

#include "core/app/job.h"

#include <optional>
#include <string>
#include <string_view>

namespace vornik {

// The two integer dimensions the builders receive, in 0.001 cm.
struct BuildDimensions {
    int widthUnits = 0;  // narrow bar width, at most 1000
    int heightUnits = 0; // bar height, at most 20000
};

[[nodiscard]] BuildDimensions deriveBuildDimensions(const Job& job);

// The name of the dimension that is below the symbology's nominal minimum
// ("Narrow Bar Width", "Module Width", "Module Height", "Module Size"), if any.
// PDF417's module height is checked after its width, so it wins when both are
// too small. POSTNET has no minimum.
[[nodiscard]] std::optional<std::string_view> dimensionBelowNominal(const Job& job);

// The name of the dimension that is less than three dots of the target
// printer ("Narrow Bar Width", "Bar Code Height", "Module Width",
// "Module Height", "Module Size"), if any; the height test wins over the width.
[[nodiscard]] std::optional<std::string_view> dimensionBelowThreeDots(const Job& job,
                                                                      BuildDimensions dimensions);

// The warnings' message boxes.
inline constexpr std::string_view kDimensionWarningTitle = "Invalid Dimension Warning";
inline constexpr std::string_view kPrinterWarningTitle = "Printer Resolution Warning";
[[nodiscard]] std::string dimensionWarningText(std::string_view name);
[[nodiscard]] std::string printerWarningText(std::string_view name);

// The advice shown after the first build of a run.
[[nodiscard]] std::string_view pasteAdviceText();

} // namespace vornik
