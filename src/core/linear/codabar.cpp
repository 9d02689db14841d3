#include "core/linear/codabar.h"

#include "core/app/ascii_case.h"
#include "core/linear/bar_pattern.h"

#include <array>
#include <string_view>

namespace vornik::linear {
namespace {

// The Codabar characters in the order of their check values 0 to 19.
constexpr std::string_view kCharacters = "0123456789-$:/.+ABCD";

// EN 798 Table 1: the seven elements of each character, bar first, 0 narrow
// and 1 wide, in the order of kCharacters.
constexpr std::array<std::string_view, 20> kElements = {
    "0000011", "0000110", "0001001", "1100000", "0010010", // 0 to 4
    "1000010", "0100001", "0100100", "0110000", "1001000", // 5 to 9
    "0001100", "0011000", "1000101", "1010001", "1010100", // - $ : / .
    "0010101", "0011010", "0101001", "0001011", "0001110", // + A B C D
};
static_assert(kElements.size() == kCharacters.size());

constexpr std::string_view kStartStop = "ABCD";
constexpr int kModulus = 16;
constexpr std::int32_t kErrorCharacter = 5;
constexpr std::int32_t kErrorStartStop = 6;

std::string toPattern(std::string_view elements) {
    return twoWidthPattern(elements, '1') + kNarrowSpace;
}

bool isStartStop(char c) {
    return kStartStop.find(c) != std::string_view::npos;
}

// The sum of the check values of every character, start and stop included;
// the check character brings it up to a multiple of 16.
char checkCharacter(std::string_view text) {
    int sum = 0;
    for (const char c : text) {
        const std::size_t value = kCharacters.find(c);
        sum += value == std::string_view::npos ? 0 : static_cast<int>(value);
    }
    return kCharacters[static_cast<std::size_t>((kModulus - sum % kModulus) % kModulus)];
}

std::int32_t violation(std::string_view text) {
    for (const char c : text)
        if (kCharacters.find(c) == std::string_view::npos)
            return kErrorCharacter;
    if (text.empty() || !isStartStop(text.front()) || !isStartStop(text.back()))
        return kErrorStartStop;
    for (std::size_t i = 1; i + 1 < text.size(); ++i)
        if (isStartStop(text[i]))
            return kErrorStartStop;
    return 0;
}

} // namespace

void fillCodabarTables(PatternTables& tables) {
    for (std::size_t value = 0; value < kCharacters.size(); ++value)
        tables.PatternTable[static_cast<unsigned char>(kCharacters[value])] =
            toPattern(kElements[value]);
}

EncodeResult encodeCodabar(const PatternTables& tables, const std::string& message,
                           bool checkDigit) {
    std::string text = asciiUpper(message);
    if (checkDigit && !text.empty())
        text.insert(text.size() - 1, 1, checkCharacter(text));
    if (const std::int32_t code = violation(text); code != 0)
        return MessageError{code};
    LinearSymbol symbol;
    for (const char c : text)
        symbol.pattern += tables.PatternTable[static_cast<unsigned char>(c)];
    symbol.text = text;
    return symbol;
}

} // namespace vornik::linear
