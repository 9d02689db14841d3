#include "gui/window_program.h"

#include "core/app/application.h"
#include "core/files/configuration.h"
#include "gui/gui_host.h"
#include "gui/main_window.h"
#include "gui/qt_text.h"

#include <utility>

namespace vornik::gui {

WindowProgram::WindowProgram(Application& app, GuiHost& host, MainWindow& window)
    : app_(app), host_(host), window_(window), interpreter_(app) {
    // The lines are UTF-8, as the bus carries them; the boxes' texts are the
    // program's own code page.
    host_.messageShown = [this](const MessageBox& box) {
        lines_.push_back(fromProgramText(box.title + ": " + box.text).toStdString());
    };
}

WindowProgram::~WindowProgram() {
    host_.messageShown = nullptr;
}

bus::FailureCounts WindowProgram::counts() const {
    return {app_.buildsWithoutSymbol(), app_.failedFileOperations()};
}

bus::CommandReply WindowProgram::execute(std::string_view commands) {
    lines_.clear();
    const bus::FailureCounts before = counts();
    const dde::ExecuteReport refusals = interpreter_.ExecuteWithReport(commands);
    window_.refresh();
    bus::CommandReply reply{.acknowledged = refusals.empty(), .lines = std::move(lines_)};
    lines_.clear();
    for (const auto& refused : refusals)
        reply.lines.push_back("vornik: " + dde::refusalLine(refused));
    reply.status = bus::requestStatus(before, counts(), !refusals.empty());
    return reply;
}

// As the recent files list opens a file: the user is asked about unsaved
// changes first.
bus::CommandReply WindowProgram::open(const std::string& path) {
    lines_.clear();
    const bus::FailureCounts before = counts();
    const bool opened = files::OpenConfigurationFile(app_, path);
    window_.refresh();
    bus::CommandReply reply{.acknowledged = opened, .lines = std::move(lines_)};
    lines_.clear();
    reply.status = bus::requestStatus(before, counts(), !opened);
    return reply;
}

bool WindowProgram::activate() {
    window_.showNormal();
    window_.raise();
    window_.activateWindow();
    return true;
}

bool WindowProgram::exitRequested() const {
    return app_.state().ExitRequested;
}

// The conversation that sent [APPEXIT] has closed: the window closes without
// the unsaved-changes question, which ends the program.
void WindowProgram::end() {
    app_.state().Dirty = false;
    window_.close();
}

} // namespace vornik::gui
