#pragma once

class QWidget;

namespace vornik {
class Application;
}

namespace vornik::gui {

// The print margins dialog (File > Print...), modal over PARENT: the left
// and top margins in inches, then "Print" prints the symbol on display and
// sends the page. Margins that would put the symbol off the paper are
// refused with a message and the dialog stays open. True when the user
// pressed Print (whether the printer took the page is told separately).
bool showPrintMarginsDialog(QWidget* parent, Application& app);

} // namespace vornik::gui
