#include "gui/desktop_program.h"

#include "cli/settings_file.h"
#include "gui/desktop_session.h"
#include "gui/running_instance.h"

#include <QApplication>
#include <QDBusConnection>
#include <iostream>
#include <optional>
#include <string>

namespace vornik::gui {
namespace {

// The configuration file to start with: the first argument that is not an
// option.
std::optional<std::string> configurationArgument(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith(QLatin1Char('-')))
            return arguments[i].toStdString();
    }
    return std::nullopt;
}

} // namespace

int runDesktopProgram(const QStringList& arguments) {
    const std::optional<std::string> configuration = configurationArgument(arguments);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (handOverToRunningInstance(bus, configuration))
        return 0;
    DesktopSession session(cli::SettingsFile::defaultPath(),
                           QCoreApplication::applicationDirPath().toStdString(), configuration);
    session.start();
    if (const auto failure = session.serveOn(bus))
        std::cerr << "vornik: " << *failure
                  << "; the window runs on, but scripts cannot reach it\n";
    return QApplication::exec();
}

} // namespace vornik::gui
