#pragma once

#include "core/dde/refusal.h"

#include <string_view>

namespace vornik {

class Application;

namespace dde {

// The command language: execute strings of bracketed commands that set job
// fields and run actions. Unknown commands are ignored; a refused command
// makes the whole string negatively acknowledged, but the commands after it
// still run.
class Interpreter {
public:
    explicit Interpreter(Application& app) : app_(app) {}

    // Runs every command of the string in order. True = acknowledged.
    [[nodiscard]] bool Execute(std::string_view executeString);

    // The same, telling which commands were refused and why; the string is
    // acknowledged when the report is empty.
    [[nodiscard]] ExecuteReport ExecuteWithReport(std::string_view executeString);

private:
    Application& app_;
};

} // namespace dde
} // namespace vornik
