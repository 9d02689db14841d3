// The interpreter fed with random and hostile execute strings: it must never
// crash, never leave a job field outside its range, and never lose text.

#include "core/app/application.h"
#include "core/dde/command_call.h"
#include "core/dde/execute_string.h"
#include "core/dde/interpreter.h"
#include "support/command_session.h"
#include "support/fake_host.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace vornik::dde {
namespace {

using namespace std::string_literals;

using Session = vornik::testing::CommandSession;

// A printable rendering of an execute string for failure messages.
std::string escaped(std::string_view text) {
    std::ostringstream out;
    for (const char c : text.substr(0, 300)) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= 0x20 && code < 0x7F)
            out << c;
        else
            out << "\\x" << std::hex << unsigned(code) << std::dec;
    }
    if (text.size() > 300)
        out << "... (" << text.size() << " bytes)";
    return out.str();
}

// Every rule a job must keep whatever commands it was given; empty when all
// hold, else the rules broken.
std::string brokenInvariants(const Job& job) {
    std::string broken;
    auto check = [&broken](bool holds, const char* rule) {
        if (!holds)
            broken.append(rule).append("; ");
    };
    auto within = [](auto value, auto low, auto high) { return value >= low && value <= high; };
    check(isValidSymbology(static_cast<std::int32_t>(job.Symbology)), "Symbology valid");
    check(within(job.TargetDpiX, 1, 99999), "TargetDpiX in 1..99999");
    check(within(job.TargetDpiY, 1, 99999), "TargetDpiY in 1..99999");
    const bool rotated = job.Orientation != Orientation::Horizontal;
    check(job.DotsAcross == (rotated ? job.TargetDpiY : job.TargetDpiX), "DotsAcross derived");
    check(job.DotsAlong == (rotated ? job.TargetDpiX : job.TargetDpiY), "DotsAlong derived");
    check(within(job.DmFormat, 0, 7), "DmFormat in 0..7");
    check(within(job.PdfSecurityLevel, 0, 9), "PdfSecurityLevel in 0..9");
    const std::int32_t e = job.DmEccLevel;
    check(e == 0 || e == 3 || e == 6 || e == 8 || e == 12 || e == 26, "DmEccLevel a level");
    check(within(job.Ratio, 0, 10), "Ratio in 0..10");
    check((job.BarWidthAdjust & ~(kBarWidthStepMask | kBarWidthGainBit)) == 0,
          "BarWidthAdjust only step and gain bits");
    check(within(job.PdfOverheadPercent, 0, 99), "PdfOverheadPercent in 0..99");
    check(job.PdfMaxColumns <= 30, "PdfMaxColumns at most 30");
    check(job.PdfMaxRows <= 90, "PdfMaxRows at most 90");
    check(within(job.FontSize, 1, 32767), "FontSize in 1..32767");
    check(within(job.PdfMode, 0, 4), "PdfMode in 0..4");
    check(within(job.PdfCharacterSet, 0, 2), "PdfCharacterSet in 0..2");
    check(within(job.ClipboardMode, 0, 1), "ClipboardMode 0 or 1");
    check(within(job.PdfShowCodewords, 0, 1), "PdfShowCodewords 0 or 1");
    check(within(job.PdfTruncated, 0, 1), "PdfTruncated 0 or 1");
    check(within(job.AztecMenuFlag, 0, 1), "AztecMenuFlag 0 or 1");
    check(within(job.DmStandard, 0, 1), "DmStandard 0 or 1");
    const Units u = job.Units;
    check(u == Units::InchesMils || u == Units::Metric || u == Units::PrinterDots, "Units known");
    check(within(static_cast<int>(job.Orientation), 0, 2), "Orientation in 0..2");
    check(within(static_cast<int>(job.CommentAlign), 0, 2), "CommentAlign in 0..2");
    check(!std::isnan(job.NarrowBarWidth), "NarrowBarWidth a number");
    check(!std::isnan(job.BarHeight), "BarHeight a number");
    check(!std::isnan(job.Magnification), "Magnification a number");
    check(!std::isnan(job.ModuleSize), "ModuleSize a number");
    check(!std::isnan(job.PdfModuleWidth), "PdfModuleWidth a number");
    check(!std::isnan(job.PdfModuleHeight), "PdfModuleHeight a number");
    check(std::isfinite(job.PdfAspectRatio), "PdfAspectRatio finite");
    return broken;
}

