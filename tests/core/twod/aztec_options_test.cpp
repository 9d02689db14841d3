#include "core/twod/aztec_options.h"

#include <gtest/gtest.h>
#include <string>

namespace vornik::twod {
namespace {

TEST(AztecOptionsTest, LoadFillsTheOptionAndItsBox) {
    const struct {
        std::int32_t percent;
        AztecEcOption option;
        const char* percentText;
        const char* layersText;
    } rows[] = {
        {0, AztecEcOption::Default, "10", "32"},   {36, AztecEcOption::Percent, "36", "32"},
        {104, AztecEcOption::Compact, "10", "4"},  {232, AztecEcOption::FullRange, "10", "32"},
        {150, AztecEcOption::Default, "10", "32"},
    };
    for (const auto& row : rows) {
        Job job;
        job.AztecEcPercent = row.percent;
        const AztecOptionsForm form = frmAztecECP_Load(job);
        EXPECT_EQ(form.option, row.option) << row.percent;
        EXPECT_EQ(form.percentText, row.percentText) << row.percent;
        EXPECT_EQ(form.layersText, row.layersText) << row.percent;
    }
}

struct OkCase {
    const char* name;
    AztecEcOption option;
    const char* text;
    std::int32_t stored; // -1: refused
    const char* message;
};

const OkCase kOks[] = {
    {"Default", AztecEcOption::Default, "", 0, ""},
    {"Percent99", AztecEcOption::Percent, "99", 99, ""},
    {"Percent0", AztecEcOption::Percent, "0", -1,
     "Error Correction Percent must be between 1 and 99%"},
    {"Compact4", AztecEcOption::Compact, "4", 104, ""},
    {"Compact5", AztecEcOption::Compact, "5", -1,
     "Number of layers for a compact symbol must be between 1 and 4"},
    {"FullRange32", AztecEcOption::FullRange, "32", 232, ""},
    {"FullRange33", AztecEcOption::FullRange, "33", -1,
     "Number of layers for a full range symbol must be between 1 and 32"},
    {"FullRangeNotANumber", AztecEcOption::FullRange, "3x", -1,
     "Number of layers for a full range symbol must be between 1 and 32"},
};

TEST(AztecOptionsTest, OkValidatesAndStores) {
    for (const OkCase& row : kOks) {
        SCOPED_TRACE(row.name);
        Job job;
        job.AztecEcPercent = 77;
        AztecOptionsForm form;
        form.option = row.option;
        form.percentText = form.layersText = row.text;
        form.menuSymbol = true;
        const auto message = frmAztecECP_Ok(form, job);
        EXPECT_EQ(message.value_or(""), row.message);
        EXPECT_EQ(job.AztecEcPercent, row.stored < 0 ? 77 : row.stored);
        EXPECT_EQ(job.AztecMenuFlag, row.stored < 0 ? 0 : 1);
    }
}

} // namespace
} // namespace vornik::twod
