#include "core/linear/full_ascii.h"

#include <cstddef>

namespace vornik::linear {
namespace {

enum class Shift { Dollar, Percent, Slash, Plus };

char shiftCharacter(Shift shift, FullAsciiVariant variant) {
    constexpr char code39[] = {'$', '%', '/', '+'};
    constexpr unsigned char code93[] = {kCode93ShiftDollar, kCode93ShiftPercent, kCode93ShiftSlash,
                                        kCode93ShiftPlus};
    const auto i = static_cast<std::size_t>(shift);
    return variant == FullAsciiVariant::Code39 ? code39[i] : static_cast<char>(code93[i]);
}

bool isWrittenAsItself(std::uint8_t code, FullAsciiVariant variant) {
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z'))
        return true;
    if (code == ' ' || code == '-' || code == '.')
        return true;
    const bool shiftLike = code == '$' || code == '%' || code == '+' || code == '/';
    return shiftLike && variant == FullAsciiVariant::Code93;
}

struct Shifted {
    Shift shift;
    char second;
};

// The shift and second character of a code that is not written as itself
// (ISO/IEC 16388 Annex A, Table A.2; Code 93 uses the same pairs).
Shifted shiftedForm(std::uint8_t code) {
    if (code == 0)
        return {Shift::Percent, 'U'};
    if (code <= 26) // control characters 1 to 26: $A to $Z
        return {Shift::Dollar, static_cast<char>('A' + code - 1)};
    if (code <= 31)
        return {Shift::Percent, static_cast<char>('A' + code - 27)};
    if (code <= 58) // punctuation from ! to : (digits, - and . never get here)
        return {Shift::Slash, static_cast<char>(code + 32)};
    if (code <= 63)
        return {Shift::Percent, static_cast<char>(code + 11)};
    if (code == 64)
        return {Shift::Percent, 'V'};
    if (code <= 95)
        return {Shift::Percent, static_cast<char>(code - 16)};
    if (code == 96)
        return {Shift::Percent, 'W'};
    if (code <= 122) // lower case: +A to +Z
        return {Shift::Plus, static_cast<char>(code - 32)};
    return {Shift::Percent, static_cast<char>(code - 43)};
}

} // namespace

std::string fullAsciiSequence(std::uint8_t code, FullAsciiVariant variant) {
    if (isWrittenAsItself(code, variant))
        return std::string(1, static_cast<char>(code));
    const Shifted form = shiftedForm(code);
    return {shiftCharacter(form.shift, variant), form.second};
}

std::optional<int> checkValue(unsigned char c) {
    if (c >= kCode93ShiftDollar && c <= kCode93ShiftPlus)
        return static_cast<int>(kBaseCharacters.size()) + (c - kCode93ShiftDollar);
    const auto position = kBaseCharacters.find(static_cast<char>(c));
    if (position == std::string_view::npos)
        return std::nullopt;
    return static_cast<int>(position);
}

unsigned char characterOfValue(int value) {
    const int baseCount = static_cast<int>(kBaseCharacters.size());
    if (value < baseCount)
        return static_cast<unsigned char>(kBaseCharacters[static_cast<std::size_t>(value)]);
    return static_cast<unsigned char>(kCode93ShiftDollar + (value - baseCount));
}

void addFullAsciiEntries(PatternTables& tables, FullAsciiVariant variant) {
    // Read from a copy: Code 39 gives $ % / + two-character entries of their
    // own, while later codes still use them as shifts with their base patterns.
    const auto base = tables.PatternTable;
    for (int code = 0; code < 128; ++code) {
        const auto ascii = static_cast<std::uint8_t>(code);
        if (isWrittenAsItself(ascii, variant))
            continue;
        std::string pattern;
        for (const char c : fullAsciiSequence(ascii, variant))
            pattern += base[static_cast<unsigned char>(c)];
        tables.PatternTable[ascii] = pattern;
    }
}

} // namespace vornik::linear
