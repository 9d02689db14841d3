#include "gui/display_font.h"

#include "core/app/display_set.h"

#include <QApplication>
#include <QFontDatabase>

namespace vornik::gui {

QFont displayFont(bool ansiDisplay) {
    if (displayFontName(ansiDisplay) == "Terminal")
        return QFontDatabase::systemFont(QFontDatabase::FixedFont);
    return QApplication::font();
}

} // namespace vornik::gui
