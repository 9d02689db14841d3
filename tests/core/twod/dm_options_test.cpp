#include "core/twod/dm_options.h"

#include <gtest/gtest.h>

namespace vornik::twod {
namespace {

struct LoadCase {
    const char* name;
    std::int32_t level, format, formatOption, standard;
    int ecc, formatIndex, shape;
    bool tildes, formatEnabled;
};

const LoadCase kLoads[] = {
    {"Defaults", 26, 6, 0, 1, 5, 5, 0, true, false},
    {"Ecc140Numeric", 12, 1, 3, 0, 4, 0, 3, false, true},
    {"Ecc50Rectangle6", 3, 4, 6, 1, 1, 3, 6, true, true},
    {"UnknownValuesTakeDefaults", 7, 9, 8, 1, 5, 5, 0, true, false},
};

TEST(DmOptionsTest, LoadSelectsAndEnables) {
    for (const LoadCase& row : kLoads) {
        SCOPED_TRACE(row.name);
        Job job;
        job.DmEccLevel = row.level;
        job.DmFormat = row.format;
        job.DmFormatOption = row.formatOption;
        job.DmStandard = row.standard;
        const DmOptionsForm form = DMOptions_Load(job);
        EXPECT_EQ(form.ecc * 100 + form.format * 10 + form.shape,
                  row.ecc * 100 + row.formatIndex * 10 + row.shape);
        EXPECT_EQ(form.translateTildes, row.tildes);
        // the format list serves ECC 000 to 140, shape and tildes ECC 200
        EXPECT_EQ(form.formatEnabled, row.formatEnabled);
        EXPECT_EQ(form.shapeEnabled && form.tildesEnabled, !row.formatEnabled);
        EXPECT_EQ(form.shapeEnabled || form.tildesEnabled, !row.formatEnabled);
    }
}

TEST(DmOptionsTest, OkStoresAndTellsAChange) {
    Job job;
    DmOptionsForm form = DMOptions_Load(job);
    EXPECT_FALSE(DMOptions_Ok(form, job));
    DMOptions_SelectEcc(form, 3);
    form.format = 0;
    form.shape = 2;
    form.translateTildes = false;
    EXPECT_TRUE(DMOptions_Ok(form, job));
    EXPECT_EQ(job.DmEccLevel * 1000 + job.DmFormat * 100 + job.DmFormatOption * 10 + job.DmStandard,
              8120);
}

// The configuration counts as changed only when OK stored a different choice.
TEST(DmOptionsTest, ConfirmMarksTheConfigurationChangedByAChangeOnly) {
    struct Row {
        const char* name;
        int ecc, format, shape;
        bool tildes, dirty;
    };
    const Row rows[] = {
        {"AsLoaded", 5, 5, 0, true, false},   {"OtherEcc", 0, 5, 0, true, true},
        {"OtherFormat", 5, 2, 0, true, true}, {"OtherShape", 5, 5, 6, true, true},
        {"TildesOff", 5, 5, 0, false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Job job;
        RunState state;
        DmOptionsForm form = DMOptions_Load(job);
        DMOptions_SelectEcc(form, row.ecc);
        form.format = row.format;
        form.shape = row.shape;
        form.translateTildes = row.tildes;
        confirmDmOptions(form, job, state);
        EXPECT_EQ(state.Dirty, row.dirty);
        EXPECT_EQ(job.DmFormatOption, row.shape);
    }
}

} // namespace
} // namespace vornik::twod
