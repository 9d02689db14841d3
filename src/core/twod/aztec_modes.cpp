#include "core/twod/aztec_modes.h"

#include <climits>

namespace vornik::twod {

namespace {

using CodeTable = std::array<std::int8_t, 256>;

// The characters of Punct codes 6 to 30 in code order (ISO/IEC 24778,
// Table 2); codes 1 to 5 are CR and the four pairs.
constexpr std::string_view kPunctSingles = "!\"#$%&'()*+,-./:;<=>?[]{}";
static_assert(kPunctSingles.size() == 25);

// The Mixed characters of codes 20 to 27.
constexpr std::string_view kMixedSymbols = "@\\^_`|~\x7F";
static_assert(kMixedSymbols.size() == 8);

constexpr CodeTable emptyTable() {
    CodeTable table{};
    for (auto& code : table)
        code = -1;
    return table;
}

constexpr CodeTable letterTable(char first) {
    CodeTable table = emptyTable();
    table[' '] = 1;
    for (int i = 0; i < 26; ++i)
        table[static_cast<std::size_t>(first + i)] = static_cast<std::int8_t>(2 + i);
    return table;
}

constexpr CodeTable mixedTable() {
    CodeTable table = emptyTable();
    table[' '] = 1;
    for (int c = 1; c <= 13; ++c) // control characters SOH to CR
        table[static_cast<std::size_t>(c)] = static_cast<std::int8_t>(c + 1);
    for (int c = 27; c <= 31; ++c) // ESC, FS, GS, RS, US
        table[static_cast<std::size_t>(c)] = static_cast<std::int8_t>(c - 12);
    for (std::size_t i = 0; i < kMixedSymbols.size(); ++i)
        table[static_cast<unsigned char>(kMixedSymbols[i])] = static_cast<std::int8_t>(20 + i);
    return table;
}

constexpr CodeTable punctTable() {
    CodeTable table = emptyTable();
    table['\r'] = 1;
    for (std::size_t i = 0; i < kPunctSingles.size(); ++i)
        table[static_cast<unsigned char>(kPunctSingles[i])] = static_cast<std::int8_t>(6 + i);
    return table;
}

constexpr CodeTable digitTable() {
    CodeTable table = emptyTable();
    table[' '] = 1;
    for (int i = 0; i < 10; ++i)
        table[static_cast<std::size_t>('0' + i)] = static_cast<std::int8_t>(2 + i);
    table[','] = 12;
    table['.'] = 13;
    return table;
}

// Indexed by AztecMode.
constexpr std::array<CodeTable, kAztecModeCount> kCodes = {
    letterTable('A'), letterTable('a'), mixedTable(), punctTable(), digitTable()};

// Direct latches, [from][to]; -1 where there is none (ISO/IEC 24778, Table 3).
// clang-format off
constexpr std::array<std::array<int, kAztecModeCount>, kAztecModeCount> kLatch = {{
    //  U   L   M   P   D
    {{ -1, 28, 29, -1, 30}}, // Upper
    {{ -1, -1, 29, -1, 30}}, // Lower
    {{ 29, 28, -1, 30, -1}}, // Mixed
    {{ 31, -1, -1, -1, -1}}, // Punct
    {{ 14, -1, -1, -1, -1}}, // Digit
}};
// clang-format on

using PathTable = std::array<std::array<AztecLatchPath, kAztecModeCount>, kAztecModeCount>;

// Shortest latch chains by repeated relaxation over the direct latches;
// with five modes no chain has more than four steps.
PathTable shortestPaths() {
    PathTable paths{};
    for (int from = 0; from < kAztecModeCount; ++from)
        for (int to = 0; to < kAztecModeCount; ++to)
            paths[from][to].bits = from == to ? 0 : INT_MAX;
    for (int round = 0; round < kAztecModeCount; ++round)
        for (int from = 0; from < kAztecModeCount; ++from)
            for (int via = 0; via < kAztecModeCount; ++via) {
                const AztecLatchPath& head = paths[from][via];
                if (head.bits == INT_MAX)
                    continue;
                for (int to = 0; to < kAztecModeCount; ++to) {
                    if (kLatch[via][to] < 0)
                        continue;
                    const int bits = head.bits + codeBits(static_cast<AztecMode>(via));
                    if (bits >= paths[from][to].bits)
                        continue;
                    AztecLatchPath path = head;
                    path.steps[static_cast<std::size_t>(path.count++)] = static_cast<AztecMode>(to);
                    path.bits = bits;
                    paths[from][to] = path;
                }
            }
    return paths;
}

} // namespace

std::optional<int> characterCode(AztecMode mode, std::uint8_t byte) {
    const int code = kCodes[static_cast<std::size_t>(modeIndex(mode))][byte];
    return code < 0 ? std::nullopt : std::optional<int>(code);
}

std::optional<int> punctPairCode(std::string_view text) {
    if (text.size() < 2)
        return std::nullopt;
    const std::string_view pair = text.substr(0, 2);
    if (pair == "\r\n")
        return 2;
    if (pair == ". ")
        return 3;
    if (pair == ", ")
        return 4;
    if (pair == ": ")
        return 5;
    return std::nullopt;
}

std::optional<int> latchCode(AztecMode from, AztecMode to) {
    const int code =
        kLatch[static_cast<std::size_t>(modeIndex(from))][static_cast<std::size_t>(modeIndex(to))];
    return code < 0 ? std::nullopt : std::optional<int>(code);
}

std::optional<int> punctShiftCode(AztecMode from) {
    return from == AztecMode::Punct ? std::nullopt : std::optional<int>(0);
}

std::optional<int> upperShiftCode(AztecMode from) {
    if (from == AztecMode::Lower)
        return 28;
    if (from == AztecMode::Digit)
        return 15;
    return std::nullopt;
}

std::optional<int> byteShiftCode(AztecMode from) {
    if (from == AztecMode::Upper || from == AztecMode::Lower || from == AztecMode::Mixed)
        return 31;
    return std::nullopt;
}

const AztecLatchPath& latchPath(AztecMode from, AztecMode to) {
    static const PathTable paths = shortestPaths();
    return paths[static_cast<std::size_t>(modeIndex(from))]
                [static_cast<std::size_t>(modeIndex(to))];
}

} // namespace vornik::twod