// --- random execute strings -------------------------------------------------

// Values that commands get: ordinary, at the edges of the ranges, beyond 32
// and 64 bits, beyond double, and no numbers at all.
const std::vector<std::string>& valueVocabulary() {
    static const std::vector<std::string> values = {"0",
                                                    "1",
                                                    "-1",
                                                    "4",
                                                    "-4",
                                                    "5",
                                                    "7",
                                                    "8",
                                                    "9",
                                                    "12",
                                                    "-12",
                                                    "16",
                                                    "26",
                                                    "30",
                                                    "31",
                                                    "50",
                                                    "79",
                                                    "80",
                                                    "-80",
                                                    "90",
                                                    "91",
                                                    "99",
                                                    "100",
                                                    "120",
                                                    "140",
                                                    "200",
                                                    "300",
                                                    "600",
                                                    "2.5",
                                                    "3.5",
                                                    "0.5",
                                                    "99999",
                                                    "100000",
                                                    "32767",
                                                    "32768",
                                                    "2147483647",
                                                    "2147483648",
                                                    "-2147483649",
                                                    "4294967296",
                                                    "-4294967297",
                                                    "18446744073709551616",
                                                    "-18446744073709551617",
                                                    "99999999999999999999999",
                                                    "1e308",
                                                    "-1e308",
                                                    "1e400",
                                                    "-1e400",
                                                    "1e-400",
                                                    "nan",
                                                    "NaN",
                                                    "inf",
                                                    "-inf",
                                                    "infinity",
                                                    "1e",
                                                    "e5",
                                                    ".",
                                                    ".5",
                                                    "5.",
                                                    "--1",
                                                    "+7",
                                                    "0x10",
                                                    " 12 ",
                                                    "\t3",
                                                    "'ABC',13,10",
                                                    "255,128,0",
                                                    "'",
                                                    "''",
                                                    "RED",
                                                    "red",
                                                    "AUTO",
                                                    "ON",
                                                    "OFF",
                                                    "",
                                                    " ",
                                                    "\0"s,
                                                    "1\0"s,
                                                    "\xFF\xFE",
                                                    "=",
                                                    "[",
                                                    "(",
                                                    ")"};
    return values;
}

struct Vocabulary {
    std::vector<std::string> exactCommands; // "[BEEP]", "[CODE39]", ...
    std::vector<std::string> valueKeywords; // "[FONTSIZE=", ...
    std::vector<std::string> noise;
};

Vocabulary makeVocabulary() {
    Vocabulary v;
    for (const CommandEntry& entry : actionCommands())
        v.exactCommands.emplace_back(entry.keyword);
    for (const SymbologyEntry& entry : kSymbologyCatalogue)
        for (std::string_view keyword : entry.keywords)
            if (!keyword.empty())
                v.exactCommands.emplace_back(keyword);
    for (const CommandEntry& entry : valueCommands())
        v.valueKeywords.emplace_back(entry.keyword);
    // Commands of the language that this interpreter may not know.
    for (const char* other : {"[PRINT]", "[NEXT]", "[PREV]", "[SAVECONFIG(/nonexistent/x.vkf)]",
                              "[OPENCONFIG(/nonexistent/x.vkf)]", "[INCENABLE]", "[APPNORMAL]"})
        v.exactCommands.emplace_back(other);
    v.noise = {"[",    "]",          "]]",       "[[",       "=",   "'",    "(",
               ")]",   " ",          "\r\n",     "\t",       "\0"s, "\xA0", "\xFF",
               "\x80", "9999999999", "[MESSAGE", "MESSAGE=", "[=]", "[]"};
    return v;
}

class RandomStrings {
public:
    explicit RandomStrings(unsigned seed) : random_(seed), vocabulary_(makeVocabulary()) {}

    std::string next() {
        std::string text;
        const int pieces = pick(1, 12);
        for (int i = 0; i < pieces; ++i)
            text += piece();
        return text;
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

private:
    template <typename T> const T& any(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(pick(0, static_cast<int>(items.size()) - 1))];
    }

