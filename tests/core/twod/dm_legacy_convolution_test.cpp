#include "core/twod/dm_legacy_convolution.h"
#include "dm_legacy_references.h"

#include <gtest/gtest.h>

namespace vornik::twod {
namespace {

LegacyBits bitsOf(const std::string& text) {
    LegacyBits bits;
    for (const char c : text)
        bits.push_back(static_cast<std::uint8_t>(c - '0'));
    return bits;
}

LegacyLevel levelNamed(const std::string& name) {
    if (name == "50")
        return LegacyLevel::Ecc050;
    if (name == "80")
        return LegacyLevel::Ecc080;
    if (name == "100")
        return LegacyLevel::Ecc100;
    return LegacyLevel::Ecc140;
}

// Recorded coder outputs for growing prefixes of one input, at each level:
// the responses, the fill to whole steps and the emptying of the memory.
TEST(DmLegacyConvolutionTest, ReproducesRecordedStages) {
    const std::vector<std::string> lines =
        testing::referenceLines("dm_legacy_convolution_stages.txt");
    ASSERT_EQ(lines.size(), 36U);
    for (const std::string& line : lines) {
        const std::vector<std::string> parts = testing::fields(line, '|');
        ASSERT_EQ(parts.size(), 3U) << line;
        EXPECT_EQ(convolve(levelNamed(parts[0]), bitsOf(parts[1])), bitsOf(parts[2]))
            << "ECC " << parts[0] << " input " << parts[1];
    }
}

TEST(DmLegacyConvolutionTest, Ecc000PassesTheBitsThrough) {
    const LegacyBits input = bitsOf("0110100111");
    EXPECT_EQ(convolve(LegacyLevel::Ecc000, input), input);
}

} // namespace
} // namespace vornik::twod
