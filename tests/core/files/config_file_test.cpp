#include "core/files/config_file.h"
#include "core/files/configuration.h"
#include "support/command_session.h"
#include "support/config_lines.h"
#include "support/locale_guard.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vornik::files {
namespace {

using namespace std::string_literals;
using vornik::testing::CommandSession;
using vornik::testing::TempFolder;
using vornik::testing::withLine;

// A record in which every field the file holds is off its default.
ConfigurationRecord everythingChanged() {
    ConfigurationRecord r{.job = {},
                          .MessageFilePath = "/labels/list.txt",
                          .BarcodeSavePath = "/labels/out.wmf",
                          .MessageFileOpen = true,
                          .MagnifyText = "120",
                          .WidthText = "15.6",
                          .HeightText = "0.75"};
    Job& j = r.job;
    // clang-format off
    j.Symbology = Symbology::Code128; j.Message = "A\0B\r\nC\x80\xFF"s;
    j.Comment = "Lot 7, \xE9t\xE9"; j.Supplement = "12345";
    j.NarrowBarWidth = 39.624f; j.BarHeight = 1.905f; j.Ratio = 8; j.Magnification = 120.0f;
    j.ModuleSize = 60.96f; j.PdfModuleWidth = 30.48f; j.PdfModuleHeight = 91.44f;
    j.PdfAspectRatio = 0.625; j.PdfSecurityLevel = 4; j.PdfMode = 3; j.PdfOverheadPercent = 25;
    j.PdfShowCodewords = 1; j.PdfTruncated = 1; j.PdfMaxRows = 40; j.PdfMaxColumns = 12;
    j.PdfLayoutFlag = 2; j.PdfCharacterSet = 2; j.AztecEcPercent = 33; j.AztecMenuFlag = 1;
    j.DmEccLevel = 12; j.DmFormat = 3; j.DmFormatOption = 5; j.DmStandard = 0;
    j.Units = Units::Metric; j.Orientation = Orientation::Vertical270;
    j.IncludeText = false; j.TextAbove = true; j.CommentAbove = false;
    j.CommentAlign = CommentAlignment::Right; j.FontName = "Liberation Sans"; j.FontSize = 14;
    j.FontBold = j.FontItalic = j.FontUnderline = j.FontStrikeout = j.AutoFontScaling = true;
    j.FontColor = 0x0000FF; j.ForeColor = 0x800000; j.BackColor = 0x00FFFF;
    j.Transparent = j.QuietZones = j.BearerBars = j.CheckDigit = j.FixDriver = true;
    j.AnsiDisplay = true; j.PrintWarnings = j.MessageWarnings = false;
    j.BarWidthAdjust = 0x23; j.TargetDpiX = 600; j.TargetDpiY = 203; j.ClipboardMode = 1;
    j.BitsPerPixel = 24; j.RasterResolution = 600; j.JpegQuality = 75; j.PngFilter = 10;
    j.PngInterlace = j.BmpCompression = j.TgaCompression = j.GifCompression = 1;
    j.TiffCompression = 4; j.ReservedSetting = 7;
    j.IncStart = -12.5; j.IncValue = -0.25; j.IncWidth = 6; j.IncEnabled = 1; j.IncTarget = false;
    j.IncPreamble = "\x80\x81 pre"; j.IncPostamble = "post\xFE\xFF";
    // clang-format on
    return r;
}

// The bytes of the default job with a short message, pinned so that the
// format cannot drift; numbers are written the same under a German locale.
TEST(ConfigFileTest, WritesTheDefaultJobByteForByte) {
    ConfigurationRecord record;
    record.MagnifyText = "100";
    record.WidthText = "13";
    record.HeightText = "1";
    record.job.Message = "AB\0C"s;
    record.job.Comment = "note";
    const std::string expected =
        std::string(kConfigurationBanner) +
        "\r\n\r\n\r\n 0 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n 1000 \r\n-1 \r\n 2 \r\n 1000 \r\n"
        " 0 \r\nArial\0\r\n 10 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"
        " 0 \r\n 0 \r\n 0 \r\n 5 \r\n100\r\n13\r\n1\r\n\r\n 9 \r\n 0 \r\n 0 \r\n 11 \r\n"
        " 0 \r\n 300 \r\n 300 \r\n 1 \r\n-1 \r\n 0 \r\n 0 \r\n 16777215 \r\n 90 \r\n 30 \r\n"
        " 0 \r\n 2 \r\n 0 \r\n 0 \r\n 0 \r\n 25.4\r\n 76.2\r\n 100\r\n 33.02\r\n 2.54\r\n"
        " 0.5\r\n 0\r\n 1\r\n 0\r\n 0 \r\n 0 \r\n 4 \r\nAB\0Cnote\r\n 0\r\n 0\r\n 50.8\r\n"
        " 0\r\n 26\r\n 6\r\n 1\r\n 1\r\n 300\r\n 100\r\n 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n"
        " 0\r\n 0\r\n"s;
    EXPECT_EQ(writeConfigurationBytes(record), expected);
    const vornik::testing::GermanLocale german;
    EXPECT_EQ(writeConfigurationBytes(record), expected) << "German locale";
}

// Where a file may end: after the raw section, the comment, or a group.
std::vector<std::size_t> groupEnds(const std::string& bytes, const ConfigurationRecord& saved) {
    const Job& j = saved.job;
    const std::size_t rawEnd = bytes.find(j.IncPreamble + j.IncPostamble + j.Message) +
                               j.IncPreamble.size() + j.IncPostamble.size() + j.Message.size();
    std::vector<std::size_t> ends{rawEnd};
    for (int lines : {1, 4, 3}) {
        std::size_t end = ends.back();
        for (int i = 0; i < lines; ++i)
            end = bytes.find("\r\n", end) + 2;
        ends.push_back(end);
    }
    return ends;
}

// Every field survives a write and a read. Files written before the later groups existed end
// early; what they do not hold keeps the value it had.
TEST(ConfigFileTest, EveryFieldSurvivesAndShorterFilesRead) {
    const ConfigurationRecord saved = everythingChanged();
    std::string bytes = writeConfigurationBytes(saved);
    EXPECT_EQ(parseConfigurationBytes(bytes, {}), saved);
    const auto ends = groupEnds(bytes, saved);
    const Job before, &after = saved.job;
    // Cut after the raw section, the comment, the first and the second group.
    for (std::size_t k = 0; k < ends.size(); ++k) {
        SCOPED_TRACE(::testing::Message() << "cut after " << k << " more groups");
        const auto loaded = parseConfigurationBytes(bytes.substr(0, ends[k]), {});
        ASSERT_TRUE(loaded);
        const Job& j = loaded->job;
        EXPECT_EQ(j.Message, after.Message);
        EXPECT_EQ(j.IncValue, after.IncValue);
        EXPECT_EQ(j.Comment, (k >= 1 ? after : before).Comment);
        EXPECT_EQ(j.CommentAlign, (k >= 2 ? after : before).CommentAlign);
        EXPECT_EQ(j.DmEccLevel, (k >= 3 ? after : before).DmEccLevel);
        EXPECT_EQ(j.BitsPerPixel, before.BitsPerPixel);
    }
    bytes.replace(0, kConfigurationBanner.size(), kLegacyConfigurationBanner);
    EXPECT_EQ(parseConfigurationBytes(bytes, {}), saved) << "legacy banner";
}

std::string replaced(std::string bytes, const std::string& what, const std::string& with) {
    const auto at = bytes.find(what);
    EXPECT_NE(at, std::string::npos) << what;
    return bytes.replace(at, what.size(), with);
}

TEST(ConfigFileTest, RejectsEveryFileThatIsNotAWholeConfiguration) {
    const ConfigurationRecord saved = everythingChanged();
    const std::string good = writeConfigurationBytes(saved);
    const std::string lengths = " 6 \r\n 6 \r\n 8 \r\n";
    ASSERT_NE(good.find(lengths), std::string::npos);
    const std::pair<const char*, std::string> rows[] = {
        {"Empty", ""},
        {"OtherBanner", "Vornik" + good.substr(kConfigurationBanner.size())},
        {"BannerWithoutLineEnd", std::string(kConfigurationBanner)},
        {"LongIsNoNumber", replaced(good, " 600 \r\n", " six \r\n")},
        {"LongIsAFraction", replaced(good, " 600 \r\n", " 600.5 \r\n")},
        {"LongOutOfRange", replaced(good, " 600 \r\n", " 2147483648 \r\n")},
        {"StrIsNoNumber", replaced(good, " 39.624\r\n", " wide\r\n")},
        {"SymbologyOutOfRange", replaced(good, "\r\n 13 \r\n", "\r\n 25 \r\n")},
        {"ZeroResolution", replaced(good, " 600 \r\n", " 0 \r\n")},
        {"RawBeyondTheEnd", replaced(good, lengths, " 6 \r\n 6 \r\n 9999 \r\n")},
        {"TwoGigabyteRaw", replaced(good, lengths, " 6 \r\n 6 \r\n 2147483647 \r\n")},
        {"NegativeRaw", replaced(good, lengths, " 6 \r\n-6 \r\n 9 \r\n")},
        {"CommentAlignOutOfRange", replaced(good, "\r\n 2\r\n 33\r\n", "\r\n 3\r\n 33\r\n")},
    };
    for (const auto& [name, bytes] : rows)
        EXPECT_FALSE(parseConfigurationBytes(bytes, {})) << name;

    // Cut anywhere but where a group ends, the file is not whole. (A cut
    // between the CR and the LF of a group's last line still ends the group.)
    auto ends = groupEnds(good, saved);
    for (std::size_t i = 1, n = ends.size(); i < n; ++i)
        ends.push_back(ends[i] - 1);
    ends.push_back(good.size() - 1);
    for (std::size_t length = 0; length < good.size(); ++length) {
        const bool groupEnd = std::find(ends.begin(), ends.end(), length) != ends.end();
        EXPECT_EQ(parseConfigurationBytes(good.substr(0, length), {}).has_value(), groupEnd)
            << "cut at " << length;
    }
}

TEST(ConfigFileTest, LineFieldsHoldNoLineBreaks) {
    ConfigurationRecord record;
    record.job.Comment = "two\r\nlines";
    record.job.FontName = "a\rb";
    const auto loaded = parseConfigurationBytes(writeConfigurationBytes(record), {});
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->job.Comment, "two  lines");
    EXPECT_EQ(loaded->job.FontName, "a b");
}

