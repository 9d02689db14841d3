#include "core/twod/rss_adapter.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vornik::twod {
namespace {

// A buffer's contents up to its NUL.
std::string contents(const std::string& buffer) {
    return buffer.substr(0, buffer.find('\0'));
}

// Element widths (space first) as "0"/"1" modules.
std::string modulesOf(const std::string& widths) {
    std::string modules;
    for (std::size_t k = 0; k < widths.size(); ++k)
        modules.append(static_cast<std::size_t>(widths[k] - '0'), k % 2 == 0 ? '0' : '1');
    return modules;
}

TEST(RssAdapterTest, BracketsAndParenthesesAreTheSame) {
    for (const RssKind kind :
         {RssKind::Rss14, RssKind::Stacked, RssKind::StackedOmni, RssKind::Limited}) {
        RssBuffers brackets = freshRssBuffers(kind);
        RssBuffers parentheses = freshRssBuffers(kind);
        ASSERT_EQ(callRssLibrary(kind, "1234567890|[10]ABC123[21]77", brackets), kRssSuccess);
        ASSERT_EQ(callRssLibrary(kind, "1234567890|(10)ABC123(21)77", parentheses), kRssSuccess);
        EXPECT_EQ(brackets.patterns, parentheses.patterns);
        EXPECT_EQ(brackets.composite, parentheses.composite);
        EXPECT_GT(brackets.rows * brackets.width, 0);
    }
}

// With a composite the linear part carries the linkage flag, so its pattern
// differs from the same primary's without one.
TEST(RssAdapterTest, CompositeSetsLinkage) {
    std::string plain(kRssPatternBuffer, ' ');
    std::string linked(kRssPatternBuffer, ' ');
    std::string separator(kRssPatternBuffer, ' ');
    std::string composite(kRssCompositeBuffer, ' ');
    int rows = 0;
    int width = 0;
    ASSERT_EQ(RSSPattern("1234567890", plain, separator, composite, rows, width), kRssSuccess);
    EXPECT_EQ(rows, 0);
    EXPECT_EQ(modulesOf(contents(plain)).size(), 96u);
    ASSERT_EQ(RSSPattern("1234567890|[10]A", linked, separator, composite, rows, width),
              kRssSuccess);
    EXPECT_NE(modulesOf(contents(linked)).substr(4), modulesOf(contents(plain)));
    EXPECT_EQ(contents(composite).size(), static_cast<std::size_t>(rows * width));
}

TEST(RssAdapterTest, RefusesWhatLibzintRefuses) {
    const struct {
        const char* name;
        RssKind kind;
        const char* data;
    } kRefused[] = {
        {"LetterInPrimary", RssKind::Rss14, "12345A"},
        {"LimitedAboveRange", RssKind::Limited, "2000000000000"},
        {"NoApplicationIdentifier", RssKind::Rss14, "1234567890|ABC"},
        {"LotTooLong", RssKind::Stacked, "1234567890|[10]ABCDEFGHIJKLMNOPQRSTU"},
        {"EmptyData", RssKind::StackedOmni, ""},
    };
    for (const auto& row : kRefused) {
        RssBuffers buffers = freshRssBuffers(row.kind);
        EXPECT_EQ(callRssLibrary(row.kind, row.data, buffers), kRssRefused) << row.name;
    }
}

TEST(RssAdapterTest, DataEndsAtNul) {
    RssBuffers cut = freshRssBuffers(RssKind::Rss14);
    RssBuffers plain = freshRssBuffers(RssKind::Rss14);
    ASSERT_EQ(callRssLibrary(RssKind::Rss14, std::string("1234567890\0|[10]A", 17), cut),
              kRssSuccess);
    ASSERT_EQ(callRssLibrary(RssKind::Rss14, "1234567890", plain), kRssSuccess);
    EXPECT_EQ(cut.patterns, plain.patterns);
    EXPECT_EQ(cut.rows, 0);
}

} // namespace
} // namespace vornik::twod
