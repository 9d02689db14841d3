#include "core/app/named_color.h"

#include <array>
#include <utility>

namespace vornik {

namespace {

// The sixteen colours of the classic palette, as colour references 0x00BBGGRR.
// ("FUSCHIA" is the name commands use.)
constexpr std::array<std::pair<std::string_view, ColorRef>, 15> kNamedColors{{
    {"MAROON", 0x000080},
    {"GREEN", 0x008000},
    {"OLIVE", 0x008080},
    {"NAVY", 0x800000},
    {"PURPLE", 0x800080},
    {"TEAL", 0x808000},
    {"GRAY", 0x808080},
    {"SILVER", 0xC0C0C0},
    {"RED", 0x0000FF},
    {"LIME", 0x00FF00},
    {"YELLOW", 0x00FFFF},
    {"BLUE", 0xFF0000},
    {"FUSCHIA", 0xFF00FF},
    {"AQUA", 0xFFFF00},
    {"WHITE", 0xFFFFFF},
}};

} // namespace

ColorRef NamedColor(std::string_view upperName) {
    for (const auto& [name, color] : kNamedColors)
        if (name == upperName)
            return color;
    return kBlack;
}

} // namespace vornik
