#include "core/dde/execute_string.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace vornik::dde {
namespace {

using namespace std::string_literals;

// --- nextCommand ------------------------------------------------------------

struct SplitCase {
    const char* name;
    std::string executeString;
    std::vector<std::string> commands; // in order, as nextCommand hands them out
    std::string rest;                  // what is left when no "]" remains
};

const std::vector<SplitCase>& splitCases() {
    static const std::vector<SplitCase> cases = {
        {"Empty", "", {}, ""},
        {"OnlyWhiteSpace", " \t\r\n ", {}, ""},
        {"OneCommand", "[CODE39]", {"[CODE39]"}, ""},
        {"TwoAdjacent", "[CODE39][BEEP]", {"[CODE39]", "[BEEP]"}, ""},
        {"LeadingBlanksAndNewlines", " \r\n\t [CODE39]", {"[CODE39]"}, ""},
        {"SeparatedByEveryBlank",
         "[A] [B]\t[C]\r[D]\n[E]\r\n",
         {"[A]", "[B]", "[C]", "[D]", "[E]"},
         ""},
        {"NoClosingBracket", "[CODE39", {}, "[CODE39"},
        {"TextAfterLastCommand", "[BEEP]tail", {"[BEEP]"}, "tail"},
        {"BlanksAroundTail", "[BEEP]  tail  ", {"[BEEP]"}, "tail"},
        // Text between two commands is the start of the second one.
        {"TextBetweenCommands", "[A] junk [B]", {"[A]", "junk [B]"}, ""},
        {"TextBeforeFirstCommand", "junk[A]", {"junk[A]"}, ""},
        {"DoubleClosingBracket", "]]", {"]", "]"}, ""},
        {"ClosingBracketsBeforeCommand", "]][A]", {"]", "]", "[A]"}, ""},
        {"OpeningBracketsOnly", "[[[", {}, "[[["},
        {"NestedOpeningBrackets", "[[A]]", {"[[A]", "]"}, ""},
        {"ValueWithBlanksKept", "[MESSAGE= a b ]", {"[MESSAGE= a b ]"}, ""},
        {"NulInsideCommand", "[A\0B][C]"s, {"[A\0B]"s, "[C]"}, ""},
        {"NulBetweenCommandsIsNotBlank", "[A]\0[C]"s, {"[A]", "\0[C]"s}, ""},
    };
    return cases;
}

TEST(NextCommandTest, SplitsExecuteStrings) {
    for (const SplitCase& row : splitCases()) {
        SCOPED_TRACE(row.name);
        std::string_view remainder = row.executeString;
        std::vector<std::string> commands;
        for (std::string_view command = nextCommand(remainder); !command.empty();
             command = nextCommand(remainder)) {
            commands.emplace_back(command);
            ASSERT_LE(commands.size(), row.executeString.size()) << "no progress";
        }
        EXPECT_EQ(commands, row.commands);
        EXPECT_EQ(std::string(remainder), row.rest);
    }
}

// The command is a view into the execute string itself, not a copy.
TEST(NextCommandTest, ReturnsAViewIntoTheString) {
    const std::string text = "  [A][B]";
    std::string_view remainder = text;
    const std::string_view first = nextCommand(remainder);
    EXPECT_EQ(first.data(), text.data() + 2);
    EXPECT_EQ(remainder.data(), text.data() + 5);
}

// --- trimmed ----------------------------------------------------------------

struct TrimCase {
    const char* name;
    std::string text;
    std::string expected;
};

TEST(TrimmedTest, RemovesBlanksTabsAndLineBreaksAtBothEnds) {
    const TrimCase cases[] = {
        {"Empty", "", ""},
        {"AllWhite", " \t\r\n", ""},
        {"NothingToTrim", "a b", "a b"},
        {"BothEnds", "\r\n\t a b \t\r\n", "a b"},
        {"NulIsNotWhite", "\0a\0"s, "\0a\0"s},
        {"NonBreakingSpaceIsNotWhite", "\xA0x\xA0", "\xA0x\xA0"},
    };
    for (const TrimCase& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(std::string(trimmed(row.text)), row.expected);
    }
}

// --- upperCased -------------------------------------------------------------

TEST(UpperCasedTest, ChangesOnlyAsciiLetters) {
    const TrimCase cases[] = {
        {"Empty", "", ""},
        {"Lower", "abcxyz", "ABCXYZ"},
        {"Mixed", "[Message='aBc']", "[MESSAGE='ABC']"},
        {"NeighboursOfTheLetters", "`@[{", "`@[{"},
        {"Digits", "0123456789", "0123456789"},
        {"LatinOneUnchanged", "\xE9\xE0\xFF\x80", "\xE9\xE0\xFF\x80"},
        {"NulKept", "a\0b"s, "A\0B"s},
    };
    for (const TrimCase& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(upperCased(row.text), row.expected);
    }
}

// Every byte on its own: only a to z change, by the distance from A to a.
TEST(UpperCasedTest, EveryByteValue) {
    for (int code = 0; code < 256; ++code) {
        SCOPED_TRACE(code);
        const char c = static_cast<char>(code);
        const char expected = (code >= 'a' && code <= 'z') ? static_cast<char>(code - 0x20) : c;
        EXPECT_EQ(upperCased(std::string(1, c)), std::string(1, expected));
    }
}

// --- decodeEscapedText ------------------------------------------------------

// The remainder modulo 256 of a decimal number of up to 38 digits, worked out
// in 128-bit arithmetic on the whole number at once.
unsigned modulo256(std::string_view digits) {
    unsigned __int128 number = 0;
    for (const char c : digits)
        number = number * 10 + static_cast<unsigned>(c - '0');
    return static_cast<unsigned>(number % 256);
}

TEST(Modulo256Test, AgreesWithKnownPowers) {
    EXPECT_EQ(modulo256("256"), 0u);
    EXPECT_EQ(modulo256("4294967296"), 0u);            // 2^32
    EXPECT_EQ(modulo256("18446744073709551681"), 65u); // 2^64 + 65
    // 10^20 is a multiple of 2^8, so 10^20 - 1 leaves 255.
    EXPECT_EQ(modulo256("99999999999999999999"), 255u);
}

struct DecodeCase {
    const char* name;
    std::string value;
    std::string expected;
};

const std::vector<DecodeCase>& decodeCases() {
    static const std::vector<DecodeCase> cases = {
        {"Empty", "", ""},
        {"QuotedAndCodes", "'ABC',13,10", "ABC\r\n"},
        {"OneCode", "65", "A"},
        {"CodeZeroIsNul", "0", "\0"s},
        {"LeadingZeros", "0065", "A"},
        {"Code255", "255", "\xFF"},
        {"Code256WrapsToNul", "256", "\0"s},
        {"Code321WrapsToA", "321", "A"},
        {"TwoToThe32", "4294967296", "\0"s},
        {"TwoToThe32PlusA", "4294967361", "A"},
        {"BeyondSixtyFourBits", "18446744073709551681",
         std::string(1, char(modulo256("18446744073709551681")))},
        {"TwentyNines", "99999999999999999999",
         std::string(1, char(modulo256("99999999999999999999")))},
        {"AnyNonDigitEndsARun", "65;66 67-68", "ABCD"},
        {"BlanksAroundCodes", " 65 , 66 ", "AB"},
        {"BlankSplitsDigits", "6 5", "\x06\x05"},
        {"SignIsDropped", "-1", "\x01"},
        {"LettersOutsideQuotesDropped", "A65B66", "AB"},
        {"UnterminatedQuote", "'AB", "AB"},
        {"UnterminatedQuoteTakesDigitsLiterally", "'AB,13", "AB,13"},
        {"QuoteRightAfterDigits", "65'B'", "AB"},
        {"QuoteRightAfterDigitsUnterminated", "65'", "A"},
        {"DigitsRightAfterQuote", "'A'66", "AB"},
        {"EmptyQuotes", "''", ""},
        {"QuoteCannotBeWritten", "'a''b'", "ab"},
        {"QuotedTextKeepsCaseAndBlanks", "' aB c '", " aB c "},
        {"QuotedDigitsAreText", "'65'", "65"},
        {"QuotedHighBytesKept", "'\xE9\xFF'", "\xE9\xFF"},
        {"QuotedNulKept", "'a\0b'"s, "a\0b"s},
        {"HighBytesOutsideQuotesDropped",
         "\xE9"
         "65\xFF",
         "A"},
        {"NulOutsideQuotesEndsARun",
         "65\0"
         "66"s,
         "AB"},
    };
    return cases;
}

TEST(DecodeEscapedTextTest, DecodesQuotesAndCharacterCodes) {
    for (const DecodeCase& row : decodeCases()) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(decodeEscapedText(row.value), row.expected);
    }
}

