#include "core/dde/execute_string.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace vornik::dde {
namespace {

using namespace std::string_literals;

struct SplitCase {
    const char* name;
    std::string executeString;
    std::vector<std::string> commands; // in order, as nextCommand hands them out
    std::string rest;                  // what is left when no "]" remains
};

TEST(NextCommandTest, SplitsExecuteStrings) {
    const SplitCase cases[] = {
        {"SeparatedByEveryBlank", " [A] [B]\t[C]\r\n[D]", {"[A]", "[B]", "[C]", "[D]"}, ""},
        {"NoClosingBracketTrimmed", "[BEEP]  [CODE39  ", {"[BEEP]"}, "[CODE39"},
        // Text between two commands is the start of the second one.
        {"TextBetweenCommands", "[A] junk [B]", {"[A]", "junk [B]"}, ""},
        {"ClosingBracketsAlone", "]][A]", {"]", "]", "[A]"}, ""},
        {"NulIsNotBlank", "[A\0B]\0[C]"s, {"[A\0B]"s, "\0[C]"s}, ""},
    };
    for (const SplitCase& row : cases) {
        SCOPED_TRACE(row.name);
        std::string_view remainder = row.executeString;
        std::vector<std::string> commands;
        for (std::string_view command = nextCommand(remainder); !command.empty();
             command = nextCommand(remainder))
            commands.emplace_back(command);
        EXPECT_EQ(commands, row.commands);
        EXPECT_EQ(std::string(remainder), row.rest);
    }
}

// Only a to z change: neither their neighbours nor bytes above 127.
TEST(UpperCasedTest, ChangesOnlyAsciiLetters) {
    EXPECT_EQ(upperCased("[az`{@\xE9\xFF\0]"s), "[AZ`{@\xE9\xFF\0]"s);
}

struct TextCase {
    const char* name;
    std::string input;
    std::string expected;
};

TEST(DecodeEscapedTextTest, DecodesQuotesAndCharacterCodes) {
    const TextCase cases[] = {
        {"QuotedAndCodes", "'ABC',13,10", "ABC\r\n"},
        {"TwoToThe32PlusA", "4294967361", "A"},
        {"TwoToThe64PlusA", "18446744073709551681", "A"},
        // 10^20 is a multiple of 2^8, so 10^20 - 1 leaves 255.
        {"TwentyNines", "99999999999999999999", "\xFF"},
        {"AnyNonDigitEndsARun", "6 5;66-67", "\6\5BC"},
        {"SignAndLettersDropped", "-1A65\xE9", "\1A"},
        {"UnterminatedQuoteTakesDigitsLiterally", "'AB,13", "AB,13"},
        {"QuotesAdjoiningDigits", "65'B'67", "ABC"},
        {"QuoteCannotBeWritten", "'a''b'", "ab"},
        {"QuotedTextKeptAsSent", "' aB 65 \xE9\0'"s, " aB 65 \xE9\0"s},
    };
    for (const TextCase& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(decodeEscapedText(row.input), row.expected);
    }
}

TEST(DecodeRgbTest, TakesRedGreenBlueFromTheFirstThreeCharacters) {
    EXPECT_EQ(decodeRgb("255,128,0"), 0x0080FFu); // 0x00BBGGRR
    EXPECT_EQ(decodeRgb("'A',66"), 0x004241u);    // padded with NUL
    EXPECT_EQ(decodeRgb("256,257,258,4"), 0x020100u);
}

TEST(FilePathTest, TakesTheTextBetweenKeywordAndClosingBrackets) {
    const TextCase cases[] = {
        {"BlanksTrimmedInnerKept", "[SAVECONFIG(  /tmp/my job.vkf )]", "/tmp/my job.vkf"},
        {"CaseKept", "[saveconfig(/Home/User/Job.VKF)]", "/Home/User/Job.VKF"},
        {"MissingParenthesis", "[SAVECONFIG(/tmp/a(1).vkf]", "/tmp/a(1).vkf"},
        {"KeywordLongerThanCommand", "[SAVE", ""},
    };
    for (const TextCase& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(filePath(row.input, std::string_view("[SAVECONFIG(").size()), row.expected);
    }
}

} // namespace
} // namespace vornik::dde
