// The desktop program. `vornik` starts it when it is run on a display
// without command strings; it can also be started directly.

#include "gui/desktop_program.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vornik"));
    QCoreApplication::setApplicationName(QStringLiteral("Vornik"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VORNIK_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vornik.Vornik"));
    return vornik::gui::runDesktopProgram(QCoreApplication::arguments());
}
