#pragma once

#include "core/app/application.h"
#include "core/dde/interpreter.h"
#include "support/fake_host.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornik::testing {

// The folder of the built program, where its data files (Cluster.Dat) are.
inline std::filesystem::path builtProgramDirectory() {
    return std::filesystem::path(VORNIK_PROGRAM).parent_path();
}

// A started application with a fake host, and an interpreter driving it.
struct CommandSession {
    FakeHost host;
    Application app{host, StartupOptions{.programDirectory = builtProgramDirectory()}};
    dde::Interpreter interpreter{app};

    CommandSession() { app.startUp(); }
    ~CommandSession() { (void)app.shutDown(false); }
    CommandSession(const CommandSession&) = delete;
    CommandSession& operator=(const CommandSession&) = delete;

    bool run(std::string_view executeString) { return interpreter.Execute(executeString); }
    Job& job() { return app.job(); }
    RunState& state() { return app.state(); }

    // A builder for every linear symbology that records the message it was
    // given and reports a symbol built.
    std::vector<std::string>& recordLinearBuilds() {
        app.builders().install(BuilderKind::Linear, [this](BuildContext& context) {
            builtMessages.push_back(context.app.job().Message);
            clipboardAtBuild.push_back(host.clipboard);
            return BuildOutcome::Built;
        });
        return builtMessages;
    }
    std::vector<std::string> builtMessages;
    std::vector<std::optional<std::string>> clipboardAtBuild;
};

} // namespace vornik::testing
