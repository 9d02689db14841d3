#include "core/app/read_back_line.h"
#include "core/app/symbology.h"
#include "support/row_name.h"

#include <gtest/gtest.h>

namespace vornik {
namespace {

using vornik::testing::PrintTo;
using Status = batch::ReadBackResult::Status;

const batch::ExpectedReading kCode128{.format = "Code128", .text = "ABC-1", .alternative = ""};
const batch::ExpectedReading kComposite{
    .format = "DataBar", .text = "00012345678905", .partial = true, .alternative = ""};

struct LineRow {
    const char* name;
    batch::ExpectedReading expected;
    batch::ReadBackResult read;
    const char* line;
};

// clang-format off
const LineRow kRows[] = {
    {"ReadsRight", kCode128, {Status::Read, "ABC-1", ""}, "Read back: ABC-1 \u2713"},
    {"ReadsOtherText", kCode128, {Status::Read, "ABC-7", ""},
     "Warning: the symbol reads as \u201CABC-7\u201D instead of \u201CABC-1\u201D."},
    {"ReadsNothing", kCode128, {Status::Nothing, "", ""},
     "Warning: the symbol does not read back; no Code128 symbol was found in it."},
    {"PictureUnreadable", kCode128, {Status::Unreadable, "", "it is no PNG image"},
     "Warning: the symbol could not be read back: it is no PNG image."},
    {"NoReaderHere", kCode128, {Status::NoReader, "", "it needs gs (Debian package ghostscript)"},
     "Not verifiable here: it needs gs (Debian package ghostscript)."},
    {"CompositeLinearPartRight", kComposite, {Status::Read, "00012345678905", ""},
     "Not verifiable: the linear part reads \u201C00012345678905\u201D, but the 2D part of a "
     "composite cannot be read back."},
};
// clang-format on

class ReadBackLineTest : public ::testing::TestWithParam<LineRow> {};

TEST_P(ReadBackLineTest, SaysWhatTheReaderMadeOfTheSymbol) {
    const LineRow& row = GetParam();
    EXPECT_EQ(readBackLine(batch::judgeReadBack(row.expected, row.read)), row.line);
}

INSTANTIATE_TEST_SUITE_P(Readings, ReadBackLineTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadBackLine, SymbologiesNoReaderReadsAreNotVerifiableInWords) {
    Job postnet;
    postnet.Symbology = Symbology::Postnet;
    postnet.Message = "12345";
    const batch::Expectation expectation = publishedPictureReading(postnet, RunState{});
    ASSERT_TRUE(std::holds_alternative<batch::NotVerifiable>(expectation));
    EXPECT_EQ(
        readBackLine(batch::notVerifiableVerdict(std::get<batch::NotVerifiable>(expectation))),
        "Not verifiable: POSTNET cannot be read back.");
}

TEST(ReadBackLine, AFacingIdentificationMarkIsNoSymbolToRead) {
    Job job;
    job.Symbology = Symbology::Code128;
    job.Message = "ABC";
    RunState state;
    EXPECT_TRUE(
        std::holds_alternative<batch::ExpectedReading>(publishedPictureReading(job, state)));
    state.MarkOnDisplay = true;
    const batch::Expectation mark = publishedPictureReading(job, state);
    ASSERT_TRUE(std::holds_alternative<batch::NotVerifiable>(mark));
    EXPECT_EQ(readBackLine(batch::notVerifiableVerdict(std::get<batch::NotVerifiable>(mark))),
              "Not verifiable: a facing identification mark cannot be read back.");
}

TEST(ReadBackLine, AMissingModuleIsSaidInASentence) {
    EXPECT_EQ(readBackUnavailableLine("the read-back module /opt/vornik-readback.so could not be "
                                      "loaded (no such file)"),
              "The symbol is not read back: the read-back module /opt/vornik-readback.so could "
              "not be loaded (no such file).");
}

// The picture is drawn with the job's raster settings as a PNG, but never so
// coarse that narrow bars blur together.
TEST(ReadBackLine, DrawsAPngAtAResolutionTheReaderCanRead) {
    Job job;
    job.BitsPerPixel = 24;
    const std::pair<std::int32_t, std::int32_t> rows[] = {{72, 600}, {600, 600}, {1200, 1200}};
    for (const auto& [asked, drawn] : rows) {
        job.RasterResolution = asked;
        const ImageConversion conversion = readBackConversion(job, "in.wmf", "out.png");
        EXPECT_EQ(conversion.RasterResolution, drawn) << asked;
        EXPECT_EQ(conversion.format, ImageFormat::Png);
        EXPECT_EQ(conversion.BitsPerPixel, 24);
        EXPECT_EQ(conversion.source, "in.wmf");
        EXPECT_EQ(conversion.destination, "out.png");
    }
}

} // namespace
} // namespace vornik
