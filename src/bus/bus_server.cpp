#include "bus/bus_server.h"

#include "bus/command_service.h"
#include "bus/headless_program.h"
#include "cli/exit_status.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QTimer>
#include <chrono>
#include <iostream>
#include <unistd.h>

namespace vornik::bus {

int runServer(const cli::CommandLine& commandLine, const std::filesystem::path& programDirectory) {
    const cli::HeadlessPolicy policy{.answerYes = commandLine.answerYes,
                                     .audibleBeep = ::isatty(STDERR_FILENO) == 1};
    HeadlessProgram program(policy, commandLine.printer, programDirectory,
                            commandLine.configurationFile);
    // Loading the configuration file is told where --exec tells it.
    for (const std::string& line : program.startUp())
        std::cerr << line << '\n';
    CommandService service(program, QDBusConnection::sessionBus());
    if (const auto failure = service.publish()) {
        std::cerr << "vornik: " << *failure << '\n';
        return cli::kExitFailed;
    }
    program.ended = [] { QCoreApplication::quit(); };
    // A server whose session has ended (its bus gone) has nobody left to
    // serve: it ends as if the last conversation had asked it to.
    QTimer busWatch;
    QObject::connect(&busWatch, &QTimer::timeout, [&program] {
        if (!QDBusConnection::sessionBus().isConnected())
            program.end();
    });
    busWatch.start(std::chrono::seconds(1));
    QCoreApplication::exec();
    return program.exitStatus();
}

} // namespace vornik::bus
