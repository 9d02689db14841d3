#pragma once

#include "bus/served_program.h"
#include "core/dde/interpreter.h"

#include <string>
#include <vector>

namespace vornik {
class Application;
}

namespace vornik::gui {

class GuiHost;
class MainWindow;

// The window as the bus serves it: commands run on the window's job, their
// message boxes are shown to the user (the reply waits until they are
// closed), and the window shows what the commands did.
class WindowProgram : public bus::ServedProgram {
public:
    WindowProgram(Application& app, GuiHost& host, MainWindow& window);
    ~WindowProgram() override;

    bus::CommandReply execute(std::string_view commands) override;
    bus::CommandReply open(const std::string& path) override;
    bool activate() override;
    [[nodiscard]] bool exitRequested() const override;
    void end() override;

private:
    bus::FailureCounts counts() const;

    Application& app_;
    GuiHost& host_;
    MainWindow& window_;
    dde::Interpreter interpreter_;
    std::vector<std::string> lines_;
};

} // namespace vornik::gui
