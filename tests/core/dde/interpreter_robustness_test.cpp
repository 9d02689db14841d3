// The interpreter fed with random and hostile execute strings: it must never
// crash, never leave a job field outside its range, and never lose text.

#include "core/dde/command_call.h"
#include "support/command_session.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace vornik::dde {
namespace {

using namespace std::string_literals;

using Session = vornik::testing::CommandSession;

// The rules a job keeps whatever commands it was given.
bool isValid(const Job& job) {
    auto within = [](auto value, auto low, auto high) { return value >= low && value <= high; };
    const bool rotated = job.Orientation != Orientation::Horizontal;
    const std::int32_t e = job.DmEccLevel;
    bool valid = isValidSymbology(static_cast<std::int32_t>(job.Symbology)) &&
                 within(job.TargetDpiX, 1, 99999) && within(job.TargetDpiY, 1, 99999) &&
                 job.DotsAcross == (rotated ? job.TargetDpiY : job.TargetDpiX) &&
                 job.DotsAlong == (rotated ? job.TargetDpiX : job.TargetDpiY) &&
                 within(job.DmFormat, 0, 7) && within(job.PdfSecurityLevel, 0, 9) &&
                 (e == 0 || e == 3 || e == 6 || e == 8 || e == 12 || e == 26) &&
                 within(job.Ratio, 0, 10) && within(job.PdfOverheadPercent, 0, 99) &&
                 (job.BarWidthAdjust & ~(kBarWidthStepMask | kBarWidthGainBit)) == 0 &&
                 job.PdfMaxColumns <= 30 && job.PdfMaxRows <= 90 &&
                 within(job.FontSize, 1, 32767) && std::isfinite(job.PdfAspectRatio);
    for (const float length : {job.NarrowBarWidth, job.BarHeight, job.Magnification, job.ModuleSize,
                               job.PdfModuleWidth, job.PdfModuleHeight})
        valid = valid && std::isfinite(length);
    return valid;
}

// Beyond 32 and 64 bits, beyond double, and no numbers at all; none fits a
// bounded numeric command.
// clang-format off
const std::vector<std::string> kExtremeValues = {"2147483648", "-2147483649", "4294967296",
    "-4294967297", "18446744073709551616", "-18446744073709551617", "99999999999999999999999",
    "1e308", "-1e308", std::string(5000, '9'), "1e400", "-1e400", "nan", "-nan", "inf",
    "infinity", "1e", "--1", "0x10", "", "1\0"s, "\xEF\xBC\x95" /* full-width 5 */};
const std::vector<std::string> kOrdinaryValues = {"0", "-1", "-4", "7", "8", "9", "-12", "30",
    "31", "50", "80", "90", "91", "99", "100", "120", "2.5", "3.5", "99999", "100000", "32767",
    "32768", "'ABC',13,10", "255,128,0", "'", "RED", "AUTO", " 12 ", "\0"s, "\xFF\xFE", "=", "["};
// clang-format on

// Pieces of random strings: whole commands, noise, and every value command
// with every value above.
std::vector<std::string> allPieces() {
    std::vector<std::string> pieces = {"[", "]",    "]]",   "[[",       "'",   ")]",
                                       " ", "\r\n", "\xA0", "[MESSAGE", "[=]", "[PRINT]"};
    for (const CommandEntry& entry : actionCommands())
        pieces.emplace_back(entry.keyword);
    for (const SymbologyEntry& entry : kSymbologyCatalogue)
        pieces.insert(pieces.end(), entry.keywords.begin(), entry.keywords.end());
    for (const CommandEntry& entry : valueCommands())
        for (const auto* values : {&kExtremeValues, &kOrdinaryValues})
            for (const std::string& value : *values)
                pieces.push_back(std::string(entry.keyword) + value + "]");
    return pieces;
}

// Up to twelve pieces, some cut short, some raw bytes, some in lower case.
std::string randomString(std::mt19937& random, const std::vector<std::string>& pieces) {
    auto pick = [&random](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    std::string text;
    for (std::size_t n = 1 + pick(12); n > 0; --n) {
        std::string piece = pieces[pick(pieces.size())];
        if (pick(6) == 0)
            piece.resize(pick(piece.size() + 1));
        for (char& c : piece) {
            if (pick(40) == 0)
                c = static_cast<char>(pick(256));
            else if (pick(5) == 0 && c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        }
        text += piece;
    }
    return text;
}

// Every piece on its own, then random strings of them.
TEST(InterpreterRobustnessTest, RandomStringsKeepTheJobValid) {
    const testing::TempFolder folder;
    const testing::WorkingDirectory inFolder(folder.path());
    const std::vector<std::string> pieces = allPieces();
    std::vector<std::string> strings = pieces;
    std::mt19937 random(20240611);
    for (int i = 0; i < 3000; ++i)
        strings.push_back(randomString(random, pieces));
    Session session;
    int refused = 0;
    int changed = 0;
    for (const std::string& text : strings) {
        SCOPED_TRACE(text.substr(0, 300));
        const Job before = session.job();
        refused += session.run(text) ? 0 : 1;
        changed += session.job() == before ? 0 : 1;
        ASSERT_TRUE(isValid(session.job()));
    }
    // The strings reached the commands: many changed the job, many were refused.
    EXPECT_GT(refused, 1000);
    EXPECT_GT(changed, 1000);
}

// No extreme value fits a bounded numeric command: each lies beyond the int32
// field (or the command's narrower range), or is no number at all. So each is
// refused and the job left as it was; clamping would store a number the
// caller never sent.
TEST(InterpreterRobustnessTest, ExtremeValuesAreRefused) {
    const testing::TempFolder folder;
    const testing::WorkingDirectory inFolder(folder.path());
    for (const char* keyword : {"[PDFSECURITY=", "[PDFOVERHEAD=", "[PDFMAXCOLS=", "[PDFMAXROWS=",
                                "[AZTECECP=", "[DMFORMAT=", "[DMECC=", "[BARREDUCTION=",
                                "[HORIZONTALDPI=", "[VERTICALDPI=", "[FONTSIZE=", "[MAGNIFY="}) {
        for (const std::string& value : kExtremeValues) {
            SCOPED_TRACE(keyword + value.substr(0, 30));
            Session session;
            ASSERT_TRUE(session.run("[EAN13]"));
            const Job before = session.job();
            EXPECT_FALSE(session.run(keyword + value + "]"));
            EXPECT_TRUE(session.job() == before);
        }
    }
}

// Random bytes of every value but "]" and "'" arrive as sent.
TEST(InterpreterRobustnessTest, MegabyteInputs) {
    const testing::TempFolder folder;
    const testing::WorkingDirectory inFolder(folder.path());
    std::mt19937 random(1);
    std::string text(1u << 20, '\0');
    for (char& c : text)
        c = static_cast<char>(random());
    std::ranges::replace_if(
        text, [](char c) { return c == ']' || c == '\''; }, '!');
    const std::pair<std::string, std::string Job::*> cases[] = {
        {"[MESSAGE='", &Job::Message},  {"[MSGTEXT=", &Job::Message},
        {"[COMMENT=", &Job::Comment},   {"[COMPOSITE=", &Job::Supplement},
        {"[FONTNAME=", &Job::FontName},
    };
    for (const auto& [prefix, field] : cases) {
        SCOPED_TRACE(prefix);
        Session session;
        EXPECT_TRUE(session.run(prefix + text + (prefix.ends_with('\'') ? "']" : "]")));
        EXPECT_TRUE(session.job().*field == text);
    }
    // 10^n is a multiple of 2^8 for n >= 8, so a run of nines leaves 255.
    Session session;
    EXPECT_TRUE(session.run("[MESSAGE=" + std::string(1u << 20, '9') + "]"));
    EXPECT_EQ(session.job().Message, "\xFF");
    // A megabyte of "[" is one command, no keyword; "]" alone are empty ones.
    EXPECT_TRUE(session.run(std::string(1u << 20, '[') + "CODE128]"));
    EXPECT_TRUE(session.run(std::string(100'000, ']') + "[CODE93]]"));
    EXPECT_EQ(session.job().Symbology, Symbology::Code93);
}

} // namespace
} // namespace vornik::dde
