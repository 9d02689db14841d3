#include "core/twod/pdf417_options.h"

#include <gtest/gtest.h>

namespace vornik::twod {
namespace {

TEST(Pdf417Options, LoadAndOkStoreChangesOnly) {
    using Dialog = PdfOptionsDialog;
    EXPECT_EQ(Dialog::securityItems().front() + Dialog::securityItems().back() +
                  Dialog::overheadItems().back(),
              " 0Auto %99%");
    Job job;
    RunState state;
    Dialog::load(job).ok(job, state);
    EXPECT_FALSE(state.Dirty);
    job.PdfMaxRows = 0; // set by a command: the nearest item is selected
    Dialog dialog = Dialog::load(job);
    EXPECT_EQ(dialog.maxRowsIndex, 0);
    EXPECT_TRUE(dialog.overheadVisible());

    dialog.compression = 3;
    dialog.security = 4;
    dialog.maxRowsIndex = 7;
    dialog.maxColumnsIndex = 4;
    dialog.truncated = true;
    dialog.showCodewords = true;
    EXPECT_FALSE(dialog.overheadVisible());
    dialog.ok(job, state);
    EXPECT_TRUE(state.Dirty);
    EXPECT_EQ(job.PdfMode * 10 + job.PdfSecurityLevel, 34);
    EXPECT_EQ(job.PdfMaxRows * 100 + job.PdfMaxColumns, 1005);
    EXPECT_EQ(job.PdfTruncated * 10 + job.PdfShowCodewords, 11);
}

} // namespace
} // namespace vornik::twod
