#pragma once

#include <QDBusConnection>
#include <optional>
#include <string>

namespace vornik::gui {

// When the program already runs on this session (its name is owned on the
// bus), hands it the configuration file to open, or asks it to show its
// window, and returns true: this instance then has nothing left to do.
// False when no instance runs, when the one that runs has no window
// (vornik --serve), or when it could not be reached.
[[nodiscard]] bool handOverToRunningInstance(QDBusConnection connection,
                                             const std::optional<std::string>& configuration);

} // namespace vornik::gui
