#pragma once

#include "core/app/host.h"

#include <array>
#include <string>
#include <string_view>

namespace vornik {

class Application;

// The target printer dialog: the resolution a symbol is designed for, which
// the printer resolution warnings and the printer-dot unit measure against.
inline constexpr std::string_view kTargetPrinterTitle = "Target Printer Options";
inline constexpr std::string_view kHorizontalDpiLabel = "Horizontal Dots Per Inch:";
inline constexpr std::string_view kVerticalDpiLabel = "Vertical Dots Per Inch:";
inline constexpr std::string_view kPrintWarningsLabel = "Enable Print Resolution Warnings";
inline constexpr std::string_view kSelectPrinterButton = "Select Printer...";

// Both lists, right-aligned to four characters.
inline constexpr std::array<std::string_view, 11> kResolutionChoices = {
    "  72", " 120", " 144", " 216", " 240", " 300", " 360", " 600", "1000", "1200", "2400"};

// The most dots per inch a target printer may have.
inline constexpr int kMostTargetDotsPerInch = 99999;

// What the dialog's controls hold.
struct TargetPrinterFields {
    bool printWarnings = true;
    std::string horizontal;
    std::string vertical;

    bool operator==(const TargetPrinterFields&) const = default;
};

// The controls as the dialog opens: the job's warning switch and resolution.
[[nodiscard]] TargetPrinterFields targetPrinterFields(const Job& job);

// The resolution boxes take the digits 0 to 9 and backspace ('\b') only.
[[nodiscard]] bool resolutionBoxTakes(char key);

// "Select Printer...": the boxes show the chosen printer's resolution.
void showPrinterResolution(TargetPrinterFields& fields, PrinterResolution resolution);

// OK: the warning switch and the two resolutions go into the job, each
// resolution the nearest whole number of the box's number, at least 1 and
// at most kMostTargetDotsPerInch; the job is marked changed when any of them
// changes; the panel is refreshed.
void applyTargetPrinter(Application& app, const TargetPrinterFields& fields);

// Printer Setup: the chosen printer's resolution becomes the target's.
void applyPrinterSetup(Application& app, PrinterResolution resolution);

} // namespace vornik
