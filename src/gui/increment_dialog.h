#pragma once

#include <string>
#include <vector>

class QWidget;

namespace vornik {
class Application;
}

namespace vornik::gui {

// The "Incremental Numbering" dialog (Edit > Incremental Numbering...),
// modal over PARENT, on APP's job: starting number, increment, number of
// digits, preamble and postamble, whether the message or the supplement is
// numbered, and whether numbering is on. CHARACTER_LIST holds the entries of
// the main window's character list while the window shows it (tab-separated
// columns, an entry's position being the code it inserts); the dialog then
// shows the same list, whose entries go into the preamble or postamble box
// that had the focus last. Empty when the window's list is hidden.
//
// OK checks the digits (a warning keeps the dialog open), stores the fields,
// shows or hides the Next and Previous controls through the run state and
// asks the window to refresh (Host::viewChanged). However the dialog closes,
// numbering that is then on shows its current number and builds it, so the
// window should expect a new picture or a build's message box. True when the
// user pressed OK.
bool showIncrementDialog(QWidget* parent, Application& app,
                         const std::vector<std::string>& characterList = {});

} // namespace vornik::gui
