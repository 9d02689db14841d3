#include "core/linear/code93.h"

#include "core/linear/bar_pattern.h"
#include "core/linear/full_ascii.h"

#include <array>
#include <string_view>
#include <vector>

namespace vornik::linear {
namespace {

// ANSI/AIM BC5 (Uniform Symbology Specification Code 93), the character set
// table: six element widths in modules, bar first, by value 0 to 46.
constexpr std::array<std::string_view, kCode93Values> kElements = {
    "131112", "111213", "111312", "111411", "121113", "121212", // 0 1 2 3 4 5
    "121311", "111114", "131211", "141111", "211113", "211212", // 6 7 8 9 A B
    "211311", "221112", "221211", "231111", "112113", "112212", // C D E F G H
    "112311", "122112", "132111", "111123", "111222", "111321", // I J K L M N
    "121122", "131121", "212112", "212211", "211122", "211221", // O P Q R S T
    "221121", "222111", "112122", "112221", "122121", "123111", // U V W X Y Z
    "121131", "311112", "311211", "321111", "112131", "113121", // - . space $ / +
    "211131", "121221", "312111", "311121", "122211",           // % ($) (%) (/) (+)
};

// Start is 1 1 1 1 4 1; stop is the same followed by the termination bar.
constexpr std::string_view kStartElements = "111141";
constexpr std::string_view kStopElements = "1111411";

constexpr int kModulus = 47;
constexpr int kWeightCycleC = 20;
constexpr int kWeightCycleK = 15;
constexpr std::int32_t kErrorCharacter = 9;

std::string toPattern(std::string_view elements) {
    std::string pattern;
    for (std::size_t i = 0; i < elements.size(); ++i)
        pattern += moduleElement(i % 2 == 0, elements[i] - '0');
    return pattern;
}

// Weights 1, 2, ... up to the cycle, then 1 again, from the rightmost value.
int weightedCheck(const std::vector<int>& values, int cycle) {
    int sum = 0;
    int weight = 1;
    for (auto it = values.rbegin(); it != values.rend(); ++it) {
        sum = (sum + *it * weight) % kModulus;
        weight = weight == cycle ? 1 : weight + 1;
    }
    return sum;
}

std::string checkText(int c, int k) {
    return std::to_string(c) + "," + std::to_string(k);
}

} // namespace

void fillCode93Tables(PatternTables& tables) {
    for (int value = 0; value < kCode93Values; ++value)
        tables.PatternTable[characterOfValue(value)] =
            toPattern(kElements[static_cast<std::size_t>(value)]);
    tables.StartPattern = toPattern(kStartElements);
    tables.StopPattern = toPattern(kStopElements);
    addFullAsciiEntries(tables, FullAsciiVariant::Code93);
}

EncodeResult encodeCode93(const PatternTables& tables, const std::string& message) {
    std::vector<int> stream;
    for (const char c : message) {
        const auto code = static_cast<unsigned char>(c);
        if (code > 127)
            return MessageError{kErrorCharacter};
        for (const char s : fullAsciiSequence(code, FullAsciiVariant::Code93))
            stream.push_back(checkValue(static_cast<unsigned char>(s)).value_or(0));
    }
    const int c = weightedCheck(stream, kWeightCycleC);
    stream.push_back(c);
    const int k = weightedCheck(stream, kWeightCycleK);

    // The full ASCII slots give the same elements as the converted stream.
    LinearSymbol symbol;
    symbol.pattern = tables.StartPattern;
    for (const char m : message)
        symbol.pattern += tables.PatternTable[static_cast<unsigned char>(m)];
    symbol.pattern += tables.PatternTable[characterOfValue(c)];
    symbol.pattern += tables.PatternTable[characterOfValue(k)];
    symbol.pattern += tables.StopPattern;
    symbol.text = " " + message + " ";
    symbol.checkText = checkText(c, k);
    return symbol;
}

} // namespace vornik::linear
