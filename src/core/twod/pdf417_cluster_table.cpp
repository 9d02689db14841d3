#include "core/twod/pdf417_cluster_table.h"

#include <charconv>

namespace vornik::twod {

namespace {

constexpr int kElements = 8;
constexpr int kModules = 17;

bool isSeparator(char c) {
    return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The next entry's text from `position` on, past separators.
std::string_view nextToken(std::string_view text, std::size_t& position) {
    while (position < text.size() && isSeparator(text[position]))
        ++position;
    const std::size_t start = position;
    while (position < text.size() && !isSeparator(text[position]))
        ++position;
    return text.substr(start, position - start);
}

} // namespace

bool isCodewordPattern(std::uint32_t entry) {
    int sum = 0;
    for (int i = 0; i < kElements; ++i) {
        const int width = static_cast<int>(entry % 10);
        if (width < 1 || width > 6)
            return false;
        sum += width;
        entry /= 10;
    }
    return entry == 0 && sum == kModules;
}

std::variant<ClusterTable, std::string> ClusterTable::parse(std::string_view text) {
    ClusterTable table;
    std::size_t position = 0;
    for (int i = 0; i < kPatternEntries; ++i) {
        const std::string_view token = nextToken(text, position);
        const std::string where = "entry " + std::to_string(i + 1);
        if (token.empty())
            return "the file ends at " + where + " of " + std::to_string(kPatternEntries);
        std::uint32_t value = 0;
        const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
        if (error != std::errc{} || end != token.data() + token.size())
            return where + " is not a number: " + std::string(token.substr(0, 20));
        if (!isCodewordPattern(value))
            return where + " is not a codeword pattern: " + std::string(token);
        table.entries_[static_cast<std::size_t>(i)] = value;
    }
    return table;
}

} // namespace vornik::twod