// A number field at the edge of what the program can set it to, and the
// first value past it.
struct FieldEdge {
    const char* name;
    int line;
    const char* accepted;
    const char* rejected;
};

// clang-format off
const FieldEdge kFieldEdges[] = {
    {"PdfCharacterSet", 4, " 2 ", " 3 "},
    {"PdfCharacterSetBelow", 4, " 0 ", "-1 "},
    {"Symbology", 6, " 24 ", " 25 "},
    {"TextAndCommentPlace", 11, " 3 ", " 4 "},
    {"FontSize", 15, " 32767 ", " 32768 "},
    {"FontSizeOfTheReport", 15, " 32767 ", " 2147483647 "},
    {"FontSizeZero", 15, " 1 ", " 0 "},
    {"FontSizeNegative", 15, " 1 ", "-2147483648 "},
    {"Orientation", 23, " 2 ", " 3 "},
    {"ClipboardMode", 24, " 1 ", " 2 "},
    {"NumberedPart", 26, " 1 ", " 2 "},
    {"Ratio", 27, " 10 ", " 11 "},
    {"PdfSecurityLevel", 32, " 9 ", " 10 "},
    {"PdfLayoutFlag", 33, " 2 ", " 3 "},
    {"PdfMode", 34, " 4 ", " 5 "},
    {"PdfOverheadPercent", 35, " 99 ", " 100 "},
    {"PdfShowCodewords", 36, " 1 ", "-1 "},
    {"TargetDpiX", 37, " 99999 ", " 100000 "},
    {"TargetDpiY", 38, " 1 ", " 0 "},
    {"FontColor", 41, " 16777215 ", " 16777216 "},
    {"ForeColor", 42, " 0 ", "-1 "},
    {"BackColor", 43, " 16777215 ", " 2147483647 "},
    {"PdfMaxRows", 44, "-2147483648 ", " 91 "},
    {"PdfMaxColumns", 45, "-2147483648 ", " 31 "},
    {"PdfTruncated", 46, " 1 ", " 2 "},
    {"BarWidthGain", 49, " 47 ", " 48 "},
    {"BarWidthStep", 49, " 15 ", " 16 "},
    {"BarWidthNegative", 49, " 0 ", "-1 "},
    {"IncEnabled", 50, " 1 ", "-1 "},
    {"PdfModuleWidth", 51, " 3.4028235E38", " 3.4028236E38"},
    {"PdfModuleHeight", 52, "-3.4028235E38", "-3.4028236E38"},
    {"Magnification", 53, " 3.4028235E38", " 1E39"},
    {"NarrowBarWidth", 54, "-3.4028235E38", "-1E300"},
    {"BarHeight", 55, " 3.4028235E38", " 1.7E308"},
    {"IncWidth", 59, " 1.7E308", "-1"},
    {"CommentAlign", 64, " 2", " 3"},
    {"ModuleSize", 66, " 3.4028235E38", " 3.4028236E38"},
    {"AztecMenuFlag", 67, " 1", " 2"},
    {"DmEccLevel", 68, " 12", " 13"},
    {"DmFormat", 69, " 63", " 64"},
    {"DmStandard", 70, " 0", "-1"},
    {"BitsPerPixel", 71, " 24", " 4"},
    {"RasterResolution", 72, " 1440", " 1441"},
    {"RasterResolutionLow", 72, " 20", " 19"},
    {"RasterResolutionOfTheReport", 72, " 20", " 2147483647"},
    {"JpegQuality", 73, " 1", " 0"},
    {"JpegQualityHigh", 73, " 100", " 101"},
    {"PngFilter", 74, " 10", " 12"},
    {"PngFilterOdd", 74, " 2", " 3"},
    {"PngInterlace", 75, " 1", " 2"},
    {"BmpCompression", 76, " 1", " 2"},
    {"TgaCompression", 77, " 0", "-1"},
    {"TiffCompression", 78, " 4", " 5"},
    {"GifCompression", 79, " 1", " 2"},
};
// clang-format on

