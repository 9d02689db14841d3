#include "gui/code_characters.h"

#include "core/app/code_pages.h"
#include "core/app/windows1252.h"
#include "gui/qt_text.h"

namespace vornik::gui {
namespace {

constexpr char16_t kControlPictures = 0x2400;
constexpr char16_t kDeletePicture = 0x2421;

QChar shownCharacter(unsigned char code) {
    if (code < 0x20)
        return QChar(static_cast<char16_t>(kControlPictures + code));
    if (code == 0x7F)
        return QChar(kDeletePicture);
    return QChar(windows1252CodePoint(code));
}

} // namespace

QString codeCharacters(std::string_view codes, bool ansiDisplay) {
    const std::string ansi = ansiDisplay ? std::string(codes) : oemToAnsi(codes);
    QString shown;
    shown.reserve(static_cast<qsizetype>(ansi.size()));
    for (const char code : ansi)
        shown += shownCharacter(static_cast<unsigned char>(code));
    return shown;
}

unsigned char ansiCode(QChar typed) {
    return static_cast<unsigned char>(toProgramText(QString(typed)).front());
}

} // namespace vornik::gui
