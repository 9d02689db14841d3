#include "core/app/display_set.h"

#include <gtest/gtest.h>
#include <set>

namespace vornik {
namespace {

constexpr bool kAscii = false;
constexpr bool kAnsi = true;

TEST(DisplaySetTest, CodesShowAsTheCharactersOfTheirSet) {
    struct Row {
        const char* name;
        std::string codes;
        bool ansi;
        std::string screen;
    };
    const Row rows[] = {
        {"ASCII letters", "Az09 ~", kAscii, "Az09 ~"},
        {"code page 437 upper half", "\x8E\x99\xC4\xE1\xFF", kAscii, "ÄÖ─ß\u00A0"},
        {"Windows-1252 upper half", "\x80\x8E\xC4\xE1\xFF", kAnsi, "€ŽÄáÿ"},
        {"an unassigned Windows-1252 code stays one character", "\x81", kAnsi, "\u0081"},
        {"Terminal's control glyphs", std::string("\x01\x09\x0D\x0A\x1F\x7F", 6), kAscii, "☺○♪◙▼⌂"},
        {"control pictures in ANSI mode", std::string("\x00\x01\x09\x0D\x1F\x7F", 6), kAnsi,
         "␀␁␉␍␟␡"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(screenText(row.codes, row.ansi), row.screen) << row.name;
        EXPECT_EQ(decodeUtf8(row.screen).size(), row.codes.size()) << row.name;
    }
    EXPECT_EQ(screenText("a\tb", kAscii, Tabs::Kept), "a\tb");
    EXPECT_EQ(screenText("a\tb", kAscii), "a○b");
}

TEST(DisplaySetTest, EveryCodeHasItsOwnCharacterAndComesBack) {
    for (const bool ansi : {kAscii, kAnsi}) {
        std::set<char32_t> seen;
        for (unsigned code = 0; code < 256; ++code) {
            const auto c = static_cast<unsigned char>(code);
            const char32_t shown = shownCharacter(c, ansi);
            EXPECT_LT(shown, 0x10000u) << code; // one UTF-16 unit in the box
            EXPECT_TRUE(seen.insert(shown).second) << "shown twice: " << code;
            EXPECT_EQ(codeOfShown(shown, ansi), c) << code;
        }
        EXPECT_EQ(codeOfShown(U'☃', ansi), std::nullopt);
    }
}

TEST(DisplaySetTest, TypedCharactersAreStoredInTheDisplaySet) {
    struct Row {
        const char* name;
        char32_t typed;
        bool ansi;
        std::optional<unsigned char> code;
    };
    const Row rows[] = {
        {"plain letter", U'a', kAscii, 'a'},
        {"Ä in ASCII mode is its OEM code", U'Ä', kAscii, 142},
        {"Ä in ANSI mode is as typed", U'Ä', kAnsi, 196},
        {"À has no OEM code: its plain letter", U'À', kAscii, 'A'},
        {"€ has no OEM code and no plain letter", U'€', kAscii, '?'},
        {"€ in ANSI mode", U'€', kAnsi, 0x80},
        {"box drawing keeps its OEM code", U'─', kAscii, 196},
        {"box drawing is not in Windows-1252", U'─', kAnsi, '?'},
        {"ÿ in ASCII mode", U'ÿ', kAscii, 152},
        {"delete key code is no control", U'\x7F', kAscii, 127},
        {"a control glyph is not its control code", U'☺', kAscii, '?'},
        {"tab is a control character", U'\t', kAnsi, std::nullopt},
        {"code 1 is a control character", U'\x01', kAscii, std::nullopt},
        {"beyond both sets", U'😀', kAnsi, '?'},
    };
    for (const Row& row : rows)
        EXPECT_EQ(typedCode(row.typed, row.ansi), row.code) << row.name;
}

TEST(DisplaySetTest, Utf8RoundTripsAndMalformedBytesAreReplaced) {
    const std::u32string characters = U"aÄ─😀";
    std::string encoded;
    for (const char32_t c : characters)
        appendUtf8(encoded, c);
    EXPECT_EQ(encoded, "aÄ─😀");
    EXPECT_EQ(decodeUtf8(encoded), characters);
    EXPECT_EQ(decodeUtf8("a\xC3"), U"a\uFFFD");           // cut short
    EXPECT_EQ(decodeUtf8("\x80z"), U"\uFFFDz");           // continuation without lead
    EXPECT_EQ(decodeUtf8("\xC0\xAFz"), U"\uFFFD\uFFFDz"); // overlong lead
    EXPECT_EQ(decodeUtf8("\xF4\x90\x80\x80"), U"\uFFFD"); // past U+10FFFF
}

TEST(DisplaySetTest, FontsOfTheTwoSets) {
    EXPECT_EQ(displayFontName(kAscii), "Terminal");
    EXPECT_EQ(displayFontName(kAnsi), "System");
}

} // namespace
} // namespace vornik
