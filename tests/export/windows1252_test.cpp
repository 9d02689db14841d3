#include "export/windows1252.h"

#include <gtest/gtest.h>

namespace vornik::exporting {
namespace {

// Bytes 0x80 to 0x9F as the code page maps them (CP1252.TXT), the five it leaves unassigned kept
// as the C1 controls of the same value, and every other byte as its Latin-1 code point.
TEST(FromWindows1252, DecodesEveryRangeOfTheCodePage) {
    const std::pair<std::string, std::u16string> rows[] = {
        {"\x80\x82\x8A\x93x\x94\x96\x97\x99\x9F",
         u"\u20AC\u201A\u0160\u201Cx\u201D\u2013\u2014\u2122\u0178"},
        {"\x81\x8D\x8F\x90\x9D", u"\u0081\u008D\u008F\u0090\u009D"},
        {{"A\0\x7F\xA0\xE9\xFF", 6}, {u"A\0\u007F\u00A0\u00E9\u00FF", 6}},
    };
    for (const auto& [bytes, expected] : rows)
        EXPECT_EQ(fromWindows1252(bytes).toStdU16String(), expected);
}

} // namespace
} // namespace vornik::exporting
