#include "core/twod/aztec_high_level.h"
#include "core/twod/aztec_message_words.h"
#include "core/twod/aztec_size_choice.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace vornik::twod {
namespace {

using namespace std::string_literals;

// Whether `size` meets `percent` (0 the recommended 23 % + 3) for a message
// of `data` data words, by the rule stated the other way round: check words
// times 100 at least percent times all codewords, and never fewer than 3.
bool meets(AztecSymbolSize size, int data, int percent) {
    const int total = aztecTotalWords(size);
    const int check = total - data;
    if (data > (size.compact ? 64 : 2048) || check < 3)
        return false;
    if (percent == 0)
        return check * 100 >= 23 * total + 300;
    return check * 100 >= percent * total;
}

// The message's data words for each codeword size (6, 8, 10, 12 bits).
struct WordCounts {
    int bySize[13] = {};
    explicit WordCounts(const AztecEncodedText& text) {
        for (const int wordSize : {6, 8, 10, 12})
            bySize[wordSize] = static_cast<int>(aztecMessageWords(text, wordSize).size());
    }
    [[nodiscard]] int forLayers(int layers) const { return bySize[aztecWordSize(layers)]; }
};

// The smallest side that meets the percentage, searched over every size.
std::optional<AztecSymbolSize> smallestMeeting(const WordCounts& counts, int percent, bool menu) {
    std::optional<AztecSymbolSize> best;
    for (int layers = 1; layers <= kAztecFullLayers; ++layers)
        for (const bool compact : {true, false}) {
            const AztecSymbolSize size{compact, layers};
            if ((compact && layers > kAztecCompactLayers) || (menu && !aztecCarriesMenuMark(size)))
                continue;
            const int data = counts.forLayers(layers);
            if (!meets(size, data, percent))
                continue;
            const bool smaller = !best || aztecSide(size) < aztecSide(*best) ||
                                 (aztecSide(size) == aztecSide(*best) && compact);
            if (smaller)
                best = size;
        }
    return best;
}

const std::string kMessages[] = {
    "A",
    "Hello, Aztec. 12345",
    std::string(60, 'x'),
    "Mixed: \r\n tabs\tand @ signs ~ 0123456789 and bytes \xE9\xFF\x01"s,
    std::string(400, '7'),
    std::string(900, 'Q'),
    std::string(1500, '\x80'),
};

TEST(AztecSizeChoice, SmallestSymbolMeetingEveryPercentage) {
    for (const std::string& message : kMessages) {
        const AztecEncodedText text = aztecHighLevel(message);
        const WordCounts counts(text);
        for (int percent = 0; percent <= 99; ++percent)
            for (const bool menu : {false, true}) {
                SCOPED_TRACE(message.substr(0, 20) + " at " + std::to_string(percent) + " %" +
                             (menu ? " menu" : ""));
                const auto expected = smallestMeeting(counts, percent, menu);
                const auto chosen = chooseAztecSize(text, percent, menu);
                if (!expected) {
                    ASSERT_TRUE(std::holds_alternative<AztecRefusal>(chosen));
                    EXPECT_EQ(std::get<AztecRefusal>(chosen), AztecRefusal::NoRoom);
                    continue;
                }
                ASSERT_TRUE(std::holds_alternative<AztecFit>(chosen));
                const AztecFit& fit = std::get<AztecFit>(chosen);
                EXPECT_EQ(fit.size, *expected);
                EXPECT_TRUE(meets(fit.size, static_cast<int>(fit.dataWords.size()), percent));
            }
    }
}

struct NamedRow {
    const char* name;
    std::string message;
    int errorCorrection;
    bool menu;
    std::optional<AztecSymbolSize> size; // nullopt: refused
    AztecRefusal refusal = AztecRefusal::NoRoom;
};

// The standard's capacities of the largest symbol at the recommended error
// correction: 3832 digits, 3067 capitals, 1914 bytes; one more does not fit.
const NamedRow kNamed[] = {
    {"CompactOne", "ABC", 101, false, AztecSymbolSize{true, 1}},
    {"CompactFour", "ABC", 104, false, AztecSymbolSize{true, 4}},
    {"FullRangeOne", "ABC", 201, false, AztecSymbolSize{false, 1}},
    {"FullRangeThirtyTwo", "ABC", 232, false, AztecSymbolSize{false, 32}},
    {"CompactOneFullUp", std::string(16, 'A'), 101, false, AztecSymbolSize{true, 1}},
    {"CompactOneOverfull", std::string(17, 'A'), 101, false, std::nullopt},
    {"MenuCompactOne", "ABC", 101, true, AztecSymbolSize{true, 1}},
    {"MenuCompactTwo", "ABC", 102, true, std::nullopt, AztecRefusal::NoMenuMark},
    {"MenuFullRange22", "ABC", 222, true, AztecSymbolSize{false, 22}},
    {"MenuFullRange23", "ABC", 223, true, std::nullopt, AztecRefusal::NoMenuMark},
    {"Percent100", "ABC", 100, false, std::nullopt, AztecRefusal::NoSuchSizeRule},
    {"Negative", "ABC", -5, false, std::nullopt, AztecRefusal::NoSuchSizeRule},
    {"Compact5", "ABC", 105, false, std::nullopt, AztecRefusal::NoSuchSizeRule},
    {"FullRange33", "ABC", 233, false, std::nullopt, AztecRefusal::NoSuchSizeRule},
    {"MostDigits", std::string(3832, '5'), 0, false, AztecSymbolSize{false, 32}},
    {"MostCapitals", std::string(3067, 'A'), 0, false, AztecSymbolSize{false, 32}},
    {"OneCapitalTooMany", std::string(3068, 'A'), 0, false, std::nullopt},
    {"MostBytes", std::string(1914, '\xE9'), 0, false, AztecSymbolSize{false, 32}},
    {"OneByteTooMany", std::string(1915, '\xE9'), 0, false, std::nullopt},
};

TEST(AztecSizeChoice, NamedSizesAndLimits) {
    for (const NamedRow& row : kNamed) {
        const auto chosen =
            chooseAztecSize(aztecHighLevel(row.message), row.errorCorrection, row.menu);
        if (!row.size) {
            ASSERT_TRUE(std::holds_alternative<AztecRefusal>(chosen)) << row.name;
            EXPECT_EQ(std::get<AztecRefusal>(chosen), row.refusal) << row.name;
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<AztecFit>(chosen)) << row.name;
        EXPECT_EQ(std::get<AztecFit>(chosen).size, *row.size) << row.name;
    }
}

TEST(AztecSizeChoice, RequiredCheckWords) {
    // errorCorrection, total codewords, check words asked
    const int rows[][3] = {{0, 17, 7},    {0, 1664, 386}, {1, 17, 3},  {10, 17, 3},
                           {23, 100, 23}, {24, 17, 5},    {50, 17, 9}, {99, 1664, 1648},
                           {101, 17, 3},  {232, 1664, 3}};
    for (const auto& row : rows)
        EXPECT_EQ(aztecRequiredCheckWords(row[0], row[1]), row[2]) << row[0] << " of " << row[1];
}

} // namespace
} // namespace vornik::twod
