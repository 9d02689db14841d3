#include "core/linear/code39.h"

#include "core/app/ascii_case.h"
#include "core/linear/bar_pattern.h"
#include "core/linear/full_ascii.h"

#include <array>
#include <string_view>

namespace vornik::linear {
namespace {

// ISO/IEC 16388 Table 1: the nine elements of each data character, bar first,
// 1 narrow and 2 wide, in the order of the check values (kBaseCharacters).
constexpr std::array<std::string_view, 43> kElements = {
    "111221211", "211211112", "112211112", "212211111", "111221112", // 0 to 4
    "211221111", "112221111", "111211212", "211211211", "112211211", // 5 to 9
    "211112112", "112112112", "212112111", "111122112", "211122111", // A to E
    "112122111", "111112212", "211112211", "112112211", "111122211", // F to J
    "211111122", "112111122", "212111121", "111121122", "211121121", // K to O
    "112121121", "111111222", "211111221", "112111221", "111121221", // P to T
    "221111112", "122111112", "222111111", "121121112", "221121111", // U to Y
    "122121111", "121111212", "221111211", "122111211", "121212111", // Z - . space $
    "121211121", "121112121", "111212121",                           // / + %
};
static_assert(kElements.size() == kBaseCharacters.size());

// The start/stop character "*", from the same table.
constexpr std::string_view kStarElements = "121121211";

constexpr int kModulus = 43;
constexpr std::int32_t kErrorFullAsciiCharacter = 7;
constexpr std::int32_t kErrorNormalCharacter = 8;

// Bars and spaces alternate from a bar; the character ends with a narrow gap.
std::string toPattern(std::string_view elements) {
    return twoWidthPattern(elements, '2') + kNarrowSpace;
}

bool isShiftLike(unsigned char c) {
    return c == '$' || c == '%' || c == '+' || c == '/';
}

bool accepts(unsigned char c, Code39Mode mode) {
    if (mode == Code39Mode::FullAscii)
        return c <= 127;
    return c == '*' || kBaseCharacters.find(static_cast<char>(c)) != std::string_view::npos;
}

// The value a message character adds to the check sum: the values of the
// characters it stands for. Normal Code 39 keeps $ % + / as themselves. A
// "*" in a normal message is the start/stop character, which the symbol
// draws at its ends anyway: it adds no bars, and so must add nothing to the
// check either, or readers would reject the check character.
int streamValue(unsigned char c, Code39Mode mode) {
    if (mode == Code39Mode::Normal && c == '*')
        return 0;
    const std::string stream = mode == Code39Mode::Normal && isShiftLike(c)
                                   ? std::string(1, static_cast<char>(c))
                                   : fullAsciiSequence(c, FullAsciiVariant::Code39);
    int sum = 0;
    for (const char s : stream)
        sum += checkValue(static_cast<unsigned char>(s)).value_or(0);
    return sum;
}

} // namespace

std::string code39Pattern(int value) {
    return toPattern(kElements[static_cast<std::size_t>(value)]);
}

void fillCode39Tables(PatternTables& tables, Code39Mode mode) {
    for (std::size_t value = 0; value < kBaseCharacters.size(); ++value) {
        const auto code = static_cast<unsigned char>(kBaseCharacters[value]);
        tables.PatternTable[code] = toPattern(kElements[value]);
    }
    tables.StarPattern = toPattern(kStarElements);
    tables.PatternTable[kCode39StarSlot] = tables.StarPattern;
    if (mode == Code39Mode::FullAscii)
        addFullAsciiEntries(tables, FullAsciiVariant::Code39);
}

EncodeResult encodeCode39(const PatternTables& tables, const std::string& message, Code39Mode mode,
                          bool checkDigit) {
    const std::string text = mode == Code39Mode::Normal ? asciiUpper(message) : message;
    const std::string& star = tables.PatternTable[kCode39StarSlot];
    LinearSymbol symbol;
    symbol.pattern = star;
    int sum = 0;
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (!accepts(code, mode))
            return MessageError{mode == Code39Mode::Normal ? kErrorNormalCharacter
                                                           : kErrorFullAsciiCharacter};
        sum = (sum + streamValue(code, mode)) % kModulus;
        symbol.pattern += tables.PatternTable[code];
    }
    std::string check;
    if (checkDigit) {
        // The check character is always the single data character, even for
        // $ / + % whose Full ASCII slots hold two-character sequences.
        symbol.pattern += code39Pattern(sum);
        symbol.checkText = std::to_string(sum);
        check = static_cast<char>(characterOfValue(sum));
    }
    symbol.pattern += star;
    symbol.text = "*" + text + check + "*";
    return symbol;
}

} // namespace vornik::linear
