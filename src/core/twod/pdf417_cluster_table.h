#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vornik::twod {

inline constexpr int kClusterCount = 3;
inline constexpr int kCodewordValues = 929;
inline constexpr int kPatternEntries = kClusterCount * kCodewordValues;

// The codeword patterns of clusters 0, 3 and 6 (here 0, 1 and 2): each entry
// is 8 element widths, bar first, written as the digits of one number.
class ClusterTable {
public:
    [[nodiscard]] std::uint32_t pattern(int cluster, int codeword) const {
        return entries_.at(static_cast<std::size_t>(cluster * kCodewordValues + codeword));
    }

    // The table from the pattern file's text: integers separated by commas or
    // line breaks, cluster 0 for codewords 0 to 928, then cluster 1, then 2.
    // Every entry must be 8 widths of 1 to 6 modules adding up to 17. The
    // text after the last entry is not read. A text that is not such a table
    // gives the reason, and no table.
    [[nodiscard]] static std::variant<ClusterTable, std::string> parse(std::string_view text);

private:
    std::array<std::uint32_t, kPatternEntries> entries_{};
};

// A codeword pattern's widths are valid: 8 digits of 1 to 6 adding up to 17.
[[nodiscard]] bool isCodewordPattern(std::uint32_t entry);

} // namespace vornik::twod
