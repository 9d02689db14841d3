#pragma once

#include <QIcon>
#include <QString>

namespace vornik::gui {

// The toolbar button's icon: the desktop theme's where it has a fitting one,
// otherwise one of ours, drawn as vectors at whatever size and pixel density
// it is asked for, in the palette's text colour so that it shows in light and
// dark themes alike. An empty icon for a button we have no picture for.
[[nodiscard]] QIcon toolIcon(const QString& control);

} // namespace vornik::gui
