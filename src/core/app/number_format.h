#pragma once

#include <string>
#include <string_view>

namespace vornik {

// Formats a number with a picture of the kind the program's boxes and
// captions use: "##0", "#0.0#", "#0.00#", "0.0", "#0.000", "00", "00000",
// "###", "#0.0##", "##0.00", "#0", "0.000", "#0.00 \"", "#0.00\" cm\"".
//
//   0   a digit, shown even when it is a leading or trailing zero
//   #   a digit, shown only when significant
//   .   the decimal point (always written as ".", whatever the locale, so the
//       text reads back with leadingNumber()); only the first "." is the
//       point, any later one is literal text
//   \x  the character x, literally (a "\" ending the picture is itself)
//   "…" the quoted text, literally (an unclosed quote runs to the end)
//   any other character is copied literally (no thousands separators,
//   percentages or exponents).
//
// The value is rounded to the number of decimal places the picture allows
// (all "0" and "#" after the point), exact halves away from zero, as display
// formats conventionally do; the rounding works on the exact value of the
// double, so 2.5 gives "3" but 1.005 (really 1.00499999…) gives "1.00". A
// negative value whose rounded text is zero loses its sign.
//
// Before the point, every slot from the first "0" on is a minimum digit,
// padded with zeros ("00" of 5 is "05"); digits beyond the slots are all
// written. With no "0" before the point and a rounded value below 1, no
// integer digit is written ("#.0" of 0.5 is ".5"; "###" of 0 is empty).
// After the point, every slot up to the last "0" is a minimum decimal, the
// "#"s beyond it are written only when not trailing zeros ("#0.0#" of 19.5 is
// "19.5"). Unlike Visual Basic, the point is dropped when no decimal follows
// it ("#0.##" of 3 is "3", not "3."). The minus sign goes just before the
// first placeholder, after any leading literal text.
//
// Other cases, which never fail:
//   - huge values are written in full, with the exact decimal digits of the
//     double (1e300 with "#0" gives a 301-digit text);
//   - NaN and infinities replace the number field with "NaN", "Infinity" or
//     "-Infinity", keeping the literal text ("#0.00\" cm\"" gives "NaN cm");
//   - an empty picture gives the shortest text that reads back as the value
//     ("2.5", "1e+21", "0" for -0), like Visual Basic's general format;
//   - a picture with no "0", "#" or "." gives its literal text alone.
[[nodiscard]] std::string formatNumber(double value, std::string_view picture);

} // namespace vornik