// Each number field takes the extreme values the program can give it and no
// value past them; a file holding one is not loaded, and the job stays as it
// was.
TEST(ConfigFileTest, EveryNumberFieldIsHeldToTheRangeOfItsSetting) {
    ConfigurationRecord record;
    record.job.Message = "ABC";
    record.job.Comment = "note";
    const std::string good = writeConfigurationBytes(record);
    // The lines are counted right on both sides of the raw strings.
    for (const auto& [line, text] : {std::pair(15, " 10 "), std::pair(54, " 33.02"),
                                     std::pair(64, " 0"), std::pair(72, " 300")})
        ASSERT_EQ(withLine(good, line, text), good) << "line " << line;
    const TempFolder folder;
    CommandSession session;
    ASSERT_TRUE(session.run("[code128][message='keep'][fontsize=12]"));
    const Job before = session.job();
    for (const FieldEdge& row : kFieldEdges) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(parseConfigurationBytes(withLine(good, row.line, row.accepted), record));
        const std::string bad = withLine(good, row.line, row.rejected);
        EXPECT_FALSE(parseConfigurationBytes(bad, record));
        const auto path = folder.write("bad.vkf", bad);
        session.host.messages.clear();
        EXPECT_FALSE(session.run("[openconfig(" + path.string() + ")]"));
        EXPECT_TRUE(session.job() == before);
        ASSERT_EQ(session.host.messages.size(), 1u);
        EXPECT_EQ(session.host.messages[0].text,
                  "File: " + path.string() + " is not a valid VORNIK configuration file!");
    }
}

