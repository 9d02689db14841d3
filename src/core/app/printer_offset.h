#pragma once

#include "core/app/job.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vornik {

class Host;

// How far a printer puts things from where they are asked for, corrected by
// shifting every symbol printed on it the other way: inches added to the
// print margins, per printer, kept in the per-user settings.
struct PrinterOffset {
    double leftInches = 0;
    double topInches = 0;

    bool operator==(const PrinterOffset&) const = default;
};

// The furthest an offset may shift a symbol, either way.
inline constexpr double kLargestPrinterOffsetInches = 1.0;

// The offset kept for PRINTER; zero when none is, or when what is kept is not
// two numbers within range.
[[nodiscard]] PrinterOffset printerOffset(Host& host, std::string_view printer);
void storePrinterOffset(Host& host, std::string_view printer, PrinterOffset offset);

// The settings key of PRINTER's offset: printer names may hold characters a
// settings key may not, so everything but letters, digits, "-", "_" and "."
// is written as %XX.
[[nodiscard]] std::string printerOffsetKey(std::string_view printer);

// The printer offset dialog, which shows the offset in the display unit:
// inches for inches and mils, millimetres for metric, the target printer's
// dots for printer dots.
inline constexpr std::string_view kPrinterOffsetTitle = "Printer Offset";
inline constexpr std::string_view kPrinterOffsetIntro =
    "Every symbol printed on this printer is moved by its offset: right and down for positive "
    "numbers. To find the offset, print the calibration page and measure where its cross "
    "stands.";
// The box labels, which the dialog follows with the unit: "Horizontal Offset (mm):".
inline constexpr std::string_view kHorizontalOffsetLabel = "Horizontal Offset";
inline constexpr std::string_view kVerticalOffsetLabel = "Vertical Offset";
inline constexpr std::string_view kCalibrationButton = "Print &Calibration Page";
struct PrinterOffsetTexts {
    std::string unitCaption; // "inches", "mm", "printer dots"
    std::string horizontal;
    std::string vertical;

    bool operator==(const PrinterOffsetTexts&) const = default;
};
[[nodiscard]] PrinterOffsetTexts printerOffsetTexts(const Job& job, PrinterOffset offset);

// The offset the dialog's two texts give, or a sentence saying what is wrong
// with them.
[[nodiscard]] std::variant<PrinterOffset, std::string>
readPrinterOffset(const Job& job, std::string_view horizontal, std::string_view vertical);

} // namespace vornik
