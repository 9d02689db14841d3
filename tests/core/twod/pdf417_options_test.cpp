#include "core/twod/pdf417_options.h"

#include <gtest/gtest.h>

namespace vornik::twod {
namespace {

TEST(Pdf417Options, ListsAndControlsFollowTheJob) {
    EXPECT_EQ(PdfOptionsDialog::securityItems().front(), " 0");
    EXPECT_EQ(PdfOptionsDialog::securityItems().back(), "Auto %");
    EXPECT_EQ(PdfOptionsDialog::overheadItems().back(), "99%");

    Job job;
    job.PdfMaxRows = 0; // set by a command: the nearest item is selected
    const PdfOptionsDialog dialog = PdfOptionsDialog::load(job);
    EXPECT_EQ(dialog.maxRowsIndex, 0);
    EXPECT_TRUE(dialog.overheadVisible());
}

TEST(Pdf417Options, OkStoresAndMarksChangesOnly) {
    Job job;
    RunState state;
    PdfOptionsDialog::load(job).ok(job, state);
    EXPECT_FALSE(state.Dirty);

    PdfOptionsDialog dialog = PdfOptionsDialog::load(job);
    dialog.compression = 3;
    dialog.security = 4;
    dialog.maxRowsIndex = 7;
    dialog.maxColumnsIndex = 4;
    dialog.truncated = true;
    dialog.showCodewords = true;
    EXPECT_FALSE(dialog.overheadVisible());
    dialog.ok(job, state);
    EXPECT_TRUE(state.Dirty);
    EXPECT_EQ(job.PdfMode, 3);
    EXPECT_EQ(job.PdfSecurityLevel, 4);
    EXPECT_EQ(job.PdfMaxRows, 10);
    EXPECT_EQ(job.PdfMaxColumns, 5);
    EXPECT_EQ(job.PdfTruncated, 1);
    EXPECT_EQ(job.PdfShowCodewords, 1);
}

} // namespace
} // namespace vornik::twod