// The extremes of every number field, as a file may hold them, read back.
TEST(ConfigFileTest, ExtremeValuesSurvive) {
    ConfigurationRecord record;
    Job& j = record.job;
    j.Message = "ABC";
    // clang-format off
    j.NarrowBarWidth = FLT_MAX; j.BarHeight = -FLT_MAX; j.Magnification = FLT_TRUE_MIN;
    j.ModuleSize = -FLT_MIN; j.PdfModuleWidth = 1e-30f; j.PdfModuleHeight = FLT_MAX;
    j.PdfAspectRatio = DBL_MAX; j.IncStart = -DBL_MAX; j.IncValue = DBL_TRUE_MIN; j.IncWidth = DBL_MAX;
    j.FontSize = 32767; j.TargetDpiX = 99999; j.TargetDpiY = 1; j.PdfMaxRows = INT_MIN;
    j.PdfMaxColumns = 30; j.AztecEcPercent = INT_MIN; j.ReservedSetting = INT_MAX;
    j.BarWidthAdjust = 47; j.FontColor = 0xFFFFFF; j.DmFormat = 7; j.DmFormatOption = 7;
    j.RasterResolution = 20; j.JpegQuality = 1;
    // clang-format on
    EXPECT_EQ(parseConfigurationBytes(writeConfigurationBytes(record), {}), record);
    j.AztecEcPercent = INT_MAX;
    j.PdfMaxRows = 90;
    j.RasterResolution = 1440;
    EXPECT_EQ(parseConfigurationBytes(writeConfigurationBytes(record), {}), record);
}

