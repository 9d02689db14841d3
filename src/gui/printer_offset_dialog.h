#pragma once

class QWidget;

namespace vornik {
class Application;
}

namespace vornik::gui {

// The printer offset dialog (File > Printer Offset...), modal over PARENT:
// the current printer's offset in the display unit, and a button that prints
// the calibration page. OK stores the offset for that printer (numbers out of
// range are refused with a message and the dialog stays open). True when the
// user pressed OK.
bool showPrinterOffsetDialog(QWidget* parent, Application& app);

} // namespace vornik::gui
