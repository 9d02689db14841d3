#include "core/app/display_set.h"

#include "core/app/code_pages.h"
#include "core/app/windows1252.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vornik {

namespace {

// What the "Terminal" font (code page 437) draws for codes 0 to 31; code 0
// has no glyph of its own and shows the control picture for NUL.
constexpr std::array<char16_t, 32> kOemControlGlyphs = {
    0x2400, 0x263A, 0x263B, 0x2665, 0x2666, 0x2663, 0x2660, 0x2022, // 00
    0x25D8, 0x25CB, 0x25D9, 0x2642, 0x2640, 0x266A, 0x266B, 0x263C, // 08
    0x25BA, 0x25C4, 0x2195, 0x203C, 0x00B6, 0x00A7, 0x25AC, 0x21A8, // 10
    0x2191, 0x2193, 0x2192, 0x2190, 0x221F, 0x2194, 0x25B2, 0x25BC, // 18
};
static_assert(kOemControlGlyphs.size() == 0x20);

constexpr char16_t kOemHouse = 0x2302;        // code 127 in code page 437
constexpr char16_t kControlPictures = 0x2400; // U+2400 + code for codes 0 to 31
constexpr char16_t kDeletePicture = 0x2421;
constexpr unsigned char kDelete = 0x7F;
constexpr char32_t kReplacement = 0xFFFD;

using ReverseTable = std::array<std::pair<char32_t, unsigned char>, 256>;

ReverseTable reverseTable(bool ansiDisplay) {
    ReverseTable table{};
    for (unsigned code = 0; code < table.size(); ++code) {
        const auto c = static_cast<unsigned char>(code);
        table[code] = {shownCharacter(c, ansiDisplay), c};
    }
    std::sort(table.begin(), table.end());
    return table;
}

// The Windows-1252 code of a character, as the keyboard delivers it to a
// program of that code page; "?" for a character the code page lacks.
unsigned char windows1252Code(char32_t character) {
    for (unsigned code = 0; code < 256; ++code)
        if (windows1252CodePoint(static_cast<unsigned char>(code)) == character)
            return static_cast<unsigned char>(code);
    return '?';
}

// How many bytes follow a UTF-8 lead byte; -1 for a byte that leads nothing.
int continuationCount(unsigned char lead) {
    if (lead < 0x80)
        return 0;
    if (lead >= 0xC2 && lead < 0xE0)
        return 1;
    if (lead >= 0xE0 && lead < 0xF0)
        return 2;
    if (lead >= 0xF0 && lead < 0xF5)
        return 3;
    return -1;
}

// The character starting at POS, which moves past it.
char32_t nextCharacter(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    const int extra = continuationCount(lead);
    if (extra <= 0)
        return extra == 0 ? char32_t{lead} : kReplacement;
    char32_t character = lead & (0x3F >> extra);
    for (int taken = 0; taken < extra; ++taken) {
        if (pos >= text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80)
            return kReplacement;
        character = (character << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
    }
    return character <= 0x10FFFF ? character : kReplacement;
}

} // namespace

std::string_view displayFontName(bool ansiDisplay) {
    return ansiDisplay ? "System" : "Terminal";
}

char32_t shownCharacter(unsigned char code, bool ansiDisplay) {
    if (code < 0x20)
        return ansiDisplay ? char32_t{kControlPictures} + code : char32_t{kOemControlGlyphs[code]};
    if (code == kDelete)
        return ansiDisplay ? kDeletePicture : kOemHouse;
    return ansiDisplay ? windows1252CodePoint(code) : oemCodePoint(code);
}

std::optional<unsigned char> codeOfShown(char32_t shown, bool ansiDisplay) {
    static const ReverseTable oem = reverseTable(false);
    static const ReverseTable ansi = reverseTable(true);
    const ReverseTable& table = ansiDisplay ? ansi : oem;
    const auto found =
        std::lower_bound(table.begin(), table.end(), std::pair{shown, '\0'},
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    if (found == table.end() || found->first != shown)
        return std::nullopt;
    return found->second;
}

std::string screenText(std::string_view codes, bool ansiDisplay, Tabs tabs) {
    std::string text;
    text.reserve(codes.size());
    for (const char c : codes) {
        if (c == '\t' && tabs == Tabs::Kept)
            text += '\t';
        else
            appendUtf8(text, shownCharacter(static_cast<unsigned char>(c), ansiDisplay));
    }
    return text;
}

std::optional<unsigned char> typedCode(char32_t typed, bool ansiDisplay) {
    if (typed < 0x20)
        return std::nullopt;
    const auto shown = codeOfShown(typed, ansiDisplay);
    if (shown && *shown >= 0x20) // a control picture is no control key
        return shown;
    const unsigned char ansiCode = windows1252Code(typed);
    if (ansiDisplay)
        return ansiCode;
    return static_cast<unsigned char>(ansiToOem(std::string(1, static_cast<char>(ansiCode)))[0]);
}

std::u32string decodeUtf8(std::string_view text) {
    std::u32string decoded;
    decoded.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size())
        decoded += nextCharacter(text, i);
    return decoded;
}

void appendUtf8(std::string& text, char32_t character) {
    if (character < 0x80) {
        text += static_cast<char>(character);
    } else if (character < 0x800) {
        text += static_cast<char>(0xC0 | (character >> 6));
        text += static_cast<char>(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        text += static_cast<char>(0xE0 | (character >> 12));
        text += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (character >> 18));
        text += static_cast<char>(0x80 | ((character >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (character & 0x3F));
    }
}

} // namespace vornik
