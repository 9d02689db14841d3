#include "gui/desktop_program.h"

#include "cli/settings_file.h"
#include "gui/desktop_session.h"

#include <QApplication>
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
    DesktopSession session(cli::SettingsFile::defaultPath(),
                           QCoreApplication::applicationDirPath().toStdString(),
                           configurationArgument(arguments));
    session.start();
    return QApplication::exec();
}

} // namespace vornik::gui
