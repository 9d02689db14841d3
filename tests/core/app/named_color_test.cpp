#include "core/app/named_color.h"
#include "support/row_name.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace vornik {
namespace {

using vornik::testing::PrintTo;

struct ColorCase {
    std::string name;
    std::string colorName;
    ColorRef expected; // 0x00BBGGRR
};

std::string rowName(const ::testing::TestParamInfo<ColorCase>& info) {
    return info.param.name;
}

class NamedColorTest : public ::testing::TestWithParam<ColorCase> {};

TEST_P(NamedColorTest, GivesTheColourReference) {
    EXPECT_EQ(NamedColor(GetParam().colorName), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NamedColorTest,
    ::testing::Values(ColorCase{"Maroon", "MAROON", 0x000080},
                      ColorCase{"Green", "GREEN", 0x008000}, ColorCase{"Olive", "OLIVE", 0x008080},
                      ColorCase{"Navy", "NAVY", 0x800000}, ColorCase{"Purple", "PURPLE", 0x800080},
                      ColorCase{"Teal", "TEAL", 0x808000}, ColorCase{"Gray", "GRAY", 0x808080},
                      ColorCase{"Silver", "SILVER", 0xC0C0C0}, ColorCase{"Red", "RED", 0x0000FF},
                      ColorCase{"Lime", "LIME", 0x00FF00}, ColorCase{"Yellow", "YELLOW", 0x00FFFF},
                      ColorCase{"Blue", "BLUE", 0xFF0000},
                      ColorCase{"Fuschia", "FUSCHIA", 0xFF00FF},
                      ColorCase{"Aqua", "AQUA", 0xFFFF00}, ColorCase{"White", "WHITE", 0xFFFFFF}),
    rowName);

// Anything else is black.
INSTANTIATE_TEST_SUITE_P(
    Unknown, NamedColorTest,
    ::testing::Values(ColorCase{"LowerCase", "red", 0}, ColorCase{"MixedCase", "White", 0},
                      ColorCase{"Empty", "", 0}, ColorCase{"Black", "BLACK", 0},
                      ColorCase{"FuchsiaSpeltCorrectly", "FUCHSIA", 0},
                      ColorCase{"GreySpeltWithE", "GREY", 0}, ColorCase{"TrailingBlank", "RED ", 0},
                      ColorCase{"LeadingBlank", " BLUE", 0}, ColorCase{"Prefix", "WHIT", 0},
                      ColorCase{"Longer", "WHITES", 0}),
    rowName);

} // namespace
} // namespace vornik
