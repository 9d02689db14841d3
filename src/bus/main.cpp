// The program behind vornik --serve and vornik --send, which hands them over
// with the same words. It uses Qt's D-Bus module, the one the window serves
// with, so that both servers share one service object; keeping it out of
// vornik itself leaves plain headless runs free of Qt. (libsystemd's sd-bus or
// GLib's GDBus would have kept Qt out of this program too, but the window
// would then serve through a second bus library and a second service object.)

#include "bus/bus_client.h"
#include "bus/bus_server.h"
#include "cli/command_line.h"
#include "cli/exit_status.h"
#include "core/files/interrupt_cleanup.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <algorithm>
#include <exception>
#include <filesystem>
#include <iostream>
#include <new>
#include <string>
#include <variant>
#include <vector>

namespace {

// Standard error carries the report, line for line as --exec writes it; the
// bus library's own notes (Qt 6.4 warns of its types while the program ends
// right after a quick failure) are not for the user. Its critical messages
// still are.
void reportOnlyCriticalQtMessages(QtMsgType type, const QMessageLogContext&,
                                  const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "vornik: " << message.toStdString() << '\n';
}

// The server saves raster images and PDF through the converter module, which
// draws with Qt Gui: that needs the process's one application object to be a
// Qt Gui application, so the server makes it one, on the offscreen platform,
// as the module would in vornik --exec. (Qt Gui only: never Widgets.)
int serve(const vornik::cli::CommandLine& commandLine, char* programName) {
    static char option[] = "-platform";
    static char platform[] = "offscreen";
    int argc = 3;
    char* argv[] = {programName, option, platform, nullptr};
    QGuiApplication application(argc, argv);
    return vornik::bus::runServer(commandLine,
                                  QCoreApplication::applicationDirPath().toStdString());
}

int run(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    const auto parsed = vornik::cli::parseCommandLine(arguments);
    if (const auto* error = std::get_if<vornik::cli::CommandLineError>(&parsed)) {
        std::cerr << "vornik: " << error->message
                  << "\nTry 'vornik --help' for more information.\n";
        return vornik::cli::kExitFailed;
    }
    const auto& commandLine = std::get<vornik::cli::CommandLine>(parsed);
    if (commandLine.serve)
        return serve(commandLine, argv[0]);
    QCoreApplication application(argc, argv);
    if (!commandLine.sendStrings.empty())
        return vornik::bus::runClient(commandLine.sendStrings);
    std::cerr << "vornik: this program serves the job (--serve) or sends commands (--send); "
                 "run vornik for anything else\n";
    return vornik::cli::kExitFailed;
}

} // namespace

int main(int argc, char** argv) {
    vornik::files::installInterruptCleanup();
    qInstallMessageHandler(reportOnlyCriticalQtMessages);
    try {
        return run(argc, argv);
    } catch (const std::bad_alloc&) {
        std::cerr << "vornik: there was not enough memory to go on.\n";
        return vornik::cli::kExitFailed;
    } catch (const std::exception& error) {
        std::cerr << "vornik: internal error: " << error.what() << '\n';
        return vornik::cli::kExitFailed;
    }
}
