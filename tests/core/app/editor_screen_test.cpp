#include "core/app/editor_screen.h"

#include <gtest/gtest.h>

namespace vornik {
namespace {

using enum LineBreak;

TEST(EditorScreenTest, LineBreaksAreChosenByTheText) {
    EXPECT_EQ(lineBreakOf(""), CrLf);
    EXPECT_EQ(lineBreakOf("A\nB\n"), Lf);
    EXPECT_EQ(lineBreakOf("A\r\nB"), CrLf);
    EXPECT_EQ(lineBreakOf("A\nB\r"), CrLf);
}

TEST(EditorScreenTest, TextsComeBackFromTheBoxUnchanged) {
    struct Row {
        const char* name;
        std::string codes;
        LineBreak lineBreak;
        bool ansi;
        std::string screen;
    };
    const Row rows[] = {
        {"CR LF pairs are lines", "A\r\nB\tC\r\n", CrLf, false, "A\nB\tC\n"},
        {"a lone CR or LF is a picture", "A\rB\nC", CrLf, false, "A♪B◙C"},
        {"a lone LF in ANSI mode", "A\nB", CrLf, true, "A␊B"},
        {"LF lines", "A\nB\n", Lf, false, "A\nB\n"},
        {"upper codes in ASCII mode", "\x8E\xE1\xFF", CrLf, false, "Äß\u00A0"},
        {"upper codes in ANSI mode", "\x8E\xE1\xFF", CrLf, true, "Žáÿ"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(editorScreenText(row.codes, row.lineBreak, row.ansi), row.screen);
        EXPECT_EQ(editorCodes(row.screen, row.lineBreak, row.ansi), row.codes);
    }
}

TEST(EditorScreenTest, WhatTheBoxHoldsBecomesCodes) {
    EXPECT_EQ(editorCodes("A\nB", CrLf, false), "A\r\nB");
    EXPECT_EQ(editorCodes("A\r\nB\rC", Lf, false), "A\nB\nC");
    EXPECT_EQ(editorCodes("À€😀", CrLf, false), "A??");
    EXPECT_EQ(editorCodes("À€", CrLf, true), "\xC0\x80");
    EXPECT_EQ(editorCodes("A\x01\x1B"
                          "B",
                          CrLf, true),
              "AB");
}

TEST(EditorScreenTest, PositionsCountALineBreakOnce) {
    const std::string codes = "AB\r\nCD\rE";
    // code position -> box position
    const std::pair<std::size_t, std::size_t> rows[] = {
        {0, 0}, {2, 2}, {4, 3}, {6, 5}, {7, 6}, {8, 7}, {50, 7},
    };
    for (const auto& [code, screen] : rows) {
        EXPECT_EQ(screenPosition(codes, CrLf, code), screen) << code;
        EXPECT_EQ(codePosition(codes, CrLf, screen), std::min<std::size_t>(code, 8)) << screen;
    }
    EXPECT_EQ(screenPosition("A\nB", Lf, 2), 2u);
    EXPECT_EQ(codePosition("A\nB", Lf, 2), 2u);
}

} // namespace
} // namespace vornik
