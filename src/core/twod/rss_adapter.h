#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vornik::twod {

// The RSS pattern library's calls on libzint's GS1 DataBar. The data string
// is the primary's digits (1 to 13, without the check digit), followed, when
// there is a composite component, by "|" and the composite's data in GS1
// element string syntax: each application identifier in square brackets
// ("[10]ABC123[21]7") or, when the composite starts with "(", in
// parentheses ("(10)ABC123"). It ends at a NUL byte if one comes earlier.
//
// Every buffer is handed over filled to its full length and receives its
// contents from the left, followed by a NUL when there is room:
// - a row pattern: element widths in modules as digits, a space first, then
//   bar and space by turns, up to the last bar;
// - a separator or composite row: one "1" (dark) or "0" (light) per module;
// - the composite matrix: its rows one after another, `width` modules each.
// The result is 0 on success; anything else means the data was refused.
inline constexpr std::size_t kRssPatternBuffer = 100;
inline constexpr std::size_t kRssCompositeBuffer = 3000;
inline constexpr int kRssSuccess = 0;
inline constexpr int kRssRefused = 1;        // libzint refused the data
inline constexpr int kRssBufferTooSmall = 2; // the symbol does not fit the buffers

// RSS-14: the linear row, and with a composite the separator row below it
// and the composite rows above that.
[[nodiscard]] int RSSPattern(const std::string& data, std::string& linear, std::string& separator,
                             std::string& composite, int& rows, int& width);

// RSS-14 Stacked: the top row, the separator between the rows, the bottom
// row, and the separator below a composite.
[[nodiscard]] int RSS14SPattern(const std::string& data, std::string& topRow,
                                std::string& rowSeparator, std::string& bottomRow,
                                std::string& compositeSeparator, std::string& composite, int& rows,
                                int& width);

// RSS-14 Stacked Omnidirectional: the top row, the three rows of the
// separator between the rows (top first), the bottom row, and the separator
// below a composite.
[[nodiscard]] int RSS14SOPattern(const std::string& data, std::string& topRow,
                                 std::string& separatorTop, std::string& separatorMiddle,
                                 std::string& separatorBottom, std::string& bottomRow,
                                 std::string& compositeSeparator, std::string& composite, int& rows,
                                 int& width);

// RSS Limited: as RSS-14.
[[nodiscard]] int RSSLimPattern(const std::string& data, std::string& linear,
                                std::string& separator, std::string& composite, int& rows,
                                int& width);

// The four calls behind one door, for the builder: `patterns` holds the
// pattern buffers in the order of the call (two, four or six).
enum class RssKind { Rss14, Stacked, StackedOmni, Limited };
struct RssBuffers {
    std::vector<std::string> patterns;
    std::string composite;
    int rows = 0;
    int width = 0;
};
[[nodiscard]] RssBuffers freshRssBuffers(RssKind kind);
[[nodiscard]] int callRssLibrary(RssKind kind, const std::string& data, RssBuffers& buffers);

} // namespace vornik::twod
