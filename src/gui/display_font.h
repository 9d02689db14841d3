#pragma once

#include <QFont>

namespace vornik::gui {

// The face of the boxes and lists that show message codes in the display
// set: a fixed-pitch face, which has the code page 437 pictures, for the
// ASCII ("Terminal") set; the desktop's face for the ANSI ("System") set.
[[nodiscard]] QFont displayFont(bool ansiDisplay);

} // namespace vornik::gui
