#pragma once

#include <optional>
#include <string_view>

namespace vornik {

// The numeric value of the number at the start of a text, the way dimension
// boxes are read (like Visual Basic's Val, ASCII only): leading blanks and
// tabs skipped, an optional sign, digits with an optional "." fraction (at
// least one digit in all: "5.", ".5"), and an optional exponent (E or e, an
// optional sign, at least one digit; an "e" not followed by one ends the
// number before the "e"). Reading stops at the first character that does not
// fit; a text with no number at its start gives 0. Never locale-dependent
// (std::from_chars). A magnitude beyond the range of double gives 0 too (it
// cannot be a meaningful dimension); one too small for a double is 0 anyway.
//
//   "" -> 0, "abc" -> 0, "12abc" -> 12, " -3.5e2x" -> -350, "2e" -> 2,
//   "1,5" -> 1, "1e999" -> 0
[[nodiscard]] double leadingNumber(std::string_view text);

// The value of a text that is a number of the same grammar and nothing else
// (blanks and tabs around it are allowed), for command values that must be
// numbers; nullopt otherwise, and for a magnitude beyond the range of double
// ("1e999"). A magnitude too small for a double ("1e-999") gives 0.
[[nodiscard]] std::optional<double> wholeNumber(std::string_view text);

} // namespace vornik
