#include "core/app/named_color.h"

#include <gtest/gtest.h>
#include <utility>

namespace vornik {
namespace {

TEST(NamedColor, GivesTheColourReferenceOrBlack) {
    // Colour references are 0x00BBGGRR; a name must match exactly, anything else is black.
    const std::pair<const char*, ColorRef> rows[] = {
        // clang-format off
        {"MAROON", 0x000080}, {"GREEN", 0x008000}, {"OLIVE", 0x008080}, {"NAVY", 0x800000},
        {"PURPLE", 0x800080}, {"TEAL", 0x808000}, {"GRAY", 0x808080}, {"SILVER", 0xC0C0C0},
        {"RED", 0x0000FF}, {"LIME", 0x00FF00}, {"YELLOW", 0x00FFFF}, {"BLUE", 0xFF0000},
        {"FUSCHIA", 0xFF00FF}, {"AQUA", 0xFFFF00}, {"WHITE", 0xFFFFFF},
        {"red", 0}, {"FUCHSIA", 0}, {"GREY", 0}, {"BLACK", 0}, {"RED ", 0}, {"WHIT", 0}, {"", 0},
        // clang-format on
    };
    for (const auto& [name, expected] : rows)
        EXPECT_EQ(NamedColor(name), expected) << name;
}

} // namespace
} // namespace vornik
