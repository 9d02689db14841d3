#pragma once

#include <QStringList>

namespace vornik::gui {

// Runs the desktop program: the main window over one job, started with the
// configuration file named in ARGUMENTS (if any), until the window closes.
// Returns the exit status.
int runDesktopProgram(const QStringList& arguments);

} // namespace vornik::gui
