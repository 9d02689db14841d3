#pragma once

#include <QString>

class QWidget;

namespace vornik::gui {

// The program's version and those of the libraries it draws and writes with.
[[nodiscard]] QString aboutText();

// What a support request needs to know about this machine: the libraries,
// the display platform and each screen's resolution.
[[nodiscard]] QString systemInformation();

// The about box, with a button that shows the system information.
void showAboutBox(QWidget* parent);

} // namespace vornik::gui
