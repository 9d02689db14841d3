#include "core/twod/rss_adapter.h"
#include "core/twod/zint_matrix.h"

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

// libzint's rows of the same data, each cut after its last dark module.
std::vector<std::string> zintRows(int symbology, const std::string& primary,
                                  const std::string& composite) {
    auto symbol = testing::zintSymbol(symbology);
    std::string data = primary;
    if (!composite.empty()) {
        std::strcpy(symbol->primary, primary.c_str());
        symbol->input_mode = GS1_MODE;
        data = composite;
    }
    if (testing::zintMatrix(*symbol, data).rows() == 0)
        return {};
    std::vector<std::string> rows;
    for (int r = 0; r < symbol->rows; ++r) {
        const std::string row = testing::zintRow(*symbol, r);
        rows.push_back(row.substr(0, row.find_last_of('1') + 1));
    }
    return rows;
}

struct KindCase {
    const char* name;
    RssKind kind;
    int plain;
    int withComposite;
    std::vector<bool> patternBuffer; // which buffers hold widths, in call order
};

const KindCase kKinds[] = {
    {"Rss14", RssKind::Rss14, BARCODE_DBAR_OMN, BARCODE_DBAR_OMN_CC, {true, false}},
    {"Stacked",
     RssKind::Stacked,
     BARCODE_DBAR_STK,
     BARCODE_DBAR_STK_CC,
     {true, false, true, false}},
    {"StackedOmni",
     RssKind::StackedOmni,
     BARCODE_DBAR_OMNSTK,
     BARCODE_DBAR_OMNSTK_CC,
     {true, false, false, false, true, false}},
    {"Limited", RssKind::Limited, BARCODE_DBAR_LTD, BARCODE_DBAR_LTD_CC, {true, false}},
};

// The buffers hold libzint's symbol: the composite rows, then the composite
// separator (the last buffer), then the linear structure in call order.
std::vector<std::string> bufferRows(const RssBuffers& buffers, const KindCase& kind) {
    std::vector<std::string> rows;
    for (int r = 0; r < buffers.rows; ++r) {
        const std::string row = buffers.composite.substr(
            static_cast<std::size_t>(r * buffers.width), static_cast<std::size_t>(buffers.width));
        rows.push_back(row.substr(0, row.find_last_of('1') + 1));
    }
    if (buffers.rows > 0) {
        const std::string separator = contents(buffers.patterns.back());
        rows.push_back(separator.substr(0, separator.find_last_of('1') + 1));
    }
    for (std::size_t i = 0; i + 1 < buffers.patterns.size(); ++i) {
        const std::string text = contents(buffers.patterns[i]);
        rows.push_back(kind.patternBuffer[i] ? modulesOf(text)
                                             : text.substr(0, text.find_last_of('1') + 1));
    }
    return rows;
}

TEST(RssAdapterTest, BuffersHoldLibzintsSymbol) {
    for (const KindCase& kind : kKinds) {
        for (const std::string composite : {"", "[10]ABC123", "(10)ABC123(21)77"}) {
            SCOPED_TRACE(std::string(kind.name) + " " + composite);
            RssBuffers buffers = freshRssBuffers(kind.kind);
            const std::string data = composite.empty() ? "1234567890" : "1234567890|" + composite;
            ASSERT_EQ(callRssLibrary(kind.kind, data, buffers), kRssSuccess);
            EXPECT_EQ(buffers.patterns.size(), kind.patternBuffer.size());
            std::string reference = composite;
            if (!reference.empty() && reference[0] == '(')
                reference = "[10]ABC123[21]77";
            EXPECT_EQ(bufferRows(buffers, kind),
                      zintRows(composite.empty() ? kind.plain : kind.withComposite, "1234567890",
                               reference));
            EXPECT_EQ(buffers.rows > 0, !composite.empty());
        }
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
