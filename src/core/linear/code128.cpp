#include "core/linear/code128.h"

#include "core/linear/bar_pattern.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace vornik::linear {
namespace {

// ISO/IEC 15417 (Code 128), the symbol character table: six element widths in
// modules, bar first, by symbol value 0 to 105 (103 to 105 are Start A, B, C).
constexpr std::array<std::string_view, 106> kElements = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", // 0
    "132212", "221213", "221312", "231212", "112232", "122132", "122231", "113222", // 8
    "123122", "123221", "223211", "221132", "221231", "213212", "223112", "312131", // 16
    "311222", "321122", "321221", "312212", "322112", "322211", "212123", "212321", // 24
    "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313", // 32
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121", // 40
    "313121", "211331", "231131", "213113", "213311", "213131", "311123", "311321", // 48
    "331121", "312113", "312311", "332111", "314111", "221411", "431111", "111224", // 56
    "111422", "121124", "121421", "141122", "141221", "112214", "112412", "122114", // 64
    "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111", // 72
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112", // 80
    "421211", "212141", "214121", "412121", "111143", "111341", "131141", "114113", // 88
    "114311", "411113", "411311", "113141", "114131", "311141", "411131", "211412", // 96
    "211214", "211232",                                                             // 104
};
static_assert(kElements.size() == 106);

// The stop character with its termination bar: 2 3 3 1 1 1 2.
constexpr std::string_view kStopElements = "2331112";

enum class CodeSet { A, B, C };

constexpr int kShift = 98;
constexpr int kCodeC = 99;
constexpr int kCodeB = 100;
constexpr int kCodeA = 101;
constexpr int kFnc1Value = 102;
constexpr int kStartA = 103;
constexpr int kStartB = 104;
constexpr int kStartC = 105;
constexpr int kModulus = 103;
constexpr std::int32_t kErrorCharacter = 12;

std::string toPattern(std::string_view elements) {
    std::string pattern;
    for (std::size_t i = 0; i < elements.size(); ++i)
        pattern += moduleElement(i % 2 == 0, elements[i] - '0');
    return pattern;
}

unsigned char at(std::string_view message, std::size_t i) {
    return static_cast<unsigned char>(message[i]);
}

bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

bool isControl(unsigned char c) {
    return c < 32;
}

bool isLowerRange(unsigned char c) {
    return c >= 96 && c <= 127;
}

// Consecutive characters from `from` that satisfy `test`.
template <typename Test>
std::size_t runFrom(std::string_view message, std::size_t from, Test test) {
    std::size_t n = 0;
    while (from + n < message.size() && test(at(message, from + n)))
        ++n;
    return n;
}

std::size_t digitRun(std::string_view message, std::size_t from) {
    return runFrom(message, from, isDigit);
}

bool allNumeric(std::string_view message) {
    return message.size() >= 2 && digitRun(message, 0) == message.size();
}

// Worth entering set C at `from`: four or more digits and FNC1s, of which the
// digits (measured past the leading FNC1s of the message) pair up, or there
// are at least two of them at the very start.
bool worthSetC(std::string_view message, std::size_t from) {
    const std::size_t leadingFnc1 = runFrom(message, 0, [](unsigned char c) { return c == kFnc1; });
    const std::size_t run =
        runFrom(message, from, [](unsigned char c) { return isDigit(c) || c == kFnc1; });
    const std::size_t digits = digitRun(message, from + leadingFnc1);
    return run >= 4 && digits >= 2 && (from == 0 || digits % 2 == 0);
}

// -1 when a control character comes before any character of 96 to 127, 1 when
// such a character comes first, 0 when neither follows.
int controlOrLowerFirst(std::string_view message, std::size_t from) {
    std::size_t control = message.size();
    std::size_t lower = message.size();
    for (std::size_t i = std::min(from, message.size()); i < message.size(); ++i) {
        if (isControl(at(message, i)))
            control = std::min(control, i);
        if (isLowerRange(at(message, i)))
            lower = std::min(lower, i);
    }
    if (control < lower)
        return -1;
    return control > lower ? 1 : 0;
}

int functionValue(unsigned char c, int fnc4) {
    switch (c) {
    case kFnc1:
        return kFnc1Value;
    case kFnc2:
        return 97;
    case kFnc3:
        return 96;
    }
    return fnc4;
}

int valueInA(unsigned char c) {
    if (c >= kFnc1)
        return functionValue(c, kCodeA);
    return isControl(c) ? c + 64 : c - 32;
}

// Control characters never reach set B: the loop shifts or changes set first.
int valueInB(unsigned char c) {
    return c >= kFnc1 ? functionValue(c, kCodeB) : c - 32;
}

// The number the two characters from `from` begin with, as a digit pair.
int pairValue(std::string_view message, std::size_t from) {
    int value = 0;
    for (std::size_t i = from; i < from + 2 && i < message.size() && isDigit(at(message, i)); ++i)
        value = value * 10 + (at(message, i) - '0');
    return value;
}

struct Emitter {
    const PatternTables& tables;
    std::string pattern;
    std::vector<int> values;

    void emit(int value) {
        pattern += tables.PatternTable[static_cast<std::size_t>(value)];
        values.push_back(value);
    }
};

