#pragma once

#include <functional>

class QWidget;

namespace vornik {
class Application;
}

namespace vornik::gui {

// The "Data Matrix Symbology Options" dialog (Preferences > Data Matrix
// Advanced Options...), modal over PARENT: the ECC level, the data format
// (ECC 0 to 140), the shape (ECC 200) and the tilde interpretation of APP's
// job. True when the user pressed OK: the settings then hold the choices and
// the configuration counts as changed if any differs. Cancel, Escape or the
// close box change nothing. "Help..." and F1 open the user guide's page on
// two-dimensional symbols, or call SHOW_HELP instead when it is given.
bool showDmOptionsDialog(QWidget* parent, Application& app,
                         const std::function<void()>& showHelp = {});

} // namespace vornik::gui
