#include "core/app/editor_screen.h"

#include "core/app/display_set.h"

namespace vornik {

namespace {

std::string_view breakCodes(LineBreak lineBreak) {
    return lineBreak == LineBreak::CrLf ? "\r\n" : "\n";
}

// How many codes from POS make one character of the box: two for a CR LF
// line break, one otherwise.
std::size_t unitLength(std::string_view codes, LineBreak lineBreak, std::size_t pos) {
    if (lineBreak == LineBreak::CrLf && codes.substr(pos, 2) == "\r\n")
        return 2;
    return 1;
}

bool isLineBreakAt(std::string_view codes, LineBreak lineBreak, std::size_t pos) {
    return codes.substr(pos).starts_with(breakCodes(lineBreak));
}

} // namespace

LineBreak lineBreakOf(std::string_view codes) {
    const bool lineFeedOnly =
        codes.find('\n') != std::string_view::npos && codes.find('\r') == std::string_view::npos;
    return lineFeedOnly ? LineBreak::Lf : LineBreak::CrLf;
}

std::string editorScreenText(std::string_view codes, LineBreak lineBreak, bool ansiDisplay) {
    std::string text;
    text.reserve(codes.size());
    for (std::size_t pos = 0; pos < codes.size(); pos += unitLength(codes, lineBreak, pos)) {
        const auto code = static_cast<unsigned char>(codes[pos]);
        if (isLineBreakAt(codes, lineBreak, pos))
            text += '\n';
        else if (code == '\t')
            text += '\t';
        else
            appendUtf8(text, shownCharacter(code, ansiDisplay));
    }
    return text;
}

std::string editorCodes(std::string_view screenUtf8, LineBreak lineBreak, bool ansiDisplay) {
    const std::u32string shown = decodeUtf8(screenUtf8);
    std::string codes;
    codes.reserve(shown.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const char32_t c = shown[i];
        if (c == U'\r' && i + 1 < shown.size() && shown[i + 1] == U'\n')
            continue; // one line break, written by the "\n" that follows
        if (c == U'\n' || c == U'\r')
            codes += breakCodes(lineBreak);
        else if (c == U'\t')
            codes += '\t';
        else if (const auto code = codeOfShown(c, ansiDisplay))
            codes += static_cast<char>(*code);
        else if (const auto typed = typedCode(c, ansiDisplay))
            codes += static_cast<char>(*typed);
    }
    return codes;
}

std::size_t screenPosition(std::string_view codes, LineBreak lineBreak, std::size_t codePosition) {
    std::size_t screen = 0;
    for (std::size_t pos = 0; pos < codePosition && pos < codes.size(); ++screen)
        pos += unitLength(codes, lineBreak, pos);
    return screen;
}

std::size_t codePosition(std::string_view codes, LineBreak lineBreak, std::size_t screenPosition) {
    std::size_t pos = 0;
    for (std::size_t screen = 0; screen < screenPosition && pos < codes.size(); ++screen)
        pos += unitLength(codes, lineBreak, pos);
    return pos;
}

} // namespace vornik
