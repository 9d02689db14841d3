#include "core/dde/execute_string.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vornik::dde {
namespace {

using namespace std::string_literals;

TEST(NextCommandTest, SplitsExecuteStrings) {
    const struct {
        const char* name;
        std::string executeString;
        std::vector<std::string> commands; // in order, as nextCommand hands them out
        std::string rest;                  // what is left when no "]" remains
    } rows[] = {
        {"SeparatedByEveryBlank", " [A] [B]\t[C]\r\n[D]", {"[A]", "[B]", "[C]", "[D]"}, ""},
        {"NoClosingBracketTrimmed", "[BEEP]  [CODE39  ", {"[BEEP]"}, "[CODE39"},
        // Text between two commands is the start of the second one.
        {"TextBetweenCommands", "[A] junk [B]", {"[A]", "junk [B]"}, ""},
        {"ClosingBracketsAlone", "]][A]", {"]", "]", "[A]"}, ""},
        {"NulIsNotBlank", "[A\0B]\0[C]"s, {"[A\0B]"s, "\0[C]"s}, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::string_view remainder = row.executeString;
        std::vector<std::string> commands;
        for (auto command = nextCommand(remainder); !command.empty();
             command = nextCommand(remainder))
            commands.emplace_back(command);
        EXPECT_EQ(commands, row.commands);
        EXPECT_EQ(std::string(remainder), row.rest);
    }
}

TEST(ExecuteStringTest, TextsOfCommands) {
    // Only a to z are upper-cased: neither their neighbours nor bytes above 127.
    EXPECT_EQ(upperCased("[az`{@\xE9\xFF\0]"s), "[AZ`{@\xE9\xFF\0]"s);
    EXPECT_EQ(decodeRgb("255,128,0"), 0x0080FFu); // 0x00BBGGRR
    EXPECT_EQ(decodeRgb("'A',66"), 0x004241u);    // padded with NUL
    EXPECT_EQ(decodeRgb("256,257,258,4"), 0x020100u);
    const std::pair<std::string, std::string> paths[] = {
        {"[SAVECONFIG(  /tmp/my job.vkf )]", "/tmp/my job.vkf"}, // blanks trimmed, inner kept
        {"[saveconfig(/Home/User/Job.VKF)]", "/Home/User/Job.VKF"},
        {"[SAVECONFIG(/tmp/a(1).vkf]", "/tmp/a(1).vkf"}, // no closing parenthesis
        {"[SAVE", ""},
    };
    for (const auto& [command, path] : paths)
        EXPECT_EQ(filePath(command, std::string_view("[SAVECONFIG(").size()), path) << command;
}

TEST(DecodeEscapedTextTest, DecodesQuotesAndCharacterCodes) {
    const std::pair<std::string, std::string> rows[] = {
        // clang-format off
        {"'ABC',13,10", "ABC\r\n"}, {"4294967361", "A"} /* 2^32 + 65 */,
        {"18446744073709551681", "A"} /* 2^64 + 65 */,
        {"99999999999999999999", "\xFF"}, // 10^20 is a multiple of 2^8
        {"6 5;66-67", "\6\5BC"} /* any non-digit ends a run */, {"-1A65\xE9", "\1A"},
        {"'AB,13", "AB,13"} /* unterminated quote */, {"65'B'67", "ABC"}, {"'a''b'", "ab"},
        {"' aB 65 \xE9\0'"s, " aB 65 \xE9\0"s},
        // clang-format on
    };
    for (const auto& [input, expected] : rows)
        EXPECT_EQ(decodeEscapedText(input), expected) << input;
}

} // namespace
} // namespace vornik::dde
