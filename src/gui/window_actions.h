#pragma once

#include "core/app/main_menu.h"

#include <QObject>

namespace vornik {
class Application;
}

namespace vornik::gui {

class MainWindow;

// What the window does for the menu items the core hands back to it: the
// dialogs, the help, the text editor, Paste and Exit. Each ends in core
// commands; nothing here decides what the job becomes.
class WindowActions : public QObject {
    Q_OBJECT

public:
    WindowActions(Application& app, MainWindow& window);

    void carryOut(FrontEndAction action);

private:
    void chooseFont();
    void chooseForeColor();
    void chooseBackColor();
    void paste();
    void openTextEditor();

    Application& app_;
    MainWindow& window_;
};

} // namespace vornik::gui
