#include "core/app/job.h"
#include "support/row_name.h"

#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace vornik {
namespace {

using vornik::testing::PrintTo;

using namespace std::string_literals;

template <typename Row> std::string rowName(const ::testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

// ---------------------------------------------------------------------------
// Defaults of a fresh job, one row per field of the job record.

struct FloatDefault {
    std::string name;
    std::function<double(const Job&)> field;
    float expected; // the field is single precision: compared bit for bit
};

class JobFloatDefaultTest : public ::testing::TestWithParam<FloatDefault> {};

TEST_P(JobFloatDefaultTest, MatchesTheRecord) {
    const Job job;
    EXPECT_EQ(GetParam().field(job), static_cast<double>(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, JobFloatDefaultTest,
    ::testing::Values(
        FloatDefault{"NarrowBarWidth", [](const Job& j) { return j.NarrowBarWidth; }, 33.02f},
        FloatDefault{"BarHeight", [](const Job& j) { return j.BarHeight; }, 2.54f},
        FloatDefault{"Magnification", [](const Job& j) { return j.Magnification; }, 100.0f},
        FloatDefault{"ModuleSize", [](const Job& j) { return j.ModuleSize; }, 50.8f},
        FloatDefault{"PdfModuleWidth", [](const Job& j) { return j.PdfModuleWidth; }, 25.4f},
        FloatDefault{"PdfModuleHeight", [](const Job& j) { return j.PdfModuleHeight; }, 76.2f}),
    rowName<FloatDefault>);

struct DoubleDefault {
    std::string name;
    std::function<double(const Job&)> field;
    double expected;
};

class JobDoubleDefaultTest : public ::testing::TestWithParam<DoubleDefault> {};

TEST_P(JobDoubleDefaultTest, MatchesTheRecord) {
    const Job job;
    EXPECT_EQ(GetParam().field(job), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, JobDoubleDefaultTest,
    ::testing::Values(DoubleDefault{"PdfAspectRatio", [](const Job& j) { return j.PdfAspectRatio; },
                                    0.5},
                      DoubleDefault{"IncStart", [](const Job& j) { return j.IncStart; }, 0.0},
                      DoubleDefault{"IncValue", [](const Job& j) { return j.IncValue; }, 1.0},
                      DoubleDefault{"IncWidth", [](const Job& j) { return j.IncWidth; }, 0.0}),
    rowName<DoubleDefault>);

// Integer fields, enumerations and colour references.
struct IntegerDefault {
    std::string name;
    std::function<std::int64_t(const Job&)> field;
    std::int64_t expected;
};

class JobIntegerDefaultTest : public ::testing::TestWithParam<IntegerDefault> {};

TEST_P(JobIntegerDefaultTest, MatchesTheRecord) {
    const Job job;
    EXPECT_EQ(GetParam().field(job), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, JobIntegerDefaultTest,
    ::testing::Values(
        IntegerDefault{"Symbology",
                       [](const Job& j) { return static_cast<std::int64_t>(j.Symbology); }, 1},
        IntegerDefault{"Ratio", [](const Job& j) { return j.Ratio; }, 5},
        IntegerDefault{"PdfSecurityLevel", [](const Job& j) { return j.PdfSecurityLevel; }, 9},
        IntegerDefault{"PdfMode", [](const Job& j) { return j.PdfMode; }, 0},
        IntegerDefault{"PdfOverheadPercent", [](const Job& j) { return j.PdfOverheadPercent; }, 11},
        IntegerDefault{"PdfShowCodewords", [](const Job& j) { return j.PdfShowCodewords; }, 0},
        IntegerDefault{"PdfTruncated", [](const Job& j) { return j.PdfTruncated; }, 0},
        IntegerDefault{"PdfMaxRows", [](const Job& j) { return j.PdfMaxRows; }, 90},
        IntegerDefault{"PdfMaxColumns", [](const Job& j) { return j.PdfMaxColumns; }, 30},
        IntegerDefault{"PdfLayoutFlag", [](const Job& j) { return j.PdfLayoutFlag; }, 0},
        IntegerDefault{"PdfCharacterSet", [](const Job& j) { return j.PdfCharacterSet; }, 0},
        IntegerDefault{"AztecEcPercent", [](const Job& j) { return j.AztecEcPercent; }, 0},
        IntegerDefault{"AztecMenuFlag", [](const Job& j) { return j.AztecMenuFlag; }, 0},
        IntegerDefault{"DmEccLevel", [](const Job& j) { return j.DmEccLevel; }, 26},
        IntegerDefault{"DmFormat", [](const Job& j) { return j.DmFormat; }, 6},
        IntegerDefault{"DmFormatOption", [](const Job& j) { return j.DmFormatOption; }, 0},
        IntegerDefault{"DmStandard", [](const Job& j) { return j.DmStandard; }, 1},
        IntegerDefault{"Units", [](const Job& j) { return static_cast<std::int64_t>(j.Units); },
                       1000},
        IntegerDefault{"Orientation",
                       [](const Job& j) { return static_cast<std::int64_t>(j.Orientation); }, 0},
        IntegerDefault{"CommentAlign",
                       [](const Job& j) { return static_cast<std::int64_t>(j.CommentAlign); }, 0},
        IntegerDefault{"FontSize", [](const Job& j) { return j.FontSize; }, 10},
        IntegerDefault{"FontColor", [](const Job& j) { return j.FontColor; }, 0},
        IntegerDefault{"ForeColor", [](const Job& j) { return j.ForeColor; }, 0},
        IntegerDefault{"BackColor", [](const Job& j) { return j.BackColor; }, 0xFFFFFF},
        IntegerDefault{"BarWidthAdjust", [](const Job& j) { return j.BarWidthAdjust; }, 0},
        IntegerDefault{"TargetDpiX", [](const Job& j) { return j.TargetDpiX; }, 300},
        IntegerDefault{"TargetDpiY", [](const Job& j) { return j.TargetDpiY; }, 300},
        IntegerDefault{"DotsAcross", [](const Job& j) { return j.DotsAcross; }, 300},
        IntegerDefault{"DotsAlong", [](const Job& j) { return j.DotsAlong; }, 300},
        IntegerDefault{"ClipboardMode", [](const Job& j) { return j.ClipboardMode; }, 0},
        IntegerDefault{"BitsPerPixel", [](const Job& j) { return j.BitsPerPixel; }, 1},
        IntegerDefault{"RasterResolution", [](const Job& j) { return j.RasterResolution; }, 300},
        IntegerDefault{"JpegQuality", [](const Job& j) { return j.JpegQuality; }, 100},
        IntegerDefault{"PngFilter", [](const Job& j) { return j.PngFilter; }, 0},
        IntegerDefault{"PngInterlace", [](const Job& j) { return j.PngInterlace; }, 0},
        IntegerDefault{"BmpCompression", [](const Job& j) { return j.BmpCompression; }, 0},
        IntegerDefault{"TgaCompression", [](const Job& j) { return j.TgaCompression; }, 0},
        IntegerDefault{"GifCompression", [](const Job& j) { return j.GifCompression; }, 0},
        IntegerDefault{"TiffCompression", [](const Job& j) { return j.TiffCompression; }, 0},
        IntegerDefault{"IncEnabled", [](const Job& j) { return j.IncEnabled; }, 0}),
    rowName<IntegerDefault>);

struct BooleanDefault {
    std::string name;
    std::function<bool(const Job&)> field;
    bool expected;
};

class JobBooleanDefaultTest : public ::testing::TestWithParam<BooleanDefault> {};

TEST_P(JobBooleanDefaultTest, MatchesTheRecord) {
    const Job job;
    EXPECT_EQ(GetParam().field(job), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, JobBooleanDefaultTest,
    ::testing::Values(
        BooleanDefault{"IncludeText", [](const Job& j) { return j.IncludeText; }, true},
        BooleanDefault{"TextAbove", [](const Job& j) { return j.TextAbove; }, false},
        BooleanDefault{"CommentAbove", [](const Job& j) { return j.CommentAbove; }, true},
        BooleanDefault{"FontBold", [](const Job& j) { return j.FontBold; }, false},
        BooleanDefault{"FontItalic", [](const Job& j) { return j.FontItalic; }, false},
        BooleanDefault{"FontUnderline", [](const Job& j) { return j.FontUnderline; }, false},
        BooleanDefault{"FontStrikeout", [](const Job& j) { return j.FontStrikeout; }, false},
        BooleanDefault{"AutoFontScaling", [](const Job& j) { return j.AutoFontScaling; }, false},
        BooleanDefault{"Transparent", [](const Job& j) { return j.Transparent; }, false},
        BooleanDefault{"QuietZones", [](const Job& j) { return j.QuietZones; }, false},
        BooleanDefault{"BearerBars", [](const Job& j) { return j.BearerBars; }, false},
        BooleanDefault{"CheckDigit", [](const Job& j) { return j.CheckDigit; }, false},
        BooleanDefault{"DisableAutoCheck", [](const Job& j) { return j.DisableAutoCheck; }, false},
        BooleanDefault{"PrintWarnings", [](const Job& j) { return j.PrintWarnings; }, true},
        BooleanDefault{"MessageWarnings", [](const Job& j) { return j.MessageWarnings; }, true},
        BooleanDefault{"FixDriver", [](const Job& j) { return j.FixDriver; }, false},
        BooleanDefault{"AnsiDisplay", [](const Job& j) { return j.AnsiDisplay; }, false},
        BooleanDefault{"IncTarget", [](const Job& j) { return j.IncTarget; }, true}),
    rowName<BooleanDefault>);

struct TextDefault {
    std::string name;
    std::function<std::string(const Job&)> field;
    std::string expected;
};

class JobTextDefaultTest : public ::testing::TestWithParam<TextDefault> {};

TEST_P(JobTextDefaultTest, MatchesTheRecord) {
    const Job job;
    EXPECT_EQ(GetParam().field(job), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, JobTextDefaultTest,
    ::testing::Values(TextDefault{"Message", [](const Job& j) { return j.Message; }, ""},
                      TextDefault{"Comment", [](const Job& j) { return j.Comment; }, ""},
                      TextDefault{"Supplement", [](const Job& j) { return j.Supplement; }, ""},
                      // The face name carries one NUL after "Arial".
                      TextDefault{"FontName", [](const Job& j) { return j.FontName; }, "Arial\0"s},
                      TextDefault{"IncPreamble", [](const Job& j) { return j.IncPreamble; }, ""},
                      TextDefault{"IncPostamble", [](const Job& j) { return j.IncPostamble; }, ""}),
    rowName<TextDefault>);

TEST(JobDefaults, FontNameIsSixCharactersEndingInNul) {
    const Job job;
    ASSERT_EQ(job.FontName.size(), 6u);
    EXPECT_EQ(job.FontName.back(), '\0');
}

// ---------------------------------------------------------------------------
// Dots across and along the bars follow the target resolution and orientation.

struct DotsCase {
    std::string name;
    Orientation orientation;
    std::int32_t dpiX;
    std::int32_t dpiY;
    std::int32_t across;
    std::int32_t along;
};

class DeriveDotsTest : public ::testing::TestWithParam<DotsCase> {};

TEST_P(DeriveDotsTest, FollowsTheOrientation) {
    const DotsCase& row = GetParam();
    Job job;
    job.Orientation = row.orientation;
    job.TargetDpiX = row.dpiX;
    job.TargetDpiY = row.dpiY;
    deriveDots(job);
    EXPECT_EQ(job.DotsAcross, row.across);
    EXPECT_EQ(job.DotsAlong, row.along);
    // The target itself is left as it was.
    EXPECT_EQ(job.TargetDpiX, row.dpiX);
    EXPECT_EQ(job.TargetDpiY, row.dpiY);
}

INSTANTIATE_TEST_SUITE_P(
    Orientations, DeriveDotsTest,
    ::testing::Values(DotsCase{"Horizontal", Orientation::Horizontal, 600, 300, 600, 300},
                      DotsCase{"Vertical90", Orientation::Vertical90, 600, 300, 300, 600},
                      DotsCase{"Vertical270", Orientation::Vertical270, 600, 300, 300, 600},
                      DotsCase{"HorizontalEqual", Orientation::Horizontal, 203, 203, 203, 203},
                      DotsCase{"Vertical90Equal", Orientation::Vertical90, 203, 203, 203, 203},
                      DotsCase{"Vertical270Tall", Orientation::Vertical270, 150, 1200, 1200, 150}),
    rowName<DotsCase>);

TEST(DeriveDots, ReturningToHorizontalUndoesTheExchange) {
    Job job;
    job.TargetDpiX = 720;
    job.TargetDpiY = 360;
    job.Orientation = Orientation::Vertical90;
    deriveDots(job);
    job.Orientation = Orientation::Horizontal;
    deriveDots(job);
    EXPECT_EQ(job.DotsAcross, 720);
    EXPECT_EQ(job.DotsAlong, 360);
}

// ---------------------------------------------------------------------------
// The message box's form of the message.

struct DisplayCase {
    std::string name;
    std::string internal;
    std::string shown;
};

class DisplayFormTest : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayFormTest, ReplacesOnlyNul) {
    EXPECT_EQ(DisplayForm(GetParam().internal), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, DisplayFormTest,
    ::testing::Values(DisplayCase{"Empty", "", ""}, DisplayCase{"PlainText", "ABC 123", "ABC 123"},
                      DisplayCase{"NulInside", "A\0B"s,
                                  "A\xFF"
                                  "B"},
                      DisplayCase{"NulAtBothEnds", "\0X\0"s, "\xFFX\xFF"},
                      DisplayCase{"OnlyNuls", "\0\0\0"s, "\xFF\xFF\xFF"},
                      DisplayCase{"CharacterFfStays", "\xFF", "\xFF"},
                      DisplayCase{"NulBesideFf", "\xFF\0"s, "\xFF\xFF"},
                      DisplayCase{"ControlCharactersStay", "\t\r\n\x01\x1F\x7F",
                                  "\t\r\n\x01\x1F\x7F"},
                      DisplayCase{"HighCharactersStay", "\x80\xA0\xE9\xFE", "\x80\xA0\xE9\xFE"}),
    rowName<DisplayCase>);

} // namespace
} // namespace vornik
