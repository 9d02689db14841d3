#include "core/batch/read_back_verdict.h"
#include "support/row_name.h"

#include <gtest/gtest.h>

namespace vornik::batch {
namespace {

using vornik::testing::PrintTo;
using Kind = ReadBackVerdict::Kind;
using Cause = ReadBackVerdict::Cause;
using Status = ReadBackResult::Status;

const ExpectedReading kCode128{.format = "Code128", .text = "ABC-1", .alternative = ""};
// RSS-14 with a composite component: the reader may fold the linkage flag in.
const ExpectedReading kComposite{.format = "DataBar",
                                 .text = "00012345678905",
                                 .partial = true,
                                 .alternative = "10012345678902"};

struct VerdictRow {
    const char* name;
    ExpectedReading expected;
    ReadBackResult read;
    Kind kind;
    Cause cause;
    const char* phrase; // as the batch reports it
};

// clang-format off
const VerdictRow kRows[] = {
    {"ReadsRight", kCode128, {Status::Read, "ABC-1", ""}, Kind::Verified, Cause::ReadsRight, "ABC-1"},
    {"ReadsOtherText", kCode128, {Status::Read, "ABC-7", ""}, Kind::Wrong, Cause::ReadsOther,
     "the symbol reads back as \"ABC-7\", not \"ABC-1\""},
    {"ReadsAPrefixOnly", kCode128, {Status::Read, "ABC", ""}, Kind::Wrong, Cause::ReadsOther,
     "the symbol reads back as \"ABC\", not \"ABC-1\""},
    {"ReadsNothing", kCode128, {Status::Nothing, "", ""}, Kind::Wrong, Cause::ReadsNothing,
     "no Code128 symbol could be read back from the file"},
    {"PictureUnreadable", kCode128, {Status::Unreadable, "", "it is no PNG image"}, Kind::Wrong,
     Cause::PictureUnread, "the file could not be read back: it is no PNG image"},
    {"NoReaderHere", kCode128, {Status::NoReader, "", "it needs gs (Debian package ghostscript)"},
     Kind::NotVerifiable, Cause::NoReader,
     "the file cannot be read back here: it needs gs (Debian package ghostscript)"},
    {"CompositeLinearPartRight", kComposite, {Status::Read, "00012345678905", ""}, Kind::NotVerifiable,
     Cause::PartUnread, "the 2D part of a composite cannot be read back"},
    {"CompositeWithLinkageFlag", kComposite, {Status::Read, "10012345678902", ""}, Kind::NotVerifiable,
     Cause::PartUnread, "the 2D part of a composite cannot be read back"},
    {"CompositeLinearPartWrong", kComposite, {Status::Read, "00012345678912", ""}, Kind::Wrong,
     Cause::ReadsOther, "the symbol reads back as \"00012345678912\", not \"00012345678905\""},
};
// clang-format on

class VerdictTest : public ::testing::TestWithParam<VerdictRow> {};

TEST_P(VerdictTest, JudgesWhatWasReadAgainstWhatMustBe) {
    const VerdictRow& row = GetParam();
    const ReadBackVerdict verdict = judgeReadBack(row.expected, row.read);
    EXPECT_EQ(verdict.kind, row.kind);
    EXPECT_EQ(verdict.cause, row.cause);
    EXPECT_EQ(verdictPhrase(verdict), row.phrase);
}

INSTANTIATE_TEST_SUITE_P(Readings, VerdictTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadBackVerdict, ASymbolNoReaderReadsIsNotVerifiableBeforeAnythingIsRead) {
    const ReadBackVerdict verdict = notVerifiableVerdict({"POSTNET"});
    EXPECT_EQ(verdict.kind, Kind::NotVerifiable);
    EXPECT_EQ(verdict.cause, Cause::SymbolUnreadable);
    EXPECT_EQ(verdictPhrase(verdict), "POSTNET cannot be read back");
}

} // namespace
} // namespace vornik::batch
