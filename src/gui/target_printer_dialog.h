#pragma once

class QWidget;

namespace vornik {
class Application;
}

namespace vornik::gui {

// The target printer dialog (File > Target Printer...), modal over PARENT:
// the resolution APP's symbols are designed for and the printer resolution
// warnings' switch. The resolution boxes are lists that also take typed
// digits (other keys beep); "Select Printer..." shows the print setup dialog
// and fills them with the chosen printer's resolution. True when the user
// pressed OK: the job then holds the dialog's values.
bool showTargetPrinterDialog(QWidget* parent, Application& app);

} // namespace vornik::gui
