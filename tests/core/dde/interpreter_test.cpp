#include "core/app/application.h"
#include "core/app/builders.h"
#include "core/app/symbology.h"
#include "core/dde/interpreter.h"
#include "support/command_session.h"
#include "support/fake_host.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <iomanip>
#include <optional>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

namespace vornik::dde {
namespace {

using namespace std::string_literals;

using Session = vornik::testing::CommandSession;

// --- comparing whole jobs ---------------------------------------------------
// Lengths are single-precision results of unit conversions, so they are
// compared to a relative precision a float can hold; everything else exactly.

template <typename T> bool sameValue(const T& actual, const T& expected) {
    if constexpr (std::is_floating_point_v<T>) {
        if (actual == expected)
            return true;
        const double tolerance = 1e-6 * std::max(1.0, std::fabs(double(expected)));
        return std::fabs(double(actual) - double(expected)) <= tolerance;
    } else {
        return actual == expected;
    }
}

template <typename T> void show(std::ostream& out, const T& value) {
    if constexpr (std::is_same_v<T, std::string>) {
        out << '"';
        for (const char c : value.substr(0, 40)) {
            const auto code = static_cast<unsigned char>(c);
            if (code >= 0x20 && code < 0x7F)
                out << c;
            else
                out << "\\x" << std::hex << std::setw(2) << std::setfill('0') << unsigned(code)
                    << std::dec;
        }
        out << (value.size() > 40 ? "\"..." : "\"");
    } else if constexpr (std::is_enum_v<T>) {
        out << static_cast<long long>(value);
    } else if constexpr (std::is_floating_point_v<T>) {
        out << std::setprecision(9) << value;
    } else {
        out << +value;
    }
}

class JobComparison {
public:
    JobComparison(const Job& actual, const Job& expected) : actual_(actual), expected_(expected) {}

