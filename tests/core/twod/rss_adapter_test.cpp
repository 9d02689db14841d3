#include "core/twod/rss_adapter.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace vornik::twod {
namespace {

using enum RssKind;

RssBuffers encoded(RssKind kind, const std::string& data, int result = kRssSuccess) {
    RssBuffers buffers = freshRssBuffers(kind);
    EXPECT_EQ(callRssLibrary(kind, data, buffers), result) << data;
    return buffers;
}

// Data that must give the same symbol: application identifiers in brackets
// or parentheses, and data cut at a NUL.
TEST(RssAdapterTest, EquivalentData) {
    const std::tuple<RssKind, std::string, std::string> rows[] = {
        {Rss14, "1234567890|[10]ABC123[21]77", "1234567890|(10)ABC123(21)77"},
        {Stacked, "1234567890|[10]ABC123[21]77", "1234567890|(10)ABC123(21)77"},
        {StackedOmni, "1234567890|[10]ABC123[21]77", "1234567890|(10)ABC123(21)77"},
        {Limited, "1234567890|[10]ABC123[21]77", "1234567890|(10)ABC123(21)77"},
        {Rss14, std::string("1234567890\0|[10]A", 17), "1234567890"},
    };
    for (const auto& [kind, data, same] : rows) {
        const RssBuffers one = encoded(kind, data), other = encoded(kind, same);
        EXPECT_EQ(one.patterns, other.patterns) << same;
        EXPECT_EQ(one.rows > 0, same.find('|') != std::string::npos) << same;
        EXPECT_EQ(one.composite + std::to_string(one.rows * 1000 + one.width),
                  other.composite + std::to_string(other.rows * 1000 + other.width))
            << same;
    }
}

// With a composite the linear part carries the linkage flag, so its pattern
// differs from the same primary's without one. Patterns are element widths,
// a space first.
TEST(RssAdapterTest, CompositeSetsLinkage) {
    const auto modules = [](const std::string& buffer) {
        std::string bars;
        for (std::size_t k = 0; k < buffer.size() && buffer[k] != '\0'; ++k)
            bars.append(static_cast<std::size_t>(buffer[k] - '0'), k % 2 == 0 ? '0' : '1');
        return bars;
    };
    std::string plain(kRssPatternBuffer, ' '), linked = plain, separator = plain;
    std::string composite(kRssCompositeBuffer, ' ');
    int rows = 0, width = 0;
    ASSERT_EQ(RSSPattern("1234567890", plain, separator, composite, rows, width), kRssSuccess);
    EXPECT_EQ(rows, 0);
    EXPECT_EQ(modules(plain).size(), 96u);
    ASSERT_EQ(RSSPattern("1234567890|[10]A", linked, separator, composite, rows, width),
              kRssSuccess);
    EXPECT_NE(modules(linked).substr(4), modules(plain));
    EXPECT_EQ(composite.find('\0'), static_cast<std::size_t>(rows * width));
}

TEST(RssAdapterTest, RefusesWhatLibzintRefuses) {
    encoded(Rss14, "12345A", kRssRefused);
    encoded(Limited, "2000000000000", kRssRefused);
    encoded(Rss14, "1234567890|ABC", kRssRefused); // no application identifier
    encoded(Stacked, "1234567890|[10]ABCDEFGHIJKLMNOPQRSTU", kRssRefused); // lot too long
    encoded(StackedOmni, "", kRssRefused);
}

} // namespace
} // namespace vornik::twod
