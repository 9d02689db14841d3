#include "core/twod/aztec_options.h"
#include "support/command_session.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace vornik::twod {
namespace {

TEST(AztecOptionsTest, LoadFillsTheOptionAndItsBox) {
    // percent, option, percent box, layers box
    const std::tuple<std::int32_t, AztecEcOption, const char*, const char*> rows[] = {
        {0, AztecEcOption::Default, "10", "32"},   {36, AztecEcOption::Percent, "36", "32"},
        {104, AztecEcOption::Compact, "10", "4"},  {232, AztecEcOption::FullRange, "10", "32"},
        {150, AztecEcOption::Default, "10", "32"},
    };
    for (const auto& [percent, option, percentText, layersText] : rows) {
        Job job;
        job.AztecEcPercent = percent;
        const AztecOptionsForm form = frmAztecECP_Load(job);
        EXPECT_EQ(form.option, option) << percent;
        EXPECT_EQ(form.percentText + "/" + form.layersText,
                  std::string(percentText) + "/" + layersText)
            << percent;
    }
}

TEST(AztecOptionsTest, OkValidatesAndStores) {
    const std::string percentRange = "Error Correction Percent must be between 1 and 99%";
    const std::string compactRange =
        "Number of layers for a compact symbol must be between 1 and 4";
    const std::string fullRange =
        "Number of layers for a full range symbol must be between 1 and 32";
    // option, text typed, value stored (-1: refused), message
    const std::tuple<AztecEcOption, const char*, std::int32_t, std::string> rows[] = {
        {AztecEcOption::Default, "", 0, ""},
        {AztecEcOption::Percent, "99", 99, ""},
        {AztecEcOption::Percent, "0", -1, percentRange},
        {AztecEcOption::Compact, "4", 104, ""},
        {AztecEcOption::Compact, "5", -1, compactRange},
        {AztecEcOption::FullRange, "32", 232, ""},
        {AztecEcOption::FullRange, "33", -1, fullRange},
        {AztecEcOption::FullRange, "3x", -1, fullRange},
    };
    for (const auto& [option, text, stored, message] : rows) {
        SCOPED_TRACE(text);
        Job job;
        job.AztecEcPercent = 77;
        AztecOptionsForm form;
        form.option = option;
        form.percentText = form.layersText = text;
        form.menuSymbol = true;
        EXPECT_EQ(frmAztecECP_Ok(form, job).value_or(""), message);
        EXPECT_EQ(job.AztecEcPercent, stored < 0 ? 77 : stored);
        EXPECT_EQ(job.AztecMenuFlag, stored < 0 ? 0 : 1);
    }
}

// The dialog's OK: a refusal is shown in the program's message box and
// changes nothing; a stored change marks the configuration changed.
TEST(AztecOptionsTest, ConfirmShowsARefusalAndMarksAChange) {
    struct Row {
        const char* name;
        AztecEcOption option;
        const char* layers;
        bool menu;
        std::int32_t stored;
        bool dirty;
        const char* message;
    };
    const Row rows[] = {
        {"Unchanged", AztecEcOption::Compact, "3", false, 103, false, ""},
        {"OtherLayers", AztecEcOption::Compact, "4", false, 104, true, ""},
        {"MenuSymbol", AztecEcOption::Compact, "3", true, 103, true, ""},
        {"Refused", AztecEcOption::Compact, "9", true, 103, false,
         "Number of layers for a compact symbol must be between 1 and 4"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        vornik::testing::CommandSession session;
        session.job().AztecEcPercent = 103;
        AztecOptionsForm form = frmAztecECP_Load(session.job());
        form.option = row.option;
        form.layersText = row.layers;
        form.menuSymbol = row.menu;
        EXPECT_EQ(confirmAztecOptions(session.app, form), *row.message == '\0');
        EXPECT_EQ(session.job().AztecEcPercent, row.stored);
        EXPECT_EQ(session.state().Dirty, row.dirty);
        if (*row.message == '\0') {
            EXPECT_TRUE(session.host.messages.empty());
            continue;
        }
        ASSERT_EQ(session.host.messages.size(), 1u);
        EXPECT_EQ(session.host.messages[0], (MessageBox{.title = "Vornik", .text = row.message}));
    }
}

} // namespace
} // namespace vornik::twod
