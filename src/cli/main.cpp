// The vornik program. On a display, without command strings, it hands over to
// the desktop program beside it; otherwise it runs headless: it loads the
// configuration file it is given, takes its work from --exec command strings
// and reports on standard error.

#include "cli/batch/batch_runner.h"
#include "cli/batch_command_line.h"
#include "cli/command_line.h"
#include "cli/desktop_start.h"
#include "cli/exit_status.h"
#include "cli/headless_host.h"
#include "cli/image_converter_module.h"
#include "cli/settings_file.h"
#include "cli/verifying_converter.h"
#include "core/app/application.h"
#include "core/dde/interpreter.h"
#include "core/files/interrupt_cleanup.h"

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <new>
#include <string>
#include <unistd.h>
#include <variant>
#include <vector>

namespace {

namespace fs = std::filesystem;
using vornik::cli::CommandLine;
using vornik::cli::CommandLineError;

using vornik::cli::kExitFailed;
using vornik::cli::kExitRefused;
using vornik::cli::kExitSuccess;

// How the commands of one run went; the exit status sums it up.
struct RunTally {
    int refusedStrings = 0;
    int buildsWithoutSymbol = 0;
    // Saving a symbol and the other file commands that failed.
    int failedFileOperations = 0;
};

int exitStatus(const RunTally& tally) {
    if (tally.buildsWithoutSymbol > 0 || tally.failedFileOperations > 0)
        return kExitFailed;
    if (tally.refusedStrings > 0)
        return kExitRefused;
    return kExitSuccess;
}

// Cluster.Dat and the user guide sit beside the program.
fs::path programDirectory(const char* invokedAs) {
    std::error_code error;
    const auto executable = fs::read_symlink("/proc/self/exe", error);
    if (!error)
        return executable.parent_path();
    const auto invoked = fs::absolute(fs::path(invokedAs), error);
    return error ? fs::path(".") : invoked.parent_path();
}

int usageError(const std::string& message) {
    std::cerr << "vornik: " << message << "\nTry 'vornik --help' for more information.\n";
    return kExitFailed;
}

// Started headless with nothing to do: whoever called needs to know how the
// headless program is driven.
int nothingToDo() {
    if (vornik::cli::displayAvailable())
        std::cerr << "vornik: --yes runs headless, and there is nothing to run; ";
    else
        std::cerr << "vornik: no display; ";
    std::cerr << "run headless like this:\n" << vornik::cli::usageText();
    return kExitFailed;
}

// A desktop user who started the program without command strings expects the
// window.
bool wantsWindow(const CommandLine& commandLine) {
    return commandLine.execStrings.empty() && !commandLine.answerYes &&
           vornik::cli::displayAvailable();
}

// Serving and sending over the session bus happen in the program beside this
// one, which is handed the same words.
int startBusProgram(const std::vector<std::string>& arguments, const char* invokedAs) {
    const std::string failure = vornik::cli::replaceProcess(
        programDirectory(invokedAs) / vornik::cli::kBusProgramFile, arguments, "the D-Bus program");
    std::cerr << "vornik: " << failure << '\n';
    return kExitFailed;
}

int startWindow(const CommandLine& commandLine, const char* invokedAs) {
    std::vector<std::string> arguments;
    if (commandLine.configurationFile)
        arguments.push_back(*commandLine.configurationFile);
    // Returns only when the desktop program could not be started.
    const std::string failure =
        vornik::cli::startDesktopProgram(programDirectory(invokedAs), arguments);
    std::cerr << "vornik: " << failure << '\n';
    return kExitFailed;
}

int runHeadless(const CommandLine& commandLine, const char* invokedAs) {
    const vornik::cli::HeadlessPolicy policy{.answerYes = commandLine.answerYes,
                                             .audibleBeep = ::isatty(STDERR_FILENO) == 1};
    const std::filesystem::path directory = programDirectory(invokedAs);
    vornik::cli::HeadlessHost host(
        std::cerr, vornik::cli::SettingsFile(vornik::cli::SettingsFile::defaultPath()), policy,
        vornik::cli::headlessPrinter(commandLine.printer, directory));
    vornik::Application app(host, {directory, commandLine.configurationFile});
    app.convertImage = vornik::cli::imageConverter(directory);
    if (commandLine.verify)
        app.convertImage = vornik::cli::verifyingConverter(
            std::move(app.convertImage), app, vornik::cli::readBackModule(directory), std::cerr);
    app.startUp();

    vornik::dde::Interpreter interpreter(app);
    RunTally tally;
    for (const auto& commands : commandLine.execStrings) {
        // A command that ends the program ends the run: later strings are
        // not for a program that has quit.
        if (app.state().ExitRequested)
            break;
        const vornik::dde::ExecuteReport refusals = interpreter.ExecuteWithReport(commands);
        for (const auto& refused : refusals)
            std::cerr << "vornik: " << vornik::dde::refusalLine(refused) << '\n';
        if (!refusals.empty())
            ++tally.refusedStrings;
    }
    (void)app.shutDown(false);
    tally.buildsWithoutSymbol = app.buildsWithoutSymbol();
    tally.failedFileOperations = app.failedFileOperations();
    return exitStatus(tally);
}

// vornik batch ...: one symbol per record of a list, headless.
int runBatchCommand(const std::vector<std::string>& arguments, const char* invokedAs) {
    if (std::ranges::find(arguments, "--help") != arguments.end() ||
        std::ranges::find(arguments, "-h") != arguments.end()) {
        std::cout << vornik::cli::helpText();
        return kExitSuccess;
    }
    const auto parsed = vornik::cli::parseBatchCommandLine(
        std::vector<std::string>(arguments.begin() + 1, arguments.end()));
    if (const auto* error = std::get_if<std::string>(&parsed))
        return usageError(*error);
    return vornik::cli::runBatch(std::get<vornik::cli::BatchCommandLine>(parsed),
                                 programDirectory(invokedAs));
}

int run(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    if (!arguments.empty() && arguments.front() == "batch")
        return runBatchCommand(arguments, argc > 0 ? argv[0] : "");
    const auto parsed = vornik::cli::parseCommandLine(arguments);
    if (const auto* error = std::get_if<CommandLineError>(&parsed))
        return usageError(error->message);
    const auto& commandLine = std::get<CommandLine>(parsed);

    if (commandLine.help) {
        std::cout << vornik::cli::helpText();
        return kExitSuccess;
    }
    if (commandLine.version) {
        std::cout << vornik::cli::kVersionText << '\n';
        return kExitSuccess;
    }
    if (commandLine.serve || !commandLine.sendStrings.empty())
        return startBusProgram(arguments, argc > 0 ? argv[0] : "");
    if (wantsWindow(commandLine))
        return startWindow(commandLine, argc > 0 ? argv[0] : "");
    // A configuration file alone is loaded (and built, when its numbering or
    // message file asks for it): the exit status says whether it loaded.
    if (commandLine.execStrings.empty() && !commandLine.configurationFile)
        return nothingToDo();
    return runHeadless(commandLine, argc > 0 ? argv[0] : "");
}

} // namespace

int main(int argc, char** argv) {
    vornik::files::installInterruptCleanup();
    try {
        return run(argc, argv);
    } catch (const std::bad_alloc&) {
        std::cerr << "vornik: there was not enough memory to go on.\n";
        return kExitFailed;
    } catch (const std::exception& error) {
        std::cerr << "vornik: internal error: " << error.what() << '\n';
        return kExitFailed;
    }
}
