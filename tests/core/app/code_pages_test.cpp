#include "core/app/code_pages.h"

#include <gtest/gtest.h>

namespace vornik {
namespace {

TEST(CodePages, AnsiAndOemConvertBothWays) {
    const struct {
        const char* name;
        std::string ansi;
        std::string oem;
    } rows[] = {
        {"Ascii", "Plain 7-bit text\t~", "Plain 7-bit text\t~"},
        {"Accents", "\xE9\xE8\xFC\xC7", "\x82\x8A\x81\x80"}, // é è ü Ç
        {"Symbols", "\xA3\xB1\xF7\xDF", "\x9C\xF1\xF6\xE1"}, // £ ± ÷ ß
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ansiToOem(row.ansi), row.oem);
        EXPECT_EQ(oemToAnsi(row.oem), row.ansi);
    }
    // Best fits: an accented capital the other set lacks, and a line-drawing
    // character no ANSI character is like.
    EXPECT_EQ(ansiToOem("\xC0\xC3"), "AA");
    EXPECT_EQ(oemToAnsi("\xC4"), "?");
}

} // namespace
} // namespace vornik
