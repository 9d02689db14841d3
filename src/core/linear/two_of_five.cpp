#include "core/linear/two_of_five.h"

#include "core/linear/bar_pattern.h"

#include <array>
#include <string_view>

namespace vornik::linear {
namespace {

// ISO/IEC 16390 Table 1 (also used by Industrial 2 of 5): the five elements
// of each digit, N narrow and W wide, weighted 1, 2, 4, 7 and parity.
constexpr std::array<std::string_view, 10> kDigitWidths = {
    "NNWWN", "WNNNW", "NWNNW", "WWNNN", "NNWNW", // 0 to 4
    "WNWNN", "NWWNN", "NNNWW", "WNNWN", "NWNWN", // 5 to 9
};
static_assert(kDigitWidths.size() == 10);

constexpr std::size_t kPairCount = 100;
static_assert(kPairCount <= std::tuple_size_v<decltype(PatternTables::PatternTable)>);

constexpr std::int32_t kErrorInterleavedCharacter = 4;
constexpr std::int32_t kErrorDiscreteCharacter = 16;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool allDigits(std::string_view text) {
    for (const char c : text)
        if (!isDigit(c))
            return false;
    return true;
}

bool isWide(int digit, std::size_t element) {
    return kDigitWidths[static_cast<std::size_t>(digit)][element] == 'W';
}

std::string pairPattern(int bars, int spaces) {
    std::string pattern;
    for (std::size_t k = 0; k < 5; ++k) {
        pattern += twoWidthElement(true, isWide(bars, k));
        pattern += twoWidthElement(false, isWide(spaces, k));
    }
    return pattern;
}

std::string discretePattern(int digit) {
    std::string pattern;
    for (std::size_t k = 0; k < 5; ++k) {
        pattern += twoWidthElement(true, isWide(digit, k));
        pattern += kNarrowSpace;
    }
    return pattern;
}

// Weights 3 and 1 alternating from the left, starting with 3, over an odd
// number of digits: the rightmost digit weighs 3.
char interleavedCheckDigit(std::string_view digits) {
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i)
        sum += (digits[i] - '0') * (i % 2 == 0 ? 3 : 1);
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

} // namespace

void fillInterleaved2of5Tables(PatternTables& tables) {
    for (std::size_t pair = 0; pair < kPairCount; ++pair)
        tables.PatternTable[pair] =
            pairPattern(static_cast<int>(pair / 10), static_cast<int>(pair % 10));
    tables.StartPattern = "3131";
    tables.StopPattern = "413";
}

void fillDiscrete2of5Tables(PatternTables& tables) {
    for (int digit = 0; digit < 10; ++digit)
        tables.PatternTable[static_cast<std::size_t>('0' + digit)] = discretePattern(digit);
    tables.StartPattern = "414131";
    tables.StopPattern = "413141";
}

EncodeResult encodeInterleaved2of5(const PatternTables& tables, const std::string& message,
                                   bool checkDigit) {
    if (!allDigits(message))
        return MessageError{kErrorInterleavedCharacter};
    const bool padded = (message.size() % 2 == 0) == checkDigit;
    std::string text = padded ? "0" + message : message;
    if (checkDigit)
        text += interleavedCheckDigit(text);
    LinearSymbol symbol;
    symbol.pattern = tables.StartPattern;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        const auto pair = static_cast<std::size_t>((text[i] - '0') * 10 + (text[i + 1] - '0'));
        symbol.pattern += tables.PatternTable[pair];
    }
    symbol.pattern += tables.StopPattern;
    symbol.text = text;
    return symbol;
}

EncodeResult encodeDiscrete2of5(const PatternTables& tables, const std::string& message) {
    if (!allDigits(message)) // upper-casing leaves a non-digit a non-digit
        return MessageError{kErrorDiscreteCharacter};
    LinearSymbol symbol;
    symbol.pattern = tables.StartPattern;
    for (const char c : message)
        symbol.pattern += tables.PatternTable[static_cast<unsigned char>(c)];
    symbol.pattern += tables.StopPattern;
    symbol.text = message;
    return symbol;
}

} // namespace vornik::linear
