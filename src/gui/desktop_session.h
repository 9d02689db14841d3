#pragma once

#include "bus/command_service.h"
#include "core/app/application.h"
#include "gui/gui_host.h"
#include "gui/main_window.h"

#include <QDBusConnection>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace vornik::gui {

// One running desktop program: its host, its job and its main window, wired
// together. The program makes one; tests make their own with a settings file
// of their own.
class DesktopSession {
public:
    DesktopSession(const std::filesystem::path& settingsFile,
                   const std::filesystem::path& programDirectory,
                   std::optional<std::string> configuration);

    // Start-up as the program does it, then the window shows.
    void start();

    // Serves the window on CONNECTION (the session bus) under the program's
    // name, so that scripts drive it and a second instance hands its file
    // over; a sentence when it cannot.
    [[nodiscard]] std::optional<std::string> serveOn(QDBusConnection connection);

    Application& app() { return app_; }
    MainWindow& window() { return window_; }
    GuiHost& host() { return host_; }

private:
    GuiHost host_;
    Application app_;
    MainWindow window_;
    std::unique_ptr<bus::ServedProgram> program_;
    std::unique_ptr<bus::CommandService> service_;
};

} // namespace vornik::gui
