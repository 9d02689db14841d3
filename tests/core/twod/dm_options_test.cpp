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

} // namespace
} // namespace vornik::twod
