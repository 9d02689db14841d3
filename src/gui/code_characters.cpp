#include "gui/code_characters.h"

#include "core/app/code_pages.h"
#include "core/app/windows1252.h"
#include "gui/qt_text.h"

namespace vornik::gui {

QString codeCharacters(std::string_view codes, bool ansiDisplay) {
    const std::string ansi = ansiDisplay ? std::string(codes) : oemToAnsi(codes);
    QString shown;
    shown.reserve(static_cast<qsizetype>(ansi.size()));
    for (const char code : ansi)
        shown += QChar(windows1252CodePoint(static_cast<unsigned char>(code)));
    return shown;
}

unsigned char ansiCode(QChar typed) {
    return static_cast<unsigned char>(toProgramText(QString(typed)).front());
}

} // namespace vornik::gui
