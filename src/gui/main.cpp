// The desktop program. `vornik` starts it when it is run on a display
// without command strings; it can also be started directly.

#include "cli/exit_status.h"
#include "gui/desktop_program.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

QtMessageHandler qtMessageHandler = nullptr;

// Where the window was to open, from the environment, for the message below.
std::string whereTheWindowWasToOpen() {
    std::string named;
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (value == nullptr || *value == '\0')
            continue;
        named += named.empty() ? "on " : " or ";
        named += std::string(variable) + '=' + value;
    }
    return named.empty() ? "without a display" : named;
}

// When no display can be reached (DISPLAY names a server that is gone, or
// one over ssh without forwarding), Qt ends the program with abort() and
// advice to reinstall. Start-up says what happened instead and exits as a
// failed run; Qt's own warnings before it still name the cause.
void startupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        qtMessageHandler(type, context, text);
        return;
    }
    std::fprintf(stderr,
                 "vornik: the window cannot open %s; run headless with --exec COMMANDS "
                 "(see 'vornik --help')\n",
                 whereTheWindowWasToOpen().c_str());
    std::fflush(stderr);
    std::_Exit(vornik::cli::kExitFailed);
}

} // namespace

int main(int argc, char** argv) {
    qtMessageHandler = qInstallMessageHandler(startupMessageHandler);
    QApplication application(argc, argv);
    // From here on a fatal message is Qt's own business again.
    qInstallMessageHandler(qtMessageHandler);
    QCoreApplication::setOrganizationName(QStringLiteral("Vornik"));
    QCoreApplication::setApplicationName(QStringLiteral("Vornik"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VORNIK_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vornik.Vornik"));
    return vornik::gui::runDesktopProgram(QCoreApplication::arguments());
}