    std::string piece() {
        std::string text;
        switch (pick(0, 5)) {
        case 0:
            text = any(vocabulary_.exactCommands);
            break;
        case 1:
        case 2:
            text = any(vocabulary_.valueKeywords) + any(valueVocabulary()) + "]";
            break;
        case 3:
            text = any(vocabulary_.noise);
            break;
        case 4: // a few raw bytes, high ones included
            for (int n = pick(1, 6); n > 0; --n)
                text += static_cast<char>(pick(0, 255));
            break;
        default: // a keyword cut short, or digits
            text = any(vocabulary_.valueKeywords).substr(0, static_cast<std::size_t>(pick(1, 8)));
            break;
        }
        if (pick(0, 4) == 0)
            for (char& c : text)
                if (c >= 'A' && c <= 'Z')
                    c = static_cast<char>(c - 'A' + 'a');
        return text;
    }

    std::mt19937 random_;
    Vocabulary vocabulary_;
};

TEST(InterpreterRobustnessTest, RandomStringsKeepTheJobValid) {
    Session session;
    RandomStrings strings(20240611);
    int refused = 0;
    int changed = 0;
    for (int i = 0; i < 3000; ++i) {
        const std::string text = strings.next();
        const Job before = session.job();
        refused += session.run(text) ? 0 : 1;
        changed += session.job() == before ? 0 : 1;
        ASSERT_EQ(brokenInvariants(session.job()), "") << "string " << i << ": " << escaped(text);
        // Builds of the random jobs pile up notices; only the job matters here.
        session.host.messages.clear();
    }
    // The strings reached the commands: many changed the job, many were refused.
    EXPECT_GT(refused, 300);
    EXPECT_GT(changed, 1000);
}

// Running a string at once or command by command makes no difference: the
// interpreter keeps nothing between commands but the job.
TEST(InterpreterRobustnessTest, WholeStringEqualsItsCommandsOneByOne) {
    Session whole;
    Session oneByOne;
    RandomStrings strings(77);
    for (int i = 0; i < 600; ++i) {
        const std::string text = strings.next();
        const bool acknowledged = whole.run(text);
        bool allAcknowledged = true;
        std::string_view remainder = text;
        for (std::string_view command = nextCommand(remainder); !command.empty();
             command = nextCommand(remainder))
            allAcknowledged = oneByOne.run(command) && allAcknowledged;
        ASSERT_EQ(acknowledged, allAcknowledged) << "string " << i << ": " << escaped(text);
        ASSERT_TRUE(whole.job() == oneByOne.job()) << "string " << i << ": " << escaped(text);
        whole.host.messages.clear();
        oneByOne.host.messages.clear();
    }
}

// Without a "]" there is no command: nothing may change.
TEST(InterpreterRobustnessTest, StringsWithoutClosingBracketChangeNothing) {
    Session session;
    RandomStrings strings(4242);
    for (int i = 0; i < 1000; ++i) {
        std::string text = strings.next();
        std::erase(text, ']');
        const Job before = session.job();
        EXPECT_TRUE(session.run(text)) << escaped(text);
        ASSERT_TRUE(session.job() == before) << "string " << i << ": " << escaped(text);
    }
    EXPECT_FALSE(session.app.state().WordWarningDone);
    EXPECT_FALSE(session.app.state().Dirty);
    EXPECT_EQ(session.host.beeps, 0);
    EXPECT_TRUE(session.host.messages.empty());
}

// --- large inputs -----------------------------------------------------------

constexpr std::size_t kMegabyte = 1 << 20;

// Random bytes of every value except those the command cannot carry.
std::string randomText(std::size_t size, std::string_view excluded, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string text;
    text.reserve(size);
    while (text.size() < size) {
        const char c = static_cast<char>(byte(random));
        if (excluded.find(c) == std::string_view::npos)
            text.push_back(c);
    }
    return text;
}

TEST(InterpreterRobustnessTest, MegabyteMessageArrivesIntact) {
    Session session;
    const std::string text = randomText(kMegabyte, "]'", 1);
    EXPECT_TRUE(session.run("[MESSAGE='" + text + "']"));
    EXPECT_EQ(session.job().Message.size(), text.size());
    EXPECT_TRUE(session.job().Message == text);
}

