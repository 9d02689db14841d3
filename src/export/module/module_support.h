#pragma once

// What the entry points of the converter module share.

#include "export/module/module_arguments.h"

namespace vornik::exporting {

// Makes the GUI application that fonts need, on the offscreen platform, the
// first time it is called; it lives until the process ends.
void ensureGuiApplication();

} // namespace vornik::exporting
