#pragma once

class QWidget;

namespace vornik {
class Application;
}

namespace vornik::gui {

// The "Aztec Symbology Options" dialog (Preferences > Aztec Code Advanced
// Options...), modal over PARENT: the menu symbol box and the error
// correction choice of APP's job (default, a percentage, or a number of
// compact or full-range layers). OK with a number out of range shows the
// program's message box and keeps the dialog open. True when the user
// pressed OK and the choice was stored (the configuration counts as changed
// if it differs); Cancel, Escape or the close box change nothing.
bool showAztecOptionsDialog(QWidget* parent, Application& app);

} // namespace vornik::gui