TEST(InterpreterRobustnessTest, MegabyteRawTextsArriveIntact) {
    struct Case {
        const char* keyword;
        std::string Job::*field;
    };
    const Case cases[] = {{"[MSGTEXT=", &Job::Message},
                          {"[COMMENT=", &Job::Comment},
                          {"[COMPOSITE=", &Job::Supplement},
                          {"[FONTNAME=", &Job::FontName}};
    const std::string text = randomText(kMegabyte, "]", 2);
    for (const Case& row : cases) {
        SCOPED_TRACE(row.keyword);
        Session session;
        EXPECT_TRUE(session.run(row.keyword + text + "]"));
        EXPECT_EQ((session.job().*row.field).size(), text.size());
        EXPECT_TRUE(session.job().*row.field == text);
    }
}

TEST(InterpreterRobustnessTest, MegabyteOfDigitsIsOneCharacter) {
    Session session;
    // 10^n is a multiple of 2^8 for n >= 8, so a run of nines leaves 255.
    EXPECT_TRUE(session.run("[MESSAGE=" + std::string(kMegabyte, '9') + "]"));
    EXPECT_EQ(session.job().Message, "\xFF");
}

struct BracketCase {
    const char* name;
    std::string executeString;
    Symbology symbology; // afterwards
};

TEST(InterpreterRobustnessTest, UnbalancedBrackets) {
    const std::string manyOpen(kMegabyte, '[');
    const std::string manyClose(100'000, ']');
    const BracketCase cases[] = {
        {"MegabyteOfOpening", manyOpen, Symbology::Code39},
        {"MegabyteOfOpeningClosed", manyOpen + "]", Symbology::Code39},
        {"MegabyteOfOpeningThenKeyword", manyOpen + "CODE128]", Symbology::Code39},
        {"ManyClosing", manyClose, Symbology::Code39},
        {"ManyClosingThenKeyword", manyClose + "[CODE128]", Symbology::Code128},
        {"OpeningBeforeKeyword", "[[[CODE128]", Symbology::Code39},
        {"ClosingBeforeKeyword", "]]][CODE128]", Symbology::Code128},
        {"KeywordWithoutClosing", "[CODE128", Symbology::Code39},
        {"DoubleClosingAfterKeyword", "[CODE128]]", Symbology::Code128},
    };
    for (const BracketCase& row : cases) {
        SCOPED_TRACE(row.name);
        Session session;
        // None of these holds a command that could be refused.
        EXPECT_TRUE(session.run(row.executeString));
        EXPECT_EQ(session.job().Symbology, row.symbology);
        EXPECT_EQ(brokenInvariants(session.job()), "");
    }
}

// --- extreme numbers in every numeric command -------------------------------

struct ExtremeValue {
    std::string text;
    bool number; // a number that fits a double, as strtod reads it whole
};

const std::vector<ExtremeValue>& extremeValues() {
    static const std::vector<ExtremeValue> values = {
        {"2147483648", true},              // 2^31, just above int32
        {"-2147483649", true},             // just below int32
        {"4294967296", true},              // 2^32
        {"-4294967297", true},             // -(2^32 + 1)
        {"18446744073709551616", true},    // 2^64
        {"-18446744073709551617", true},   // -(2^64 + 1)
        {"99999999999999999999999", true}, // beyond 64 bits
        {"1e308", true},                   // near the largest double
        {"-1e308", true},                  // near the lowest double
        {std::string(5000, '9'), false},   // beyond double
        {"1e400", false},                  // beyond double
        {"-1e400", false},                 // beyond double
        {"nan", false},                    // no number
        {"-nan", false},                   // no number
        {"inf", false},                    // no number
        {"-inf", false},                   // no number
        {"infinity", false},               // no number
        {"1e", false},                     // an exponent without digits
        {"--1", false},                    // two signs
        {"0x10", false},                   // hexadecimal
        {"", false},                       // nothing
        {"1\0"s, false},                   // a NUL after the digit
        {"\xEF\xBC\x95", false},           // a full-width digit five
    };
    return values;
}

struct NumericCommand {
    const char* keyword;
    const char* setup;
};

