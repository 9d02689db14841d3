#include "core/linear/msi_plessey.h"

#include "core/linear/bar_pattern.h"

namespace vornik::linear {
namespace {

constexpr std::int32_t kErrorCharacter = 35;
constexpr int kBitsPerDigit = 4;

bool allDigits(std::string_view text) {
    for (const char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

std::string digitPattern(int digit) {
    std::string pattern;
    for (int bit = kBitsPerDigit - 1; bit >= 0; --bit)
        pattern += (digit >> bit) & 1 ? "41" : "32";
    return pattern;
}

// The decimal digits of twice a number held as decimal digits, added up,
// without limiting the number's length.
int digitSumOfDouble(std::string_view number) {
    int sum = 0;
    int carry = 0;
    for (auto it = number.rbegin(); it != number.rend(); ++it) {
        const int doubled = 2 * (*it - '0') + carry;
        sum += doubled % 10;
        carry = doubled / 10;
    }
    return sum + carry;
}

} // namespace

void fillMsiPlesseyTables(PatternTables& tables) {
    for (int digit = 0; digit < 10; ++digit)
        tables.PatternTable[static_cast<std::size_t>('0' + digit)] = digitPattern(digit);
    tables.StartPattern = "41";
    tables.StopPattern = "323";
}

char msiCheckDigit(std::string_view digits) {
    std::string odd;
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const bool oddFromRight = (digits.size() - i) % 2 == 1;
        if (oddFromRight)
            odd += digits[i];
        else
            sum += digits[i] - '0';
    }
    sum += digitSumOfDouble(odd);
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

EncodeResult encodeMsiPlessey(const PatternTables& tables, const std::string& message,
                              bool checkDigit) {
    if (!allDigits(message)) // upper-casing leaves a non-digit a non-digit
        return MessageError{kErrorCharacter};
    LinearSymbol symbol;
    symbol.pattern = tables.StartPattern;
    for (const char c : message)
        symbol.pattern += tables.PatternTable[static_cast<unsigned char>(c)];
    const char first = msiCheckDigit(message);
    symbol.pattern += tables.PatternTable[static_cast<unsigned char>(first)];
    symbol.checkText = std::string(1, first);
    symbol.text = message;
    if (checkDigit) {
        symbol.text += first;
        const char second = msiCheckDigit(symbol.text);
        symbol.pattern += tables.PatternTable[static_cast<unsigned char>(second)];
        symbol.checkText = std::string(1, second);
    }
    symbol.pattern += tables.StopPattern;
    return symbol;
}

} // namespace vornik::linear