CodeSet startSet(std::string_view message) {
    if (worthSetC(message, 0) || allNumeric(message))
        return CodeSet::C;
    return controlOrLowerFirst(message, 0) != -1 ? CodeSet::B : CodeSet::A;
}

int startValue(CodeSet set) {
    switch (set) {
    case CodeSet::A:
        return kStartA;
    case CodeSet::B:
        return kStartB;
    case CodeSet::C:
        return kStartC;
    }
    return kStartB;
}

// Each step encodes the character at `i` (and any character it takes along)
// and returns the index of the last character consumed.
std::size_t stepA(std::string_view message, std::size_t i, Emitter& out, CodeSet& set) {
    out.emit(valueInA(at(message, i)));
    if (i + 1 >= message.size())
        return i;
    if (worthSetC(message, i + 1)) {
        out.emit(kCodeC);
        set = CodeSet::C;
    } else if (isLowerRange(at(message, i + 1))) {
        if (controlOrLowerFirst(message, i + 2) != -1) {
            out.emit(kCodeB);
            set = CodeSet::B;
        } else {
            out.emit(kShift);
            out.emit(valueInB(at(message, i + 1)));
            return i + 1;
        }
    }
    return i;
}

std::size_t stepB(std::string_view message, std::size_t i, Emitter& out, CodeSet& set) {
    out.emit(valueInB(at(message, i)));
    if (i + 1 >= message.size())
        return i;
    if (worthSetC(message, i + 1)) {
        out.emit(kCodeC);
        set = CodeSet::C;
    } else if (isControl(at(message, i + 1))) {
        if (controlOrLowerFirst(message, i + 2) == 1) {
            out.emit(kShift);
            out.emit(valueInA(at(message, i + 1)));
            return i + 1;
        }
        out.emit(kCodeA);
        set = CodeSet::A;
    }
    return i;
}

std::size_t stepC(std::string_view message, std::size_t i, Emitter& out, CodeSet& set) {
    std::size_t last = i;
    if (at(message, i) == kFnc1) {
        out.emit(kFnc1Value);
    } else {
        out.emit(pairValue(message, i));
        ++last;
    }
    if (last + 1 >= message.size())
        return last;
    const unsigned char next = at(message, last + 1);
    if (next == kFnc1 || (isDigit(next) && digitRun(message, last + 1) >= 2))
        return last;
    const bool toB = controlOrLowerFirst(message, last + 1) != -1;
    out.emit(toB ? kCodeB : kCodeA);
    set = toB ? CodeSet::B : CodeSet::A;
    return last;
}

std::size_t step(std::string_view message, std::size_t i, Emitter& out, CodeSet& set) {
    switch (set) {
    case CodeSet::A:
        return stepA(message, i, out, set);
    case CodeSet::B:
        return stepB(message, i, out, set);
    case CodeSet::C:
        return stepC(message, i, out, set);
    }
    return i;
}

// Weights 3 and 1 alternating from the first digit.
char mod10CheckDigit(std::string_view digits) {
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i)
        sum += (digits[i] - '0') * (i % 2 == 0 ? 3 : 1);
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

// The start value counts once, every later value times its position after it.
int checkValue(const std::vector<int>& values) {
    int sum = values.front();
    for (std::size_t i = 1; i < values.size(); ++i)
        sum = (sum + values[i] * static_cast<int>(i)) % kModulus;
    return sum % kModulus;
}

std::string displayText(std::string_view message) {
    std::string text;
    for (const char c : message) {
        switch (static_cast<unsigned char>(c)) {
        case kFnc1:
            text += static_cast<char>(185);
            break;
        case kFnc2:
            text += static_cast<char>(178);
            break;
        case kFnc3:
            text += static_cast<char>(179);
            break;
        case kFnc4:
            text += static_cast<char>(128);
            break;
        default:
            text += c;
        }
    }
    return text;
}

} // namespace

void fillCode128Tables(PatternTables& tables) {
    for (std::size_t value = 0; value < kElements.size(); ++value)
        tables.PatternTable[value] = toPattern(kElements[value]);
    tables.StopPattern = toPattern(kStopElements);
}

EncodeResult encodeCode128(const PatternTables& tables, const std::string& message,
                           Code128Variant variant, bool checkDigit) {
    if (std::ranges::any_of(message, [](char c) { return static_cast<unsigned char>(c) > kFnc4; }))
        return MessageError{kErrorCharacter};
    CodeSet set = startSet(message);
    Emitter out{tables, {}, {}};
    out.emit(startValue(set));
    std::string encoded = message;
    if (variant == Code128Variant::EanUcc) {
        if (checkDigit && allNumeric(message))
            encoded += mod10CheckDigit(message);
        out.emit(kFnc1Value);
    }
    for (std::size_t i = 0; i < encoded.size(); ++i)
        i = step(encoded, i, out, set);
    const int check = checkValue(out.values);
    LinearSymbol symbol;
    symbol.pattern =
        out.pattern + tables.PatternTable[static_cast<std::size_t>(check)] + tables.StopPattern;
    symbol.text = displayText(encoded);
    symbol.checkText = std::to_string(check);
    return symbol;
}

} // namespace vornik::linear
