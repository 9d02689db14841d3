#include "core/linear/encode_linear.h"

#include <gtest/gtest.h>
#include <string>
#include <variant>
#include <vector>

namespace vornik::linear {
namespace {

const std::string kStar = "3231414131"; // Code 39 "*": n w n n w n w n n, gap
const std::string kZero = "3132414131"; // Code 39 "0": n n n w w n w n n, gap

Job jobFor(Symbology symbology, bool checkDigit = false) {
    Job job;
    job.Symbology = symbology;
    job.CheckDigit = checkDigit;
    return job;
}

TEST(EncodeMessage, DispatchesOnTheSymbology) {
    struct Row {
        const char* name;
        Job job;
        std::string text; // empty: no encoder yet
    };
    const Row rows[] = {
        {"code 39 upper-cases", jobFor(Symbology::Code39), "*A$*"},
        {"code 39 with check", jobFor(Symbology::Code39, true), "*A$6*"}, // 10 + 39 = 49 = 43 + 6
        {"full ascii keeps case", jobFor(Symbology::Code39FullAscii), "*a$*"},
        {"code 93", jobFor(Symbology::Code93), " a$ "},
        {"upc-a", jobFor(Symbology::UpcA), ""},
        {"code 128", jobFor(Symbology::Code128), ""},
        {"pdf417", jobFor(Symbology::Pdf417), ""},
        {"bpo", jobFor(Symbology::Bpo4State), ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Job job = row.job;
        PatternTables tables;
        BuildPatternTables(job, tables);
        const auto result = encodeMessage(tables, job, "a$", "");
        if (row.text.empty()) {
            EXPECT_TRUE(std::holds_alternative<NoEncoder>(result));
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<LinearSymbol>(result));
        EXPECT_EQ(std::get<LinearSymbol>(result).text, row.text);
    }
}

struct Encoding {
    EncodeOutcome outcome = EncodeOutcome::NoEncoder;
    std::string message;
    std::string supplement = "12";
    std::string pattern = "unset";
    std::string checkText = "unset";
    std::vector<std::int32_t> reported;
};

Encoding encodeOnce(PatternTables& tables, const Job& job, const std::string& message) {
    Encoding e;
    e.message = message;
    e.outcome = EncodeLinear(tables, job, e.message, e.supplement, e.pattern, e.checkText,
                             [&e](std::int32_t code) { e.reported.push_back(code); });
    return e;
}

TEST(EncodeLinear, SuccessRewritesTheMessageAndErasesTheTable) {
    Job job = jobFor(Symbology::Code39);
    PatternTables tables;
    BuildPatternTables(job, tables);
    const auto first = encodeOnce(tables, job, "0");
    EXPECT_EQ(first.outcome, EncodeOutcome::Encoded);
    EXPECT_EQ(first.message, "*0*");
    EXPECT_EQ(first.supplement, "12"); // only UPC/EAN rewrite the add-on
    EXPECT_EQ(first.pattern, kStar + kZero + kStar);
    EXPECT_EQ(first.checkText, "");
    EXPECT_TRUE(first.reported.empty());
    EXPECT_FALSE(tables.filled());

    // without a new build every entry is empty
    const auto second = encodeOnce(tables, job, "0");
    EXPECT_EQ(second.outcome, EncodeOutcome::Encoded);
    EXPECT_EQ(second.pattern, "");
}

TEST(EncodeLinear, RejectionReportsTheCodeAndKeepsTheTable) {
    Job job = jobFor(Symbology::Code39);
    PatternTables tables;
    BuildPatternTables(job, tables);
    const auto rejected = encodeOnce(tables, job, "A#");
    EXPECT_EQ(rejected.outcome, EncodeOutcome::Rejected);
    EXPECT_EQ(rejected.reported, std::vector<std::int32_t>{8});
    EXPECT_EQ(rejected.message, "A#");
    EXPECT_TRUE(tables.filled());

    const auto retried = encodeOnce(tables, job, "0"); // the kept table still serves
    EXPECT_EQ(retried.pattern, kStar + kZero + kStar);
}

TEST(EncodeLinear, SymbologyWithoutEncoderReportsNothing) {
    Job job = jobFor(Symbology::Pdf417);
    PatternTables tables;
    const auto e = encodeOnce(tables, job, "0");
    EXPECT_EQ(e.outcome, EncodeOutcome::NoEncoder);
    EXPECT_TRUE(e.reported.empty());
    EXPECT_EQ(e.message, "0");
}

} // namespace
} // namespace vornik::linear
