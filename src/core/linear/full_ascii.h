#pragma once

#include "core/linear/pattern_tables.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vornik::linear {

// The 43 data characters Code 39 and Code 93 share, in the order of their
// values: a character's value is its position here ("0" is 0, "%" is 42).
inline constexpr std::string_view kBaseCharacters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
static_assert(kBaseCharacters.size() == 43);

// Code 93 writes its four shift characters ($), (%), (/) and (+) as these
// codes, in streams and in PatternTable; their values are 43 to 46.
inline constexpr unsigned char kCode93ShiftDollar = 131;
inline constexpr unsigned char kCode93ShiftPercent = 132;
inline constexpr unsigned char kCode93ShiftSlash = 133;
inline constexpr unsigned char kCode93ShiftPlus = 134;
inline constexpr int kCode93Values = 47;

// The two ways of writing full ASCII: Code 39 shifts with its own $ % / +
// and escapes those four as /D /E /K /O; Code 93 has shift characters of its
// own and keeps $ % + / as themselves.
enum class FullAsciiVariant { Code39, Code93 };

// The one or two base characters (Code 93 shifts as 131 to 134) that stand for
// an ASCII code 0 to 127; for example 'a' is "+A" in Code 39.
[[nodiscard]] std::string fullAsciiSequence(std::uint8_t code, FullAsciiVariant variant);

// The check value of a base character or Code 93 shift, none for others.
[[nodiscard]] std::optional<int> checkValue(unsigned char c);

// The character of a check value 0 to 46 (43 to 46 are the Code 93 shifts).
[[nodiscard]] unsigned char characterOfValue(int value);

// For every code 0 to 127 whose sequence is not the character itself, stores
// the patterns of its sequence, taken from the base entries already filled.
void addFullAsciiEntries(PatternTables& tables, FullAsciiVariant variant);

} // namespace vornik::linear
