#include "bus/headless_program.h"

#include "bus/report_text.h"
#include "cli/image_converter_module.h"
#include "cli/settings_file.h"
#include "core/files/configuration.h"

#include <iostream>

namespace vornik::bus {

HeadlessProgram::HeadlessProgram(cli::HeadlessPolicy policy, std::optional<std::string> printer,
                                 const std::filesystem::path& programDirectory,
                                 std::optional<std::string> configuration)
    : host_(lines_, cli::SettingsFile(cli::SettingsFile::defaultPath()), policy,
            cli::headlessPrinter(printer, programDirectory)),
      app_(host_, {programDirectory, std::move(configuration)}) {
    app_.convertImage = cli::imageConverter(programDirectory);
}

HeadlessProgram::~HeadlessProgram() {
    if (!shutDown_)
        (void)app_.shutDown(false);
}

std::vector<std::string> HeadlessProgram::startUp() {
    app_.startUp();
    return takeLines();
}

FailureCounts HeadlessProgram::counts() const {
    return {app_.buildsWithoutSymbol(), app_.failedFileOperations()};
}

std::vector<std::string> HeadlessProgram::takeLines() {
    std::vector<std::string> lines = splitLines(lines_.str());
    lines_.str({});
    return lines;
}

CommandReply HeadlessProgram::execute(std::string_view commands) {
    const FailureCounts before = counts();
    const dde::ExecuteReport refusals = interpreter_.ExecuteWithReport(commands);
    CommandReply reply{.acknowledged = refusals.empty(), .lines = takeLines()};
    for (const auto& refused : refusals)
        reply.lines.push_back("vornik: " + dde::refusalLine(refused));
    if (!refusals.empty())
        ++refusedStrings_;
    reply.status = requestStatus(before, counts(), !refusals.empty());
    return reply;
}

// Nobody is there to be asked about unsaved changes: the file is loaded as
// [openconfig(FILE)] loads it.
CommandReply HeadlessProgram::open(const std::string& path) {
    const FailureCounts before = counts();
    const bool loaded = files::LoadConfiguration(app_, path);
    CommandReply reply{.acknowledged = loaded, .lines = takeLines()};
    reply.status = requestStatus(before, counts(), !loaded);
    return reply;
}

void HeadlessProgram::end() {
    if (shutDown_)
        return;
    app_.state().Dirty = false;
    shutDown_ = true;
    (void)app_.shutDown(false);
    // What the shut-down tells (a page left open and printed now) has no
    // client left to hear it.
    for (const std::string& line : takeLines())
        std::cerr << line << '\n';
    if (ended)
        ended();
}

int HeadlessProgram::exitStatus() const {
    return requestStatus({}, counts(), refusedStrings_ > 0);
}

} // namespace vornik::bus