TEST(DecodeEscapedTextTest, FiveThousandDigitsAreOneCharacter) {
    // 10^5000 is a multiple of 2^8, so a run of 5000 nines leaves 255.
    EXPECT_EQ(decodeEscapedText(std::string(5000, '9')), "\xFF");
    // 10^5000 itself leaves 0, and 10^5000 + 65 leaves 65.
    EXPECT_EQ(decodeEscapedText("1" + std::string(4997, '0') + "065"), "A");
}

// --- decodeRgb --------------------------------------------------------------

struct RgbCase {
    const char* name;
    std::string value;
    ColorRef expected; // 0x00BBGGRR
};

TEST(DecodeRgbTest, TakesRedGreenBlueFromTheFirstThreeCharacters) {
    const RgbCase cases[] = {
        {"Orange", "255,128,0", 0x0080FF},       {"Blue", "0,0,255", 0xFF0000},
        {"Green", "0,255,0", 0x00FF00},          {"Empty", "", 0x000000},
        {"RedOnlyPadded", "255", 0x0000FF},      {"RedAndGreenPadded", "1,2", 0x000201},
        {"FourthCut", "1,2,3,4", 0x030201},      {"ManyCut", "9,8,7,6,5,4", 0x070809},
        {"QuotedCharacters", "'ABC'", 0x434241}, {"QuotedAndCodes", "'A',66,'C'", 0x434241},
        {"CodesWrap", "256,257,258", 0x020100},  {"HighQuotedByte", "'\xFF'", 0x0000FF},
        {"NoDigits", "red", 0x000000},
    };
    for (const RgbCase& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(decodeRgb(row.value), row.expected);
    }
}