// The extremes the commands accept are saved and loaded again unchanged.
TEST(ConfigFileTest, TheExtremesOfTheCommandsLoadAgain) {
    const TempFolder folder;
    const std::string path = (folder.path() / "edge.vkf").string();
    CommandSession session;
    ASSERT_TRUE(session.run(
        "[upca][magnify=1000000][code128][message='EDGE'][fontsize=32767][horizontaldpi=99999]"
        "[verticaldpi=1][pdfmaxrows=-2147483648][pdfmaxcols=30][barwidth=1.3E38]"
        "[barheight=-1.3E38][pdfmodulewidth=1E38][pdfmoduleheight=-1E38]"
        "[aztecmodulesize=1.3E38][pdfaspect=1E308][incstart=-1.7E308][incvalue=1.7E308]"
        "[incwidth=3072][aztececp=2147483647][barreduction=-75][pdfoverhead=99][pdfsecurity=8]"
        "[rasterimageresolution=1440][jpegquality=1][bitsperpixel=24][pngpaethfilter]"
        "[tiffcompression=group4][dmformat=7.9][dmecc=140][fontcolorrgb=255,255,255]"));
    ASSERT_TRUE(session.run("[saveconfig(" + path + ")]"));
    const Job saved = session.job();
    ASSERT_TRUE(session.run("[new][openconfig(" + path + ")]"));
    EXPECT_TRUE(session.job() == saved);
    EXPECT_EQ(session.job().FontSize, 32767);
    EXPECT_EQ(session.job().BarWidthAdjust, 15 | kBarWidthGainBit);
    EXPECT_EQ(session.job().Magnification, FLT_MAX) << "a width past the largest magnification";
}

} // namespace
} // namespace vornik::files
