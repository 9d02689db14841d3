#include "core/app/job.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace vornik {
namespace {

using namespace std::string_literals;

TEST(Job, Defaults) {
    // Every field that does not start at zero, false or empty.
    // clang-format off
    const Job expected{
        .Symbology = Symbology::Code39, .Message = "", .Comment = "", .Supplement = "",
        .NarrowBarWidth = 33.02f, .BarHeight = 2.54f, .Ratio = 5, .Magnification = 100.0f,
        .ModuleSize = 50.8f, .PdfModuleWidth = 25.4f, .PdfModuleHeight = 76.2f,
        .PdfAspectRatio = 0.5, .PdfSecurityLevel = 9, .PdfOverheadPercent = 11, .PdfMaxRows = 90,
        .PdfMaxColumns = 30, .DmEccLevel = 26, .DmFormat = 6, .DmStandard = 1,
        .Units = Units::InchesMils, .IncludeText = true, .CommentAbove = true,
        .FontName = "Arial\0"s, .FontSize = 10, .BackColor = 0xFFFFFF, .TargetDpiX = 300,
        .TargetDpiY = 300, .DotsAcross = 300, .DotsAlong = 300, .PrintWarnings = true,
        .MessageWarnings = true, .BitsPerPixel = 1, .RasterResolution = 300, .JpegQuality = 100,
        .IncValue = 1.0, .IncTarget = true, .IncPreamble = "", .IncPostamble = ""};
    // clang-format on
    EXPECT_EQ(Job{}, expected);
}

TEST(Job, DotsFollowTheTargetAndTheOrientation) {
    Job job;
    job.TargetDpiX = 600;
    job.TargetDpiY = 150;
    // One job throughout, so that an exchange that is not undone shows.
    const std::tuple<Orientation, int, int> rows[] = {{Orientation::Vertical90, 150, 600},
                                                      {Orientation::Horizontal, 600, 150},
                                                      {Orientation::Vertical270, 150, 600}};
    for (const auto& [orientation, across, along] : rows) {
        job.Orientation = orientation;
        deriveDots(job);
        EXPECT_EQ(std::pair(job.DotsAcross, job.DotsAlong), std::pair(across, along));
    }
}

TEST(Job, DisplayFormShowsNulAsCharacter255) {
    EXPECT_EQ(DisplayForm("\0A\t\x80\xFF\0"s), "\xFF"s + "A\t\x80\xFF\xFF");
    EXPECT_EQ(DisplayForm(""), "");
}

} // namespace
} // namespace vornik
