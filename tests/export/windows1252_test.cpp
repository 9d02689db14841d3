#include "export/windows1252.h"

#include <gtest/gtest.h>
#include <string>

namespace vornik::exporting {
namespace {

struct Row {
    const char* name;
    std::string bytes;
    std::u16string expected;
};

// clang-format off
const Row kRows[] = {
    {"ascii",              "HELLO 123",         u"HELLO 123"},
    {"euro first of range", "\x80",             u"\u20AC"},
    {"quotes and dashes",  "\x93x\x94\x96\x97", u"\u201Cx\u201D\u2013\u2014"},
    {"last of range",      "\x9F",              u"\u0178"},
    {"unassigned kept",    "\x81\x8D\x8F\x90\x9D", u"\u0081\u008D\u008F\u0090\u009D"},
    {"latin-1 above range", "\xA0\xE9\xFF",     u"\u00A0\u00E9\u00FF"},
    {"nul is a character", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
};
// clang-format on

TEST(FromWindows1252, DecodesEveryRangeOfTheCodePage) {
    for (const Row& row : kRows) {
        EXPECT_EQ(fromWindows1252(row.bytes), QString::fromStdU16String(row.expected)) << row.name;
    }
}

} // namespace
} // namespace vornik::exporting
