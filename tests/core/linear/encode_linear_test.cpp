#include "core/linear/bar_pattern.h"
#include "core/linear/encode_linear.h"
#include "core/linear/full_ascii.h"
#include "core/linear/zint_modules.h"

#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <string>
#include <variant>
#include <vector>

namespace vornik::linear {
namespace {

using enum Symbology;

// Random messages of 1 to 20 characters, every other one with a check digit,
// through the tables and encoder of each symbology.
TEST(EncodeMessage, MatchesLibzintModuleForModule) {
    std::string ascii(128, '\0');
    std::iota(ascii.begin(), ascii.end(), '\0');
    const std::tuple<Symbology, int, std::string> rows[] = {
        {Code39, BARCODE_CODE39, std::string(kBaseCharacters) + "abcdefghijklmnopqrstuvwxyz"},
        {Code39FullAscii, BARCODE_EXCODE39, ascii},
        {Code93, BARCODE_CODE93, ascii},
    };
    std::mt19937 random(39); // fixed seed: the same messages every run
    std::uniform_int_distribution<std::size_t> length(1, 20);
    for (const auto& [symbology, zint, alphabet] : rows) {
        SCOPED_TRACE(static_cast<int>(symbology));
        std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
        const std::string lastGap = zint == BARCODE_CODE93 ? "" : "0"; // not in libzint's
        Job job;
        job.Symbology = symbology;
        const PatternTables tables = testing::tablesFor(symbology);
        for (int i = 0; i < 200; ++i) {
            std::string message(length(random), ' ');
            for (char& c : message)
                c = alphabet[pick(random)];
            job.CheckDigit = i % 2 == 1;
            EXPECT_EQ(testing::encodedModules(encodeMessage(tables, job, message, ""), 2),
                      testing::zintModules(zint, message, job.CheckDigit ? 1 : 0) + lastGap)
                << ::testing::PrintToString(message) << (job.CheckDigit ? " with check" : "");
        }
    }
}

// A rejection keeps the tables; a success rewrites the message and erases
// them, so that an encode without a new build draws nothing.
TEST(EncodeLinear, KeepsTheTablesUntilASuccess) {
    Job job;
    job.Symbology = Code39;
    PatternTables tables = testing::tablesFor(Code39);
    std::string message, supplement = "12", pattern, checkText = "unset";
    std::vector<std::int32_t> reported;
    const auto encode = [&](const Job& encoded, const char* text) {
        message = text;
        return EncodeLinear(tables, encoded, message, supplement, pattern, checkText,
                            [&reported](std::int32_t code) { reported.push_back(code); });
    };
    EXPECT_EQ(encode(job, "A#"), EncodeOutcome::Rejected);
    EXPECT_EQ(reported, std::vector<std::int32_t>{8});
    EXPECT_EQ(message, "A#");
    EXPECT_TRUE(tables.filled());

    EXPECT_EQ(encode(job, "0"), EncodeOutcome::Encoded);
    // "*" n w n n w n w n n, "0" n n n w w n w n n, each with its gap; only
    // UPC/EAN rewrite the add-on
    EXPECT_EQ(message + "|" + supplement + "|" + pattern + "|" + checkText,
              "*0*|12|323141413131324141313231414131|");
    EXPECT_FALSE(tables.filled());
    EXPECT_EQ(encode(job, "0"), EncodeOutcome::Encoded);
    EXPECT_EQ(pattern, "");

    job.Symbology = Pdf417;
    EXPECT_EQ(encode(job, "0"), EncodeOutcome::NoEncoder);
    EXPECT_EQ(message, "0");
    EXPECT_EQ(reported.size(), 1u); // nothing reported since the rejection
}

} // namespace
} // namespace vornik::linear