// Commands with a bounded numeric value. No extreme value fits any of them:
// each lies beyond the int32 field (or the command's narrower range), or is no
// number at all. So each is refused and the job left as it was; clamping it to
// the nearest int32 would store a number the caller never sent.
constexpr NumericCommand kBoundedCommands[] = {
    {"[PDFSECURITY=", ""},   {"[PDFOVERHEAD=", ""}, {"[PDFMAXCOLS=", ""}, {"[PDFMAXROWS=", ""},
    {"[AZTECECP=", ""},      {"[DMFORMAT=", ""},    {"[DMECC=", ""},      {"[BARREDUCTION=", ""},
    {"[HORIZONTALDPI=", ""}, {"[VERTICALDPI=", ""}, {"[FONTSIZE=", ""},   {"[MAGNIFY=", "[EAN13]"},
};

TEST(InterpreterRobustnessTest, ExtremeValuesAreRefused) {
    for (const NumericCommand& command : kBoundedCommands) {
        for (const ExtremeValue& value : extremeValues()) {
            const std::string text = command.keyword + value.text + "]";
            SCOPED_TRACE(escaped(text));
            Session session;
            ASSERT_TRUE(session.run(command.setup));
            const Job before = session.job();
            EXPECT_FALSE(session.run(text));
            EXPECT_TRUE(session.job() == before);
        }
    }
}

// The aspect ratio takes any number a double holds, and nothing else.
TEST(InterpreterRobustnessTest, PdfAspectTakesFiniteNumbersOnly) {
    for (const ExtremeValue& value : extremeValues()) {
        const std::string text = "[PDFASPECT=" + value.text + "]";
        SCOPED_TRACE(escaped(text));
        Session session;
        ASSERT_TRUE(session.run("[PDF417]"));
        const double before = session.job().PdfAspectRatio;
        EXPECT_EQ(session.run(text), value.number);
        const double expected = value.number ? std::strtod(value.text.c_str(), nullptr) : before;
        EXPECT_EQ(session.job().PdfAspectRatio, expected);
        EXPECT_EQ(brokenInvariants(session.job()), "");
    }
}

// The ratio list holds 2.0 to 3.0 only: no extreme value selects an entry.
TEST(InterpreterRobustnessTest, RatioIgnoresExtremeValues) {
    for (const ExtremeValue& value : extremeValues()) {
        const std::string text = "[RATIO=" + value.text + "]";
        SCOPED_TRACE(escaped(text));
        Session session;
        ASSERT_TRUE(session.run("[RATIO=2.3]"));
        EXPECT_TRUE(session.run(text));
        EXPECT_EQ(session.job().Ratio, 3);
    }
}

struct DimensionCommand {
    const char* keyword;
    float Job::*field;
};

constexpr DimensionCommand kDimensionCommands[] = {
    {"[BARWIDTH=", &Job::NarrowBarWidth},       {"[BARHEIGHT=", &Job::BarHeight},
    {"[PDFMODULEWIDTH=", &Job::PdfModuleWidth}, {"[PDFMODULEHEIGHT=", &Job::PdfModuleHeight},
    {"[AZTECMODULESIZE=", &Job::ModuleSize},    {"[DMMODULESIZE=", &Job::ModuleSize},
};

// Dimensions are read as a box reads typed text: a leading number, else 0;
// a length beyond the range of float is no dimension and is 0 as well.
// Whatever they get, a build of the job afterwards must come through.
TEST(InterpreterRobustnessTest, DimensionsTakeExtremeValues) {
    for (const DimensionCommand& command : kDimensionCommands) {
        for (const ExtremeValue& value : extremeValues()) {
            const std::string text = command.keyword + value.text + "]";
            SCOPED_TRACE(escaped(text));
            Session session;
            EXPECT_TRUE(session.run(text));
            const float stored = session.job().*command.field;
            EXPECT_FALSE(std::isnan(stored));
            const bool leadsWithNumber = value.number || value.text == "1e" || value.text == "1\0"s;
            const bool fitsFloat = !value.number || std::fabs(std::stod(value.text)) < 1e30;
            if (!leadsWithNumber || !fitsFloat) {
                EXPECT_EQ(stored, 0.0f);
            } else {
                EXPECT_NE(stored, 0.0f);
            }
            EXPECT_TRUE(session.run("[MESSAGE='A'][BUILD/COPY]"));
            EXPECT_EQ(brokenInvariants(session.job()), "");
        }
    }
}

} // namespace
} // namespace vornik::dde