    template <typename T> void field(const char* name, T Job::*member) {
        if (sameValue(actual_.*member, expected_.*member))
            return;
        out_ << name << " is ";
        show(out_, actual_.*member);
        out_ << ", expected ";
        show(out_, expected_.*member);
        out_ << "; ";
    }
    std::string text() const { return out_.str(); }

private:
    const Job& actual_;
    const Job& expected_;
    std::ostringstream out_;
};

// The fields that differ, with both values; empty when the jobs agree.
std::string jobDifferences(const Job& actual, const Job& expected) {
    JobComparison c(actual, expected);
    c.field("Symbology", &Job::Symbology);
    c.field("Message", &Job::Message);
    c.field("Comment", &Job::Comment);
    c.field("Supplement", &Job::Supplement);
    c.field("NarrowBarWidth", &Job::NarrowBarWidth);
    c.field("BarHeight", &Job::BarHeight);
    c.field("Ratio", &Job::Ratio);
    c.field("Magnification", &Job::Magnification);
    c.field("ModuleSize", &Job::ModuleSize);
    c.field("PdfModuleWidth", &Job::PdfModuleWidth);
    c.field("PdfModuleHeight", &Job::PdfModuleHeight);
    c.field("PdfAspectRatio", &Job::PdfAspectRatio);
    c.field("PdfSecurityLevel", &Job::PdfSecurityLevel);
    c.field("PdfMode", &Job::PdfMode);
    c.field("PdfOverheadPercent", &Job::PdfOverheadPercent);
    c.field("PdfShowCodewords", &Job::PdfShowCodewords);
    c.field("PdfTruncated", &Job::PdfTruncated);
    c.field("PdfMaxRows", &Job::PdfMaxRows);
    c.field("PdfMaxColumns", &Job::PdfMaxColumns);
    c.field("PdfLayoutFlag", &Job::PdfLayoutFlag);
    c.field("PdfCharacterSet", &Job::PdfCharacterSet);
    c.field("AztecEcPercent", &Job::AztecEcPercent);
    c.field("AztecMenuFlag", &Job::AztecMenuFlag);
    c.field("DmEccLevel", &Job::DmEccLevel);
    c.field("DmFormat", &Job::DmFormat);
    c.field("DmFormatOption", &Job::DmFormatOption);
    c.field("DmStandard", &Job::DmStandard);
    c.field("Units", &Job::Units);
    c.field("Orientation", &Job::Orientation);
    c.field("IncludeText", &Job::IncludeText);
    c.field("TextAbove", &Job::TextAbove);
    c.field("CommentAbove", &Job::CommentAbove);
    c.field("CommentAlign", &Job::CommentAlign);
    c.field("FontName", &Job::FontName);
    c.field("FontSize", &Job::FontSize);
    c.field("FontBold", &Job::FontBold);
    c.field("FontItalic", &Job::FontItalic);
    c.field("FontUnderline", &Job::FontUnderline);
    c.field("FontStrikeout", &Job::FontStrikeout);
    c.field("FontColor", &Job::FontColor);
    c.field("AutoFontScaling", &Job::AutoFontScaling);
    c.field("ForeColor", &Job::ForeColor);
    c.field("BackColor", &Job::BackColor);
    c.field("Transparent", &Job::Transparent);
    c.field("QuietZones", &Job::QuietZones);
    c.field("BearerBars", &Job::BearerBars);
    c.field("CheckDigit", &Job::CheckDigit);
    c.field("DisableAutoCheck", &Job::DisableAutoCheck);
    c.field("BarWidthAdjust", &Job::BarWidthAdjust);
    c.field("TargetDpiX", &Job::TargetDpiX);
    c.field("TargetDpiY", &Job::TargetDpiY);
    c.field("DotsAcross", &Job::DotsAcross);
    c.field("DotsAlong", &Job::DotsAlong);
    c.field("PrintWarnings", &Job::PrintWarnings);
    c.field("MessageWarnings", &Job::MessageWarnings);
    c.field("FixDriver", &Job::FixDriver);
    c.field("AnsiDisplay", &Job::AnsiDisplay);
    c.field("ClipboardMode", &Job::ClipboardMode);
    c.field("BitsPerPixel", &Job::BitsPerPixel);
    c.field("RasterResolution", &Job::RasterResolution);
    c.field("JpegQuality", &Job::JpegQuality);
    c.field("PngFilter", &Job::PngFilter);
    c.field("PngInterlace", &Job::PngInterlace);
    c.field("BmpCompression", &Job::BmpCompression);
    c.field("TgaCompression", &Job::TgaCompression);
    c.field("GifCompression", &Job::GifCompression);
    c.field("TiffCompression", &Job::TiffCompression);
    c.field("IncStart", &Job::IncStart);
    c.field("IncValue", &Job::IncValue);
    c.field("IncWidth", &Job::IncWidth);
    c.field("IncEnabled", &Job::IncEnabled);
    c.field("IncTarget", &Job::IncTarget);
    c.field("IncPreamble", &Job::IncPreamble);
    c.field("IncPostamble", &Job::IncPostamble);
    return c.text();
}

// --- one command at a time --------------------------------------------------

// Turns the job as it was before the command into the job expected after it.
using JobChange = void (*)(Job&);

struct CommandCase {
    const char* name;
    const char* setup; // run first, on a fresh application; must be acknowledged
    std::string command;
    bool acknowledged;
    JobChange change; // nullptr: the job is left exactly as it was
};

void runCommandCases(const std::vector<CommandCase>& cases) {
    for (const CommandCase& row : cases) {
        SCOPED_TRACE(row.name);
        Session session;
        ASSERT_TRUE(session.run(row.setup)) << "setup " << row.setup;
        Job expected = session.job();
        if (row.change != nullptr)
            row.change(expected);
        EXPECT_EQ(session.run(row.command), row.acknowledged) << row.command;
        EXPECT_EQ(jobDifferences(session.job(), expected), "") << row.command;
    }
}

// The arithmetic of the units, worked out here on its own: a mil is 2.54
// thousandths of a centimetre, and the magnification is relative to a 13 mil bar.
constexpr double kMil = 2.54;
double magnificationOf(double widthThousandthsCm) {
    return widthThousandthsCm / kMil / 13.0 * 100.0;
}

TEST(InterpreterTest, NumericSettings) {
    runCommandCases({
        // PDF417 security level: 0 to 8, or AUTO for 9.
        {"PdfSecurity0", "", "[PDFSECURITY=0]", true, [](Job& j) { j.PdfSecurityLevel = 0; }},
        {"PdfSecurity8", "", "[PDFSECURITY=8]", true, [](Job& j) { j.PdfSecurityLevel = 8; }},
        {"PdfSecurity9Refused", "[PDFSECURITY=3]", "[PDFSECURITY=9]", false, nullptr},
        {"PdfSecurityAuto", "[PDFSECURITY=3]", "[PDFSECURITY=AUTO]", true,
         [](Job& j) { j.PdfSecurityLevel = 9; }},
        {"PdfSecurityAutoLowerCase", "[PDFSECURITY=3]", "[pdfsecurity=auto]", true,
         [](Job& j) { j.PdfSecurityLevel = 9; }},
        {"PdfSecurityNegativeRefused", "", "[PDFSECURITY=-1]", false, nullptr},
        {"PdfSecurityWordRefused", "", "[PDFSECURITY=HIGH]", false, nullptr},
        {"PdfSecurityEmptyRefused", "", "[PDFSECURITY=]", false, nullptr},
        {"PdfSecurityBlanksAround", "", "[PDFSECURITY= 4 ]", true,
         [](Job& j) { j.PdfSecurityLevel = 4; }},
        {"PdfSecurityTrailingTextRefused", "", "[PDFSECURITY=4x]", false, nullptr},
        {"PdfSecurityRoundsDown", "", "[PDFSECURITY=8.4]", true,
         [](Job& j) { j.PdfSecurityLevel = 8; }},
        {"PdfSecurityRoundsToNine", "", "[PDFSECURITY=8.6]", false, nullptr},
        // PDF417 overhead: 0 to 99 percent.
        {"PdfOverhead0", "", "[PDFOVERHEAD=0]", true, [](Job& j) { j.PdfOverheadPercent = 0; }},
        {"PdfOverhead99", "", "[PDFOVERHEAD=99]", true, [](Job& j) { j.PdfOverheadPercent = 99; }},
        {"PdfOverhead100Refused", "", "[PDFOVERHEAD=100]", false, nullptr},
        {"PdfOverheadNegativeRefused", "", "[PDFOVERHEAD=-1]", false, nullptr},
        {"PdfOverheadWordRefused", "", "[PDFOVERHEAD=many]", false, nullptr},
        // PDF417 limits: refused from 31 columns and 91 rows on.
        {"PdfMaxCols30", "[PDFMAXCOLS=5]", "[PDFMAXCOLS=30]", true,
         [](Job& j) { j.PdfMaxColumns = 30; }},
        {"PdfMaxCols1", "", "[PDFMAXCOLS=1]", true, [](Job& j) { j.PdfMaxColumns = 1; }},
        {"PdfMaxCols31Refused", "", "[PDFMAXCOLS=31]", false, nullptr},
        {"PdfMaxColsWordRefused", "", "[PDFMAXCOLS=x]", false, nullptr},
        {"PdfMaxRows90", "[PDFMAXROWS=5]", "[PDFMAXROWS=90]", true,
         [](Job& j) { j.PdfMaxRows = 90; }},
        {"PdfMaxRows3", "", "[PDFMAXROWS=3]", true, [](Job& j) { j.PdfMaxRows = 3; }},
        {"PdfMaxRows91Refused", "", "[PDFMAXROWS=91]", false, nullptr},
        {"PdfAspect", "", "[PDFASPECT=1.5]", true, [](Job& j) { j.PdfAspectRatio = 1.5; }},
        {"PdfAspectWordRefused", "", "[PDFASPECT=wide]", false, nullptr},
        {"AztecEcp", "", "[AZTECECP=23]", true, [](Job& j) { j.AztecEcPercent = 23; }},
        {"AztecEcpWordRefused", "", "[AZTECECP=x]", false, nullptr},
        // Data Matrix format: 0 to 7, integer part taken.
        {"DmFormat0", "", "[DMFORMAT=0]", true, [](Job& j) { j.DmFormat = 0; }},
        {"DmFormat7", "", "[DMFORMAT=7]", true, [](Job& j) { j.DmFormat = 7; }},
        {"DmFormatIntegerPart", "", "[DMFORMAT=3.9]", true, [](Job& j) { j.DmFormat = 3; }},
        {"DmFormat8Refused", "", "[DMFORMAT=8]", false, nullptr},
        {"DmFormatNegativeRefused", "", "[DMFORMAT=-1]", false, nullptr},
        {"DmFormatWordRefused", "", "[DMFORMAT=square]", false, nullptr},
        // Data Matrix ECC: 000, 050, 080, 100, 140, 200 map to 0, 3, 6, 8, 12, 26.
        {"DmEcc0", "", "[DMECC=0]", true, [](Job& j) { j.DmEccLevel = 0; }},
        {"DmEcc50", "", "[DMECC=50]", true, [](Job& j) { j.DmEccLevel = 3; }},
        {"DmEcc050", "", "[DMECC=050]", true, [](Job& j) { j.DmEccLevel = 3; }},
        {"DmEcc80", "", "[DMECC=80]", true, [](Job& j) { j.DmEccLevel = 6; }},
        {"DmEcc100", "", "[DMECC=100]", true, [](Job& j) { j.DmEccLevel = 8; }},
        {"DmEcc140", "", "[DMECC=140]", true, [](Job& j) { j.DmEccLevel = 12; }},
        {"DmEcc200", "[DMECC=0]", "[DMECC=200]", true, [](Job& j) { j.DmEccLevel = 26; }},
        {"DmEcc120Refused", "[DMECC=50]", "[DMECC=120]", false, nullptr},
        {"DmEccLevelNumberRefused", "[DMECC=50]", "[DMECC=26]", false, nullptr},
        {"DmEccWordRefused", "", "[DMECC=max]", false, nullptr},
        // Bar width reduction: n / 5 steps, truncated; negative is a gain.
        {"BarReductionGainOf12", "", "[BARREDUCTION=-12]", true,
         [](Job& j) { j.BarWidthAdjust = 2 | kBarWidthGainBit; }},
        {"BarReduction10", "", "[BARREDUCTION=10]", true, [](Job& j) { j.BarWidthAdjust = 2; }},
        {"BarReduction80Refused", "[BARREDUCTION=10]", "[BARREDUCTION=80]", false, nullptr},
        {"BarReductionMinus80Refused", "", "[BARREDUCTION=-80]", false, nullptr},
        {"BarReduction79", "", "[BARREDUCTION=79]", true, [](Job& j) { j.BarWidthAdjust = 15; }},
        {"BarReductionGain79", "", "[BARREDUCTION=-79]", true,
         [](Job& j) { j.BarWidthAdjust = 15 | kBarWidthGainBit; }},
        {"BarReductionBelowOneStep", "[BARREDUCTION=10]", "[BARREDUCTION=4]", true,
         [](Job& j) { j.BarWidthAdjust = 0; }},
        {"BarReductionGainBelowOneStep", "", "[BARREDUCTION=-4]", true,
         [](Job& j) { j.BarWidthAdjust = kBarWidthGainBit; }},
        {"BarReductionWordRefused", "", "[BARREDUCTION=some]", false, nullptr},
        // Target resolution: 1 to 99999 dots per inch.
        {"HorizontalDpi", "", "[HORIZONTALDPI=600]", true,
         [](Job& j) { j.TargetDpiX = j.DotsAcross = 600; }},
        {"VerticalDpi", "", "[VERTICALDPI=1200]", true,
         [](Job& j) { j.TargetDpiY = j.DotsAlong = 1200; }},
        {"HorizontalDpiWhileVertical", "[VERTDOWN]", "[HORIZONTALDPI=600]", true,
         [](Job& j) { j.TargetDpiX = j.DotsAlong = 600; }},
        {"HorizontalDpiLargest", "", "[HORIZONTALDPI=99999]", true,
         [](Job& j) { j.TargetDpiX = j.DotsAcross = 99999; }},
        {"HorizontalDpiSmallest", "", "[HORIZONTALDPI=1]", true,
         [](Job& j) { j.TargetDpiX = j.DotsAcross = 1; }},
        {"HorizontalDpiZeroRefused", "", "[HORIZONTALDPI=0]", false, nullptr},
        {"HorizontalDpiTooLargeRefused", "", "[HORIZONTALDPI=100000]", false, nullptr},
        {"HorizontalDpiRoundsToZeroRefused", "", "[HORIZONTALDPI=0.4]", false, nullptr},
        {"HorizontalDpiRoundsTo100000Refused", "", "[HORIZONTALDPI=99999.6]", false, nullptr},
        {"VerticalDpiNegativeRefused", "", "[VERTICALDPI=-300]", false, nullptr},
        {"VerticalDpiWordRefused", "", "[VERTICALDPI=high]", false, nullptr},
        // Font size: 1 to 32767 points, integer part taken.
        {"FontSize", "", "[FONTSIZE=12]", true, [](Job& j) { j.FontSize = 12; }},
        {"FontSizeIntegerPart", "", "[FONTSIZE=12.9]", true, [](Job& j) { j.FontSize = 12; }},
        {"FontSize1", "", "[FONTSIZE=1]", true, [](Job& j) { j.FontSize = 1; }},
        {"FontSize32767", "", "[FONTSIZE=32767]", true, [](Job& j) { j.FontSize = 32767; }},
        {"FontSize0Refused", "", "[FONTSIZE=0]", false, nullptr},
        {"FontSizeBelowOneRefused", "", "[FONTSIZE=0.99]", false, nullptr},
        {"FontSize32768Refused", "", "[FONTSIZE=32768]", false, nullptr},
        {"FontSizeNegativeRefused", "", "[FONTSIZE=-5]", false, nullptr},
        {"FontSizeWordRefused", "", "[FONTSIZE=big]", false, nullptr},
        // Ratio: formatted "0.0" and taken only when it is one of 2.0 to 3.0.
        {"Ratio2.5", "[RATIO=2.0]", "[RATIO=2.5]", true, [](Job& j) { j.Ratio = 5; }},
        {"Ratio2.0", "", "[RATIO=2.0]", true, [](Job& j) { j.Ratio = 0; }},
        {"Ratio3", "", "[RATIO=3]", true, [](Job& j) { j.Ratio = 10; }},
        {"Ratio2.71", "", "[RATIO=2.71]", true, [](Job& j) { j.Ratio = 7; }},
        {"Ratio2.96", "", "[RATIO=2.96]", true, [](Job& j) { j.Ratio = 10; }},
        {"Ratio3.5Ignored", "[RATIO=2.0]", "[RATIO=3.5]", true, nullptr},
        {"Ratio1.9Ignored", "[RATIO=2.0]", "[RATIO=1.9]", true, nullptr},
        {"RatioWordIgnored", "[RATIO=2.0]", "[RATIO=wide]", true, nullptr},
    });
}

TEST(InterpreterTest, Magnification) {
    runCommandCases({
        {"Code128Refused", "[CODE128]", "[MAGNIFY=120]", false, nullptr},
        {"Code39Refused", "", "[MAGNIFY=120]", false, nullptr},
        {"Pdf417Refused", "[PDF417]", "[MAGNIFY=120]", false, nullptr},
        {"DataMatrixRefused", "[DATAMATRIX]", "[MAGNIFY=120]", false, nullptr},
        {"Ean13", "[EAN13]", "[MAGNIFY=120]", true,
         [](Job& j) {
             j.Magnification = 120;
             j.NarrowBarWidth = 13 * 1.2 * kMil; // 39.624
         }},
        {"UpcA", "[UPCA]", "[MAGNIFY=80]", true,
         [](Job& j) {
             j.Magnification = 80;
             j.NarrowBarWidth = 13 * 0.8 * kMil;
         }},
        {"UpcE", "[UPCE]", "[MAGNIFY=150]", true,
         [](Job& j) {
             j.Magnification = 150;
             j.NarrowBarWidth = 13 * 1.5 * kMil;
         }},
        {"UpcE1", "[UPCE1]", "[MAGNIFY=200]", true,
         [](Job& j) {
             j.Magnification = 200;
             j.NarrowBarWidth = 13 * 2.0 * kMil;
         }},
        {"Ean8", "[EAN8]", "[MAGNIFY=100]", true, nullptr},
        {"BookLand", "[BOOKLAND]", "[MAGNIFY=90]", true,
         [](Job& j) {
             j.Magnification = 90;
             j.NarrowBarWidth = 13 * 0.9 * kMil;
         }},
        {"Ean13WordRefused", "[EAN13]", "[MAGNIFY=large]", false, nullptr},
        {"Ean13NegativeRefused", "[EAN13]", "[MAGNIFY=-10]", false, nullptr},
    });
}

TEST(InterpreterTest, Dimensions) {
    runCommandCases({
        {"BarWidthMils", "", "[BARWIDTH=10]", true,
         [](Job& j) {
             j.NarrowBarWidth = 10 * kMil;
             j.Magnification = float(magnificationOf(10 * kMil));
         }},
        {"BarWidthMetric", "[METRIC]", "[BARWIDTH=25.4]", true,
         [](Job& j) {
             j.NarrowBarWidth = 25.4f;
             j.Magnification = float(magnificationOf(25.4));
         }},
        {"BarWidthDots", "[DOTS]", "[BARWIDTH=4]", true,
         [](Job& j) {
             j.NarrowBarWidth = 4 * 2540.0 / 300; // 33.8667
             j.Magnification = float(magnificationOf(4 * 2540.0 / 300));
         }},
        {"BarWidthDotsAcrossWhenVertical", "[HORIZONTALDPI=600][VERTICALDPI=300][VERTDOWN][DOTS]",
         "[BARWIDTH=4]", true,
         [](Job& j) {
             j.NarrowBarWidth = 4 * 2540.0 / 300;
             j.Magnification = float(magnificationOf(4 * 2540.0 / 300));
         }},
        {"BarWidthWordIsZero", "", "[BARWIDTH=thin]", true,
         [](Job& j) { j.NarrowBarWidth = j.Magnification = 0; }},
        {"BarWidthPdf417NotCoupled", "[PDF417]", "[BARWIDTH=10]", true,
         [](Job& j) { j.NarrowBarWidth = 10 * kMil; }},
        {"BarHeightInches", "", "[BARHEIGHT=2]", true, [](Job& j) { j.BarHeight = 2 * 2.54; }},
        {"BarHeightMetric", "[METRIC]", "[BARHEIGHT=3.5]", true, [](Job& j) { j.BarHeight = 3.5; }},
        {"BarHeightDots", "[DOTS]", "[BARHEIGHT=600]", true,
         [](Job& j) { j.BarHeight = 600 * 2.54 / 300; }},
        {"BarHeightDotsAlongWhenVertical", "[HORIZONTALDPI=600][VERTICALDPI=300][VERTDOWN][DOTS]",
         "[BARHEIGHT=300]", true, [](Job& j) { j.BarHeight = 300 * 2.54 / 600; }},
        {"BarHeightPdf417Refused", "[PDF417]", "[BARHEIGHT=2]", false, nullptr},
        {"BarHeightAztecLeavesModuleHeight", "[AZTEC]", "[BARHEIGHT=2]", true,
         [](Job& j) { j.BarHeight = 2 * 2.54; }},
        {"BarHeightWordIsZero", "", "[BARHEIGHT=tall]", true, [](Job& j) { j.BarHeight = 0; }},
        {"PdfModuleWidth", "", "[PDFMODULEWIDTH=12]", true,
         [](Job& j) { j.PdfModuleWidth = 12 * kMil; }},
        {"PdfModuleWidthPdf417", "[PDF417]", "[PDFMODULEWIDTH=12]", true,
         [](Job& j) { j.PdfModuleWidth = 12 * kMil; }},
        {"PdfModuleWidthDots", "[PDF417][DOTS]", "[PDFMODULEWIDTH=5]", true,
         [](Job& j) { j.PdfModuleWidth = 5 * 2540.0 / 300; }},
        {"PdfModuleHeight", "", "[PDFMODULEHEIGHT=20]", true,
         [](Job& j) { j.PdfModuleHeight = 20 * kMil; }},
        {"PdfModuleHeightAztec", "[AZTEC]", "[PDFMODULEHEIGHT=20]", true,
         [](Job& j) { j.PdfModuleHeight = 20 * kMil; }},
        {"PdfModuleHeightDots", "[PDF417][DOTS]", "[PDFMODULEHEIGHT=6]", true,
         [](Job& j) { j.PdfModuleHeight = 6 * 2540.0 / 300; }},
        {"AztecModuleSize", "", "[AZTECMODULESIZE=30]", true,
         [](Job& j) { j.ModuleSize = 30 * kMil; }},
        {"AztecModuleSizeAztec", "[AZTEC]", "[AZTECMODULESIZE=30]", true,
         [](Job& j) { j.ModuleSize = 30 * kMil; }},
        {"DmModuleSize", "", "[DMMODULESIZE=15]", true, [](Job& j) { j.ModuleSize = 15 * kMil; }},
        {"DmModuleSizeMetric", "[DATAMATRIX][METRIC]", "[DMMODULESIZE=40]", true,
         [](Job& j) { j.ModuleSize = 40; }},
        {"DmModuleSizeWordIsZero", "", "[DMMODULESIZE=small]", true,
         [](Job& j) { j.ModuleSize = 0; }},
    });
}

TEST(InterpreterTest, Texts) {
    runCommandCases({
        {"MessageEscaped", "", "[MESSAGE='ABC',13]", true, [](Job& j) { j.Message = "ABC\r"; }},
        {"MessageValueKeepsCase", "", "[message='abc']", true, [](Job& j) { j.Message = "abc"; }},
        {"MessageCodes", "", "[MESSAGE=0,'A',255]", true, [](Job& j) { j.Message = "\0A\xFF"s; }},
        {"MessageLettersOutsideQuotesDropped", "[MESSAGE='X']", "[MESSAGE=HELLO]", true,
         [](Job& j) { j.Message.clear(); }},
        {"MessageEmpty", "[MESSAGE='X']", "[MESSAGE=]", true, [](Job& j) { j.Message.clear(); }},
        {"MsgTextNotDecoded", "", "[MSGTEXT='x',13]", true, [](Job& j) { j.Message = "'x',13"; }},
        {"MsgTextKeepsEqualsAndBracket", "", "[MSGTEXT=a=[b]", true,
         [](Job& j) { j.Message = "a=[b"; }},
        {"Comment", "", "[COMMENT=Hello World]", true, [](Job& j) { j.Comment = "Hello World"; }},
        {"CommentKeepsCase", "", "[comment=MiXeD]", true, [](Job& j) { j.Comment = "MiXeD"; }},
        {"Supplement", "", "[SUPPLEMENT=12345]", true, [](Job& j) { j.Supplement = "12345"; }},
        {"SupplementLetterRefused", "[SUPPLEMENT=12345]", "[SUPPLEMENT=12A45]", false, nullptr},
        {"SupplementBlankRefused", "[SUPPLEMENT=12345]", "[SUPPLEMENT= 12]", false, nullptr},
        {"SupplementSignRefused", "[SUPPLEMENT=12345]", "[SUPPLEMENT=-12]", false, nullptr},
        {"SupplementEmpty", "[SUPPLEMENT=12]", "[SUPPLEMENT=]", true,
         [](Job& j) { j.Supplement.clear(); }},
        {"SupplementPdf417Refused", "[SUPPLEMENT=12][PDF417]", "[SUPPLEMENT=34]", false, nullptr},
        {"SupplementAztec", "[AZTEC]", "[SUPPLEMENT=34]", true,
         [](Job& j) { j.Supplement = "34"; }},
        {"CompositeUnchecked", "", "[COMPOSITE=12A45]", true,
         [](Job& j) { j.Supplement = "12A45"; }},
        {"CompositePdf417", "[PDF417]", "[COMPOSITE=abc]", true,
         [](Job& j) { j.Supplement = "abc"; }},
        {"FontName", "", "[FONTNAME=Courier New]", true,
         [](Job& j) { j.FontName = "Courier New"; }},
        {"FontNameEmpty", "", "[FONTNAME=]", true, [](Job& j) { j.FontName.clear(); }},
    });
}

TEST(InterpreterTest, Switches) {
    runCommandCases({
        {"IncSupplement", "", "[INCSUPPLEMENT]", true, [](Job& j) { j.IncTarget = false; }},
        {"IncMessage", "[INCSUPPLEMENT]", "[INCMESSAGE]", true, [](Job& j) { j.IncTarget = true; }},
        {"TextAboveOn", "", "[TEXTABOVE=ON]", true, [](Job& j) { j.TextAbove = true; }},
        {"TextAboveOff", "[TEXTABOVE=ON]", "[TEXTABOVE=OFF]", true,
         [](Job& j) { j.TextAbove = false; }},
        {"CommentAboveOff", "", "[COMMENTABOVE=OFF]", true, [](Job& j) { j.CommentAbove = false; }},
        {"CommentAboveOn", "[COMMENTABOVE=OFF]", "[COMMENTABOVE=ON]", true,
         [](Job& j) { j.CommentAbove = true; }},
        {"CommentAlignCenter", "", "[COMMENTALIGNCENTER]", true,
         [](Job& j) { j.CommentAlign = CommentAlignment::Center; }},
        {"CommentAlignRight", "", "[COMMENTALIGNRIGHT]", true,
         [](Job& j) { j.CommentAlign = CommentAlignment::Right; }},
        {"CommentAlignLeft", "[COMMENTALIGNRIGHT]", "[COMMENTALIGNLEFT]", true,
         [](Job& j) { j.CommentAlign = CommentAlignment::Left; }},
        {"TextOff", "", "[TEXT=OFF]", true, [](Job& j) { j.IncludeText = false; }},
        {"TextOnWhenOn", "", "[TEXT=ON]", true, nullptr},
        {"TextOnWhenOff", "[TEXT=OFF]", "[TEXT=ON]", true, [](Job& j) { j.IncludeText = true; }},
        {"TextOffWhenOff", "[TEXT=OFF]", "[TEXT=OFF]", true, nullptr},
        {"TextUnknownValueIgnored", "", "[TEXT=MAYBE]", true, nullptr},
        {"BearerBarsOn", "", "[BEARERBARS=ON]", true, [](Job& j) { j.BearerBars = true; }},
        {"BearerBarsOffWhenOff", "", "[BEARERBARS=OFF]", true, nullptr},
        {"BearerBarsOff", "[BEARERBARS=ON]", "[BEARERBARS=OFF]", true,
         [](Job& j) { j.BearerBars = false; }},
        {"QuietZonesOn", "", "[QUIETZONES=ON]", true, [](Job& j) { j.QuietZones = true; }},
        {"QuietZonesOff", "[QUIETZONES=ON]", "[QUIETZONES=OFF]", true,
         [](Job& j) { j.QuietZones = false; }},
        {"Code39CheckOn", "", "[CODE39CHECK=ON]", true, [](Job& j) { j.CheckDigit = true; }},
        {"I2of5CheckOn", "", "[I2OF5CHECK=ON]", true, [](Job& j) { j.CheckDigit = true; }},
        {"Code39CheckOff", "[I2OF5CHECK=ON]", "[CODE39CHECK=OFF]", true,
         [](Job& j) { j.CheckDigit = false; }},
        {"I2of5CheckOff", "[CODE39CHECK=ON]", "[I2OF5CHECK=OFF]", true,
         [](Job& j) { j.CheckDigit = false; }},
        {"DisplayAnsi", "", "[DISPLAYANSI]", true, [](Job& j) { j.AnsiDisplay = true; }},
        {"DisplayAscii", "[DISPLAYANSI]", "[DISPLAYASCII]", true,
         [](Job& j) { j.AnsiDisplay = false; }},
        {"MessageWarningsOff", "", "[MESSAGEWARNINGS=OFF]", true,
         [](Job& j) { j.MessageWarnings = false; }},
        {"MessageWarningsOn", "[MESSAGEWARNINGS=OFF]", "[MESSAGEWARNINGS=ON]", true,
         [](Job& j) { j.MessageWarnings = true; }},
        {"PrintWarningsOff", "", "[PRINTWARNINGS=OFF]", true,
         [](Job& j) { j.PrintWarnings = false; }},
        {"PrintWarningsOn", "[PRINTWARNINGS=OFF]", "[PRINTWARNINGS=ON]", true,
         [](Job& j) { j.PrintWarnings = true; }},
        {"FixDriverOn", "", "[FIXDRIVER=ON]", true, [](Job& j) { j.FixDriver = true; }},
        {"FixDriverOff", "[FIXDRIVER=ON]", "[FIXDRIVER=OFF]", true,
         [](Job& j) { j.FixDriver = false; }},
        {"Transparent", "", "[TRANSPARENT]", true, [](Job& j) { j.Transparent = true; }},
        {"SaveModeBmp", "", "[SAVEMODEBMP]", true, [](Job& j) { j.ClipboardMode = 1; }},
        {"SaveModeMeta", "[SAVEMODEBMP]", "[SAVEMODEMETA]", true,
         [](Job& j) { j.ClipboardMode = 0; }},
        {"PdfModeAutoEb", "", "[PDFMODE=AUTOEB]", true, [](Job& j) { j.PdfMode = 1; }},
        {"PdfModeExc", "", "[PDFMODE=EXC]", true, [](Job& j) { j.PdfMode = 2; }},
        {"PdfModeBin", "", "[PDFMODE=BIN]", true, [](Job& j) { j.PdfMode = 3; }},
        {"PdfModeNum", "", "[PDFMODE=NUM]", true, [](Job& j) { j.PdfMode = 4; }},
        {"PdfModeNumLowerCase", "", "[pdfmode=num]", true, [](Job& j) { j.PdfMode = 4; }},
        {"PdfModeAutoEbn", "[PDFMODE=NUM]", "[PDFMODE=AUTOEBN]", true,
         [](Job& j) { j.PdfMode = 0; }},
        {"PdfCodewordsOn", "", "[PDFCODEWORDS=ON]", true, [](Job& j) { j.PdfShowCodewords = 1; }},
        {"PdfCodewordsOff", "[PDFCODEWORDS=ON]", "[PDFCODEWORDS=OFF]", true,
         [](Job& j) { j.PdfShowCodewords = 0; }},
        {"TruncatedPdfOn", "", "[TRUNCATEDPDF=ON]", true, [](Job& j) { j.PdfTruncated = 1; }},
        {"TruncatedPdfOff", "[TRUNCATEDPDF=ON]", "[TRUNCATEDPDF=OFF]", true,
         [](Job& j) { j.PdfTruncated = 0; }},
        {"PdfSetAscii", "", "[PDFSET=ASCII]", true, [](Job& j) { j.PdfCharacterSet = 1; }},
        {"PdfSetAnsi", "", "[PDFSET=ANSI]", true, [](Job& j) { j.PdfCharacterSet = 2; }},
        {"PdfSetDisplaySet", "[PDFSET=ANSI]", "[PDFSET=DISPLAYSET]", true,
         [](Job& j) { j.PdfCharacterSet = 0; }},
        {"AztecMenuOn", "", "[AZTECMENU=ON]", true, [](Job& j) { j.AztecMenuFlag = 1; }},
        {"AztecMenuOff", "[AZTECMENU=ON]", "[AZTECMENU=OFF]", true,
         [](Job& j) { j.AztecMenuFlag = 0; }},
        {"DmStandardOff", "", "[DMSTANDARD=OFF]", true, [](Job& j) { j.DmStandard = 0; }},
        {"DmStandardOn", "[DMSTANDARD=OFF]", "[DMSTANDARD=ON]", true,
         [](Job& j) { j.DmStandard = 1; }},
    });
}

TEST(InterpreterTest, FontsAndColours) {
    runCommandCases({
        {"FontBold", "", "[FONTBOLD]", true, [](Job& j) { j.FontBold = true; }},
        {"FontItalic", "[FONTBOLD]", "[FONTITALIC]", true,
         [](Job& j) {
             j.FontBold = false;
             j.FontItalic = true;
         }},
        {"FontBoldItalic", "", "[FONTBOLDITALIC]", true,
         [](Job& j) { j.FontBold = j.FontItalic = true; }},
        {"FontRegular", "[FONTBOLDITALIC]", "[FONTREGULAR]", true,
         [](Job& j) { j.FontBold = j.FontItalic = false; }},
        {"UnderlineOn", "", "[UNDERLINE=ON]", true, [](Job& j) { j.FontUnderline = true; }},
        {"UnderlineOff", "[UNDERLINE=ON]", "[UNDERLINE=OFF]", true,
         [](Job& j) { j.FontUnderline = false; }},
        {"StrikeoutOn", "", "[STRIKEOUT=ON]", true, [](Job& j) { j.FontStrikeout = true; }},
        {"StrikeoutOff", "[STRIKEOUT=ON]", "[STRIKEOUT=OFF]", true,
         [](Job& j) { j.FontStrikeout = false; }},
        {"FontScalingOn", "", "[FONTSCALING=ON]", true, [](Job& j) { j.AutoFontScaling = true; }},
        {"FontScalingOff", "[FONTSCALING=ON]", "[FONTSCALING=OFF]", true,
         [](Job& j) { j.AutoFontScaling = false; }},
        {"ForeColorRgbOrange", "", "[FORECOLORRGB=255,128,0]", true,
         [](Job& j) { j.ForeColor = 0x0080FF; }},
        {"BackColorRgbBlue", "", "[BACKCOLORRGB=0,0,255]", true,
         [](Job& j) { j.BackColor = 0xFF0000; }},
        {"FontColorRgbQuoted", "", "[FONTCOLORRGB='ABC']", true,
         [](Job& j) { j.FontColor = 0x434241; }},
        {"FontColorRgbShortPadded", "", "[FONTCOLORRGB=255]", true,
         [](Job& j) { j.FontColor = 0x0000FF; }},
        {"BackColorRgbEmptyIsBlack", "", "[BACKCOLORRGB=]", true, [](Job& j) { j.BackColor = 0; }},
    });
}

TEST(InterpreterTest, OrientationAndUnits) {
    runCommandCases({
        {"VertDown", "", "[VERTDOWN]", true,
         [](Job& j) { j.Orientation = Orientation::Vertical90; }},
        {"VertUp", "", "[VERTUP]", true, [](Job& j) { j.Orientation = Orientation::Vertical270; }},
        {"VertDownExchangesDots", "[HORIZONTALDPI=600][VERTICALDPI=300]", "[VERTDOWN]", true,
         [](Job& j) {
             j.Orientation = Orientation::Vertical90;
             j.DotsAcross = 300;
             j.DotsAlong = 600;
         }},
        {"VertUpExchangesDots", "[HORIZONTALDPI=600][VERTICALDPI=300]", "[VERTUP]", true,
         [](Job& j) {
             j.Orientation = Orientation::Vertical270;
             j.DotsAcross = 300;
             j.DotsAlong = 600;
         }},
        {"HorizontalRestoresDots", "[HORIZONTALDPI=600][VERTICALDPI=300][VERTDOWN]", "[HORIZONTAL]",
         true,
         [](Job& j) {
             j.Orientation = Orientation::Horizontal;
             j.DotsAcross = 600;
             j.DotsAlong = 300;
         }},
        {"Metric", "", "[METRIC]", true, [](Job& j) { j.Units = Units::Metric; }},
        {"Dots", "", "[DOTS]", true, [](Job& j) { j.Units = Units::PrinterDots; }},
        {"Inches", "[METRIC]", "[INCHES]", true, [](Job& j) { j.Units = Units::InchesMils; }},
    });
}

TEST(InterpreterTest, ExecuteStrings) {
    runCommandCases({
        {"Empty", "", "", true, nullptr},
        {"NoClosingBracketIgnored", "", "[FONTSIZE=14", true, nullptr},
        {"UnknownCommandIgnored", "", "[FOO]", true, nullptr},
        {"EmptyCommandIgnored", "", "[]", true, nullptr},
        {"LoneBracketIgnored", "", "]", true, nullptr},
        {"BlankInsideKeywordIgnored", "", "[CODE128 ]", true, nullptr},
        {"KeywordWithoutEqualsIgnored", "", "[MESSAGE]", true, nullptr},
        {"SeparatedByBlanksAndLineBreaks", "", "[CODE128]\r\n\t [FONTSIZE=14]\n", true,
         [](Job& j) {
             j.Symbology = Symbology::Code128;
             j.FontSize = 14;
         }},
        // Text between commands becomes part of the next command, which is
        // then no keyword at all.
        {"TextBetweenCommands", "", "[FONTSIZE=14] junk [FONTSIZE=15]", true,
         [](Job& j) { j.FontSize = 14; }},
        {"RefusedInTheMiddle", "", "[PDFSECURITY=9][PDFOVERHEAD=20][DMECC=120][FONTSIZE=14]", false,
         [](Job& j) {
             j.PdfOverheadPercent = 20;
             j.FontSize = 14;
         }},
        {"EveryCommandRefused", "[DMECC=50]", "[DMECC=120][PDFSECURITY=9]", false, nullptr},
        {"FirstExample", "[CODE128]", "[code39][message='ABC',13]", true,
         [](Job& j) {
             j.Symbology = Symbology::Code39;
             j.Message = "ABC\r";
         }},
        {"LaterCommandWins", "", "[FONTSIZE=14][FONTSIZE=16]", true,
         [](Job& j) { j.FontSize = 16; }},
        {"NewResetsTheJob",
         "[CODE128][MESSAGE='X'][COMMENT=c][FONTSIZE=30][METRIC][VERTDOWN][HORIZONTALDPI=600]"
         "[DMECC=0][BARREDUCTION=10][FORECOLOR=RED]",
         "[NEW]", true, [](Job& j) { j = Job{}; }},
        {"CommandsAfterNew", "[FONTSIZE=30]", "[NEW][PDF417]", true,
         [](Job& j) {
             j = Job{};
             j.Symbology = Symbology::Pdf417;
         }},
    });
}

// --- symbology keywords -----------------------------------------------------

struct KeywordCase {
    const char* keyword;
    std::int32_t symbology;
};

// Every keyword of the command language with the symbology number it selects.
constexpr KeywordCase kKeywords[] = {
    {"[CODE39]", 1},      {"[CODE39FULLASCII]", 2},
    {"[UPCA]", 3},        {"[UPCE]", 4},
    {"[UPCE1]", 5},       {"[EAN8]", 6},
    {"[EAN13]", 7},       {"[BOOKLAND]", 8},
    {"[BOOKLAN]", 8},     {"[I2OF5]", 9},
    {"[D2OF5]", 10},      {"[CODABAR]", 11},
    {"[CODE93]", 12},     {"[CODE128]", 13},
    {"[EAN/UCC128]", 14}, {"[PDF417]", 15},
    {"[AZTEC]", 16},      {"[DATAMATRIX]", 17},
    {"[MSI]", 18},        {"[PLESSEY]", 18},
    {"[MSIPLESSEY]", 18}, {"[RSS]", 19},
    {"[RSS14]", 19},      {"[RSS14STACKED]", 20},
    {"[RSS14S]", 20},     {"[RSS14STACKEDOMNI]", 21},
    {"[RSS14SO]", 21},    {"[RSSLIMITED]", 22},
    {"[RSSLIM]", 22},     {"[POSTNET]", 23},
    {"[ZIP]", 23},        {"[BPO]", 24},
    {"[BPO4SC]", 24},
};

std::string lowerCased(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

TEST(InterpreterTest, SymbologyKeywordsSelectTheirSymbology) {
    for (const KeywordCase& row : kKeywords) {
        for (const std::string& command : {std::string(row.keyword), lowerCased(row.keyword)}) {
            SCOPED_TRACE(command);
            Session session;
            // Start from another symbology, so that the selection is a change.
            ASSERT_TRUE(session.run(row.symbology == 13 ? "[CODE39]" : "[CODE128]"));
            session.state().Dirty = false;
            EXPECT_TRUE(session.run(command));
            EXPECT_EQ(static_cast<std::int32_t>(session.job().Symbology), row.symbology);
            EXPECT_TRUE(session.state().Dirty);
            EXPECT_FALSE(session.state().SymbolBuilt);
        }
    }
}

// The catalogue that menus and captions use knows exactly these keywords.
TEST(InterpreterTest, CatalogueKeywordsAreTheLanguageKeywords) {
    std::vector<std::pair<std::string, std::int32_t>> fromCatalogue;
    for (const SymbologyEntry& entry : kSymbologyCatalogue)
        for (std::string_view keyword : entry.keywords)
            if (!keyword.empty())
                fromCatalogue.emplace_back(keyword, static_cast<std::int32_t>(entry.symbology));
    std::vector<std::pair<std::string, std::int32_t>> expected;
    for (const KeywordCase& row : kKeywords)
        expected.emplace_back(row.keyword, row.symbology);
    std::sort(fromCatalogue.begin(), fromCatalogue.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(fromCatalogue, expected);
}

TEST(InterpreterTest, MixedCaseKeyword) {
    Session session;
    EXPECT_TRUE(session.run("[Code128]"));
    EXPECT_EQ(session.job().Symbology, Symbology::Code128);
}

// --- colours ----------------------------------------------------------------

struct ColourCase {
    const char* name;
    ColorRef colour; // 0x00BBGGRR
};

TEST(InterpreterTest, NamedColours) {
    constexpr ColourCase kColours[] = {
        {"MAROON", 0x000080},  {"GREEN", 0x008000},
        {"OLIVE", 0x008080},   {"NAVY", 0x800000},
        {"PURPLE", 0x800080},  {"TEAL", 0x808000},
        {"GRAY", 0x808080},    {"SILVER", 0xC0C0C0},
        {"RED", 0x0000FF},     {"LIME", 0x00FF00},
        {"YELLOW", 0x00FFFF},  {"BLUE", 0xFF0000},
        {"FUSCHIA", 0xFF00FF}, {"AQUA", 0xFFFF00},
        {"WHITE", 0xFFFFFF},   {"red", 0x0000FF},
        {"Navy", 0x800000},    {"  teal  ", 0x808000},
        {"BLACK", 0},          {"PINK", 0},
        {"FUCHSIA", 0},        {"", 0},
        {"RED2", 0},
    };
    struct Target {
        const char* keyword;
        ColorRef Job::*field;
    };
    constexpr Target kTargets[] = {{"[FONTCOLOR=", &Job::FontColor},
                                   {"[FORECOLOR=", &Job::ForeColor},
                                   {"[BACKCOLOR=", &Job::BackColor}};
    for (const Target& target : kTargets) {
        for (const ColourCase& row : kColours) {
            const std::string command = std::string(target.keyword) + row.name + "]";
            SCOPED_TRACE(command);
            Session session;
            session.job().*target.field = 0x010203; // none of the named colours
            Job expected = session.job();
            expected.*target.field = row.colour;
            EXPECT_TRUE(session.run(command));
            EXPECT_EQ(jobDifferences(session.job(), expected), "");
        }
    }
}

// --- what the dimension boxes show ------------------------------------------

struct BoxCase {
    const char* name;
    const char* setup;
    const char* command;
    const char* width;   // nullptr: not checked
    const char* height;  // nullptr: not checked
    const char* magnify; // nullptr: not checked
};

TEST(InterpreterTest, DimensionBoxesFollowCommands) {
    const BoxCase cases[] = {
        {"BarWidthMils", "", "[BARWIDTH=10]", "10", "1", "77"},
        {"BarWidthMetric", "[METRIC]", "[BARWIDTH=25.4]", "25.4", nullptr, "77"},
        {"BarWidthDots", "[DOTS]", "[BARWIDTH=4]", "4", nullptr, "103"},
        {"BarWidthWord", "", "[BARWIDTH=thin]", "thin", "1", "0"},
        {"MagnifyEan13Mils", "[EAN13]", "[MAGNIFY=120]", "15.6", nullptr, "120"},
        {"MagnifyEan13Metric", "[EAN13][METRIC]", "[MAGNIFY=120]", "39.62", nullptr, "120"},
        {"MagnifyEan13Dots", "[EAN13][DOTS]", "[MAGNIFY=120]", "5", nullptr, "120"},
        {"MagnifyFraction", "[EAN13]", "[MAGNIFY=87.4]", "11.36", nullptr, "87"},
        {"BarHeight", "", "[BARHEIGHT=2]", "13", "2", "100"},
        {"PdfAspect", "[PDF417]", "[PDFASPECT=1.5]", nullptr, nullptr, "1.5"},
        {"PdfAspectRounded", "[PDF417]", "[PDFASPECT=0.33333]", nullptr, nullptr, "0.333"},
        {"PdfModuleWidthPdf417", "[PDF417]", "[PDFMODULEWIDTH=12]", "12", nullptr, nullptr},
        {"PdfModuleHeightPdf417", "[PDF417]", "[PDFMODULEHEIGHT=40]", nullptr, "40", nullptr},
        {"PdfModuleWidthCode39", "", "[PDFMODULEWIDTH=12]", "13", "1", "100"},
        {"ModuleSizeAztec", "[AZTEC]", "[AZTECMODULESIZE=30]", "30", nullptr, nullptr},
        {"ModuleSizeCode39", "", "[AZTECMODULESIZE=30]", "13", "1", "100"},
    };
    for (const BoxCase& row : cases) {
        SCOPED_TRACE(row.name);
        Session session;
        ASSERT_TRUE(session.run(row.setup));
        EXPECT_TRUE(session.run(row.command));
        const DimensionBoxes& boxes = session.app.boxes();
        if (row.width != nullptr) {
            EXPECT_EQ(boxes.widthText(), row.width);
        }
        if (row.height != nullptr) {
            EXPECT_EQ(boxes.heightText(), row.height);
        }
        if (row.magnify != nullptr) {
            EXPECT_EQ(boxes.magnifyText(), row.magnify);
        }
    }
}

// The aspect ratio shows in the magnification box only while PDF417 is chosen.
TEST(InterpreterTest, PdfAspectLeavesTheBoxAloneForOtherSymbologies) {
    Session session;
    EXPECT_TRUE(session.run("[PDFASPECT=1.5]"));
    EXPECT_EQ(session.app.boxes().magnifyText(), "100");
    EXPECT_EQ(session.job().Magnification, 100.0f);
}

// --- Dirty and WordWarningDone ----------------------------------------------

struct DirtyCase {
    const char* name;
    const char* setup;
    const char* command;
    bool dirty;
};

TEST(InterpreterTest, OnlyChangesMakeTheJobDirty) {
    const DirtyCase cases[] = {
        {"Unknown", "", "[FOO]", false},
        {"Beep", "", "[BEEP]", false},
        {"CopyMessage", "[MESSAGE='A']", "[COPYMESSAGE]", false},
        {"Refused", "", "[PDFSECURITY=9]", false},
        {"SameSecurity", "", "[PDFSECURITY=AUTO]", false},
        {"SameSymbology", "", "[CODE39]", false},
        {"SameUnits", "", "[INCHES]", false},
        {"SameOrientation", "", "[HORIZONTAL]", false},
        {"TextOnWhenOn", "", "[TEXT=ON]", false},
        {"BearerBarsOffWhenOff", "", "[BEARERBARS=OFF]", false},
        {"SameFontStyle", "", "[FONTREGULAR]", false},
        {"SameAlignment", "", "[COMMENTALIGNLEFT]", false},
        {"SameDisplaySet", "", "[DISPLAYASCII]", false},
        {"SamePdfSet", "", "[PDFSET=DISPLAYSET]", false},
        {"SameResolution", "[HORIZONTALDPI=300]", "[HORIZONTALDPI=300]", false},
        {"SameColour", "", "[FORECOLOR=BLACK]", false},
        {"SameMessage", "[MESSAGE='A']", "[MSGTEXT=A]", false},
        {"SameFontSize", "", "[FONTSIZE=10]", false},
        {"RatioNotInList", "", "[RATIO=3.5]", false},
        {"SameBarWidth", "", "[BARWIDTH=13]", false},
        {"SameBarHeight", "", "[BARHEIGHT=1]", false},
        {"SameMagnification", "[EAN13]", "[MAGNIFY=100]", false},
        {"Message", "", "[MESSAGE='A']", true},
        {"Symbology", "", "[CODE128]", true},
        {"Units", "", "[METRIC]", true},
        {"Orientation", "", "[VERTUP]", true},
        {"TextOff", "", "[TEXT=OFF]", true},
        {"Resolution", "", "[VERTICALDPI=600]", true},
        {"FontSize", "", "[FONTSIZE=11]", true},
        {"Colour", "", "[BACKCOLOR=RED]", true},
        {"BarWidth", "", "[BARWIDTH=12]", true},
        {"BarHeight", "", "[BARHEIGHT=2]", true},
        {"Magnification", "[EAN13]", "[MAGNIFY=110]", true},
        {"PdfAspect", "", "[PDFASPECT=2]", true},
        {"Ratio", "", "[RATIO=2.1]", true},
        {"Reduction", "", "[BARREDUCTION=5]", true},
    };
    for (const DirtyCase& row : cases) {
        SCOPED_TRACE(row.name);
        Session session;
        ASSERT_TRUE(session.run(row.setup));
        session.state().Dirty = false;
        (void)session.run(row.command);
        EXPECT_EQ(session.state().Dirty, row.dirty);
    }
}

struct WordWarningCase {
    const char* name;
    std::string executeString;
    bool done;
};

TEST(InterpreterTest, EveryCommandMarksThePasteAdviceDone) {
    const WordWarningCase cases[] = {
        {"Empty", "", false},
        {"OnlyBlanks", " \r\n", false},
        {"NoClosingBracket", "[BEEP", false},
        {"Action", "[BEEP]", true},
        {"Unknown", "[FOO]", true},
        {"Refused", "[PDFSECURITY=9]", true},
        {"LoneBracket", "]", true},
    };
    for (const WordWarningCase& row : cases) {
        SCOPED_TRACE(row.name);
        Session session;
        ASSERT_FALSE(session.state().WordWarningDone);
        (void)session.run(row.executeString);
        EXPECT_EQ(session.state().WordWarningDone, row.done);
    }
}

// --- actions ----------------------------------------------------------------

TEST(InterpreterTest, FirstExampleBuildsTheMessage) {
    Session session;
    const auto& built = session.recordLinearBuilds();
    session.host.clipboard = "old picture";
    EXPECT_TRUE(session.run("[code39][message='ABC',13][build/copy]"));
    EXPECT_EQ(session.job().Symbology, Symbology::Code39);
    ASSERT_EQ(built.size(), 1u);
    EXPECT_EQ(built[0], "ABC\r");
    // The clipboard was emptied before the build.
    EXPECT_EQ(session.host.clipboardEmptied, 1);
    EXPECT_EQ(session.clipboardAtBuild.at(0), std::nullopt);
    EXPECT_TRUE(session.state().SymbolBuilt);
    // Automated builds never offer the paste advice.
    EXPECT_TRUE(session.host.pasteAdviceTexts.empty());
    EXPECT_TRUE(session.host.messages.empty());
}

TEST(InterpreterTest, BuildCopyWithoutAnEncoderShowsTheNotice) {
    for (const char* command : {"[BUILD/COPY]", "[BUILDCOPY]", "[buildcopy]"}) {
        SCOPED_TRACE(command);
        Session session;
        ASSERT_TRUE(session.run("[CODE128][MESSAGE='A']"));
        EXPECT_TRUE(session.run(command));
        ASSERT_EQ(session.host.messages.size(), 1u);
        EXPECT_EQ(session.host.messages[0].text, unavailableSymbologyText(Symbology::Code128));
        EXPECT_EQ(session.host.clipboardEmptied, 1);
        EXPECT_FALSE(session.state().SymbolBuilt);
    }
}

TEST(InterpreterTest, BarcodeSetsTheRawTextAndBuilds) {
    Session session;
    const auto& built = session.recordLinearBuilds();
    EXPECT_TRUE(session.run("[BARCODE=Hello,'x',13]"));
    EXPECT_EQ(session.job().Message, "Hello,'x',13");
    ASSERT_EQ(built.size(), 1u);
    EXPECT_EQ(built[0], "Hello,'x',13");
    EXPECT_EQ(session.host.clipboardEmptied, 1);
}

TEST(InterpreterTest, TextOnWhenOnDoesNotRebuild) {
    Session session;
    const auto& built = session.recordLinearBuilds();
    ASSERT_TRUE(session.run("[MESSAGE='A'][BUILD/COPY]"));
    ASSERT_TRUE(session.state().SymbolBuilt);
    session.state().Dirty = false;

    EXPECT_TRUE(session.run("[TEXT=ON]"));
    EXPECT_EQ(built.size(), 1u);
    EXPECT_FALSE(session.state().Dirty);
    EXPECT_TRUE(session.job().IncludeText);

    EXPECT_TRUE(session.run("[TEXT=OFF]"));
    EXPECT_EQ(built.size(), 2u);
    EXPECT_FALSE(session.job().IncludeText);

    EXPECT_TRUE(session.run("[BEARERBARS=OFF]"));
    EXPECT_EQ(built.size(), 2u);
    EXPECT_TRUE(session.run("[BEARERBARS=ON]"));
    EXPECT_EQ(built.size(), 3u);
}

struct PasteCase {
    const char* name;
    const char* command;
    std::optional<std::string> clipboard;
    bool acknowledged;
    const char* message; // the message afterwards
    const char* comment; // the comment afterwards
};

TEST(InterpreterTest, PasteCommands) {
    const PasteCase cases[] = {
        {"PasteEmptyClipboard", "[PASTE]", std::nullopt, false, "old", "note"},
        {"PasteFullClipboard", "[PASTE]", "new", true, "new", "note"},
        {"PasteMessageEmptyClipboard", "[PASTEMESSAGE]", std::nullopt, false, "old", "note"},
        {"PasteMessageFullClipboard", "[PASTEMESSAGE]", "new", true, "new", "note"},
        {"PasteBuildEmptyClipboard", "[PASTE/BUILD/COPY]", std::nullopt, false, "old", "note"},
        {"PasteCommentEmptyClipboard", "[PASTECOMMENT]", std::nullopt, false, "old", "note"},
        {"PasteCommentFullClipboard", "[PASTECOMMENT]", "new", true, "old", "new"},
    };
    for (const PasteCase& row : cases) {
        SCOPED_TRACE(row.name);
        Session session;
        ASSERT_TRUE(session.run("[MSGTEXT=old][COMMENT=note]"));
        session.host.clipboard = row.clipboard;
        EXPECT_EQ(session.run(row.command), row.acknowledged);
        EXPECT_EQ(session.job().Message, row.message);
        EXPECT_EQ(session.job().Comment, row.comment);
    }
}

TEST(InterpreterTest, PasteKeepsControlCharacters) {
    Session session;
    session.host.clipboard = "A\0B\r\n"s;
    EXPECT_TRUE(session.run("[PASTE]"));
    EXPECT_EQ(session.job().Message, "A\0B\r\n"s);
}

TEST(InterpreterTest, PasteBuildCopyBuildsThePastedMessage) {
    Session session;
    const auto& built = session.recordLinearBuilds();
    session.host.clipboard = "XYZ";
    EXPECT_TRUE(session.run("[PASTE/BUILD/COPY]"));
    EXPECT_EQ(session.job().Message, "XYZ");
    ASSERT_EQ(built.size(), 1u);
    EXPECT_EQ(built[0], "XYZ");
    EXPECT_EQ(session.clipboardAtBuild.at(0), std::nullopt);
}

TEST(InterpreterTest, CopyCommandsPutTextOnTheClipboard) {
    Session session;
    ASSERT_TRUE(session.run("[MESSAGE='A',0,'B'][COMMENT=My comment]"));
    EXPECT_TRUE(session.run("[COPYMESSAGE]"));
    EXPECT_EQ(session.host.clipboard, "A\0B"s);
    EXPECT_TRUE(session.run("[COPYCOMMENT]"));
    EXPECT_EQ(session.host.clipboard, "My comment");
    // Copying changes nothing in the job.
    EXPECT_EQ(session.job().Message, "A\0B"s);
}

TEST(InterpreterTest, BeepSoundsOncePerCommand) {
    Session session;
    EXPECT_TRUE(session.run("[BEEP]"));
    EXPECT_EQ(session.host.beeps, 1);
    EXPECT_TRUE(session.run("[beep] [BEEP]"));
    EXPECT_EQ(session.host.beeps, 3);
}

TEST(InterpreterTest, AppExitOnlyRequestsTheExit) {
    Session session;
    ASSERT_TRUE(session.run("[FONTSIZE=20]"));
    EXPECT_TRUE(session.run("[APPEXIT]"));
    EXPECT_TRUE(session.state().ExitRequested);
    EXPECT_EQ(session.job().FontSize, 20);
}

TEST(InterpreterTest, NewResetsWithoutAsking) {
    Session session;
    int questions = 0;
    session.app.querySaveChanges = [&questions](Application&) {
        ++questions;
        return false;
    };
    ASSERT_TRUE(session.run("[CODE128][MESSAGE='X'][FONTSIZE=30][METRIC]"));
    ASSERT_TRUE(session.state().Dirty);
    EXPECT_TRUE(session.run("[NEW]"));
    EXPECT_EQ(questions, 0);
    EXPECT_TRUE(session.host.messages.empty());
    EXPECT_FALSE(session.state().Dirty);
    EXPECT_TRUE(session.state().WordWarningDone);
    // The defaults of a freshly started job.
    EXPECT_EQ(session.job().Symbology, Symbology::Code39);
    EXPECT_EQ(session.job().Message, "");
    EXPECT_EQ(session.job().FontSize, 10);
    EXPECT_EQ(session.job().Units, Units::InchesMils);
    EXPECT_EQ(session.app.boxes().widthText(), "13");
    EXPECT_EQ(session.app.boxes().heightText(), "1");
    EXPECT_EQ(session.app.boxes().magnifyText(), "100");
}

} // namespace
} // namespace vornik::dde
