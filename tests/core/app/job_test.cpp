#include "core/app/job.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace vornik {
namespace {

using namespace std::string_literals;

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