// --- filePath ---------------------------------------------------------------

struct PathCase {
    const char* name;
    std::string command;
    std::size_t keywordLength;
    std::string expected;
};

TEST(FilePathTest, TakesTheTextBetweenKeywordAndClosingBrackets) {
    constexpr std::size_t kSave = std::string_view("[SAVECONFIG(").size();
    const PathCase cases[] = {
        {"Plain", "[SAVECONFIG(/tmp/job.vkf)]", kSave, "/tmp/job.vkf"},
        {"BlanksTrimmed", "[SAVECONFIG(   /tmp/job.vkf  )]", kSave, "/tmp/job.vkf"},
        {"InnerBlanksKept", "[SAVECONFIG( /tmp/my job.vkf )]", kSave, "/tmp/my job.vkf"},
        {"CaseKept", "[saveconfig(/Home/User/Job.VKF)]", kSave, "/Home/User/Job.VKF"},
        {"HighBytesKept", "[SAVECONFIG(/tmp/\xE9t\xE9.vkf)]", kSave, "/tmp/\xE9t\xE9.vkf"},
        {"MissingParenthesis", "[SAVECONFIG(/tmp/job.vkf]", kSave, "/tmp/job.vkf"},
        {"MissingBothClosers", "[SAVECONFIG(/tmp/job.vkf", kSave, "/tmp/job.vkf"},
        {"Empty", "[SAVECONFIG()]", kSave, ""},
        {"OnlyBlanks", "[SAVECONFIG(    )]", kSave, ""},
        {"ParenthesisInsidePath", "[SAVECONFIG(/tmp/a(1).vkf)]", kSave, "/tmp/a(1).vkf"},
        {"KeywordLongerThanCommand", "[SAVE", kSave, ""},
    };
    for (const PathCase& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(filePath(row.command, row.keywordLength), row.expected);
    }
}

} // namespace
} // namespace vornik::dde
