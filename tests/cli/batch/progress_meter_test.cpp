#include "cli/batch/progress_meter.h"
#include "cli/batch/record_result.h"

#include <gtest/gtest.h>

namespace vornik::cli {
namespace {

TEST(ProgressMeterTest, TheBarShowsDoneRateAndTimeLeft) {
    BatchTally tally{.total = 1000, .written = 480, .skipped = 10, .failed = 10};
    EXPECT_EQ(progressLine(tally, 2.0), "[##########          ] 500/1000  250.0/s  0:02 left");
    EXPECT_EQ(progressLine(tally, 0.0), "[##########          ] 500/1000");
    tally.written = 0;
    tally.skipped = 0;
    tally.failed = 0;
    EXPECT_EQ(progressLine(tally, 1.0), "[                    ] 0/1000");
    tally.written = 1000;
    EXPECT_EQ(progressLine(tally, 125.0), "[####################] 1000/1000  8.0/s  0:00 left");
    tally.written = 1;
    EXPECT_EQ(progressLine(tally, 1.0), "[                    ] 1/1000  1.0/s  16:39 left");
}

TEST(ProgressMeterTest, TheSummarySaysWhatBecameOfEveryRecord) {
    BatchTally tally{
        .total = 10, .written = 6, .skipped = 1, .failed = 1, .verified = 5, .notVerifiable = 1};
    EXPECT_EQ(summaryLine(tally, 1.25, true),
              "batch: 6 written, 1 failed, 1 skipped of 10 in 1.2 s; 5 verified, 1 not "
              "verifiable; 2 not made");
    tally.written = 8;
    EXPECT_EQ(summaryLine(tally, 0.04, false),
              "batch: 8 written, 1 failed, 1 skipped of 10 in 0.0 s");
}

TEST(RecordResultTest, AResultCrossesThePipeWhole) {
    using O = RecordResult::Outcome;
    using C = RecordResult::Check;
    for (const RecordResult& result :
         {RecordResult{O::Written, C::Verified, 0, ""},
          RecordResult{O::Written, C::NotVerifiable, 17, "POSTNET cannot be read back"},
          RecordResult{O::Skipped, C::None, 999999, ""},
          RecordResult{O::Failed, C::None, 3, "Vornik: the message  has  spaces"}})
        EXPECT_EQ(parseResultLine(resultLine(result).substr(0, resultLine(result).size() - 1)),
                  result);
    const RecordResult multiline{O::Failed, C::None, 2, "one\ntwo\r"};
    EXPECT_EQ(resultLine(multiline), "2 2 0 one two \n");
    for (const char* broken : {"", "1", "1 2", "x 0 0 r", "1 3 0 r", "1 0 9 r", "-1 0 0 r"})
        EXPECT_EQ(parseResultLine(broken), std::nullopt) << broken;
}

} // namespace
} // namespace vornik::cli
