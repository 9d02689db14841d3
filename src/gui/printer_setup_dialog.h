#pragma once

#include <optional>
#include <string>

class QWidget;

namespace vornik::gui {

// The print setup dialog (File > Printer Setup..., and "Select Printer..."
// of the target printer dialog), modal over PARENT, starting on CURRENT (the
// print service's default printer when empty): the name of the printer the
// user chose, or nullopt when they cancelled.
[[nodiscard]] std::optional<std::string> choosePrinterName(QWidget* parent,
                                                           const std::string& current);

} // namespace vornik::gui
