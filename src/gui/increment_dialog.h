#pragma once

class QWidget;

namespace vornik {
class Application;
}

namespace vornik::gui {

// The "Incremental Numbering" dialog (Edit > Incremental Numbering...),
// modal over PARENT, on APP's job: starting number, increment, number of
// digits, preamble and postamble, whether the message or the supplement is
// numbered, and whether numbering is on. While the main window shows its
// character list, the dialog shows the same list; its entries go into the
// preamble or postamble box that had the focus last.
//
// OK checks the digits (a warning keeps the dialog open), stores the fields,
// shows or hides the Next and Previous controls through the run state and
// asks the window to refresh (Host::viewChanged). However the dialog closes,
// numbering that is then on shows its current number and builds it, so the
// window should expect a new picture or a build's message box. True when the
// user pressed OK.
bool showIncrementDialog(QWidget* parent, Application& app);

} // namespace vornik::gui
