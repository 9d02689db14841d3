#include "core/linear/postal.h"

#include "core/app/ascii_case.h"

#include <array>
#include <string_view>

namespace vornik::linear {

namespace {

constexpr std::int32_t kErrorPostnet = 1;
constexpr std::int32_t kErrorFourState = 34;

// The POSTNET digits, tall (4) and short (3) bars: two tall bars each.
constexpr std::array<std::string_view, 10> kPostnetDigits{
    "44333", "33344", "33434", "33443", "34334", "34343", "34433", "43334", "43343", "43433"};
static_assert(kPostnetDigits.size() == 10);

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The digits and the first dash of a ZIP code as typed: leading non-digits
// and blanks are dropped; other characters are skipped, until more than 12
// have been collected, which ends the scan.
std::string collectZip(const std::string& message) {
    std::string collected;
    bool dashSeen = false;
    std::size_t start = 0;
    while (start < message.size() && !isDigit(message[start]))
        ++start;
    for (const char c : std::string_view(message).substr(start)) {
        if (isDigit(c)) {
            collected += c;
        } else if (c == '-' && !dashSeen) {
            collected += c;
            dashSeen = true;
        } else if (c != ' ' && collected.size() > 12) {
            break;
        }
    }
    // "12345-67" is a ZIP code with a broken extension: the ZIP code is kept.
    if (collected.size() < 10 && collected.size() > 5 && collected[5] == '-')
        collected.resize(5);
    std::erase(collected, '-');
    return collected;
}

// The text the message box then shows: the ZIP code, a dash, the rest.
std::string zipText(const std::string& digits) {
    if (digits.size() == 5)
        return digits;
    return digits.substr(0, 5) + "-" + digits.substr(5);
}

// The 4-state character set: position p (0 to 35) is row p / 6, column p % 6.
constexpr std::string_view kFourStateCharacters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Which two of the four bars reach up (by the row) and down (by the column):
// the six ways of choosing two of four, in the customer code's order.
constexpr std::array<std::array<bool, 4>, 6> kTwoOfFour{{{false, false, true, true},
                                                         {false, true, false, true},
                                                         {false, true, true, false},
                                                         {true, false, false, true},
                                                         {true, false, true, false},
                                                         {true, true, false, false}}};

std::string fourStatePattern(std::size_t position) {
    const auto& up = kTwoOfFour[position / 6];
    const auto& down = kTwoOfFour[position % 6];
    std::string bars;
    for (std::size_t i = 0; i < 4; ++i)
        bars += up[i] ? (down[i] ? 'Z' : 'X') : (down[i] ? 'Y' : 'W');
    return bars;
}

} // namespace

void fillPostnetTables(PatternTables& tables) {
    for (std::size_t digit = 0; digit < kPostnetDigits.size(); ++digit)
        tables.PatternTable['0' + digit] = kPostnetDigits[digit];
    tables.StartPattern = "4";
    tables.StopPattern = "4";
}

EncodeResult encodePostnet(const PatternTables& tables, const std::string& message) {
    const std::string digits = collectZip(message);
    const std::size_t n = digits.size();
    if (n != 5 && n != 9 && n != 11 && n != 12)
        return MessageError{kErrorPostnet};
    // A twelfth digit is shown but not encoded.
    const std::string encoded = digits.substr(0, 11);
    int sum = 0;
    LinearSymbol symbol;
    symbol.pattern = tables.StartPattern;
    for (const char d : encoded) {
        sum += d - '0';
        symbol.pattern += tables.PatternTable[static_cast<unsigned char>(d)];
    }
    const int check = (10 - sum % 10) % 10;
    symbol.pattern += tables.PatternTable['0' + check];
    symbol.pattern += tables.StopPattern;
    symbol.text = zipText(digits);
    symbol.checkText = std::to_string(check);
    return symbol;
}

void fillFourStateTables(PatternTables& tables) {
    for (std::size_t p = 0; p < kFourStateCharacters.size(); ++p)
        tables.PatternTable[static_cast<unsigned char>(kFourStateCharacters[p])] =
            fourStatePattern(p);
    tables.StartPattern = "X";
    tables.StopPattern = "Z";
}

EncodeResult encodeFourState(const PatternTables& tables, const std::string& message) {
    std::string filtered;
    for (const char c : message)
        if (kFourStateCharacters.find(asciiUpper(c)) != std::string_view::npos)
            filtered += asciiUpper(c);
    if (filtered.size() < 5 || filtered.size() > 12)
        return MessageError{kErrorFourState};
    LinearSymbol symbol;
    symbol.pattern = tables.StartPattern;
    std::size_t rows = 0;
    std::size_t columns = 0;
    for (const char c : filtered) {
        const std::size_t p = kFourStateCharacters.find(c);
        rows += p / 6 + 1;
        columns += p % 6 + 1;
        symbol.pattern += tables.PatternTable[static_cast<unsigned char>(c)];
    }
    // Row and column of the check character: the sums mod 6, 0 counting as 6.
    const std::size_t row = rows % 6 == 0 ? 6 : rows % 6;
    const std::size_t column = columns % 6 == 0 ? 6 : columns % 6;
    const char check = kFourStateCharacters[(row - 1) * 6 + column - 1];
    symbol.pattern += tables.PatternTable[static_cast<unsigned char>(check)];
    symbol.pattern += tables.StopPattern;
    symbol.text = filtered;
    symbol.checkText = std::string(1, check);
    return symbol;
}

} // namespace vornik::linear
