#pragma once

#include "core/app/job.h"

#include <string>

namespace vornik::serial {

// No message the program takes is longer than this, so a number is never
// written with more digits: a mistyped width cannot make a gigabyte text.
inline constexpr int kMaxNumberDigits = 3072;

// The digits of NUMBER: the nearest whole number (halves away from zero),
// with leading zeros to at least nearest(WIDTH + 1) digits, a minus sign in
// front of a negative one; when WIDTH is above 0 only its last
// nearest(WIDTH) characters are kept, so the counter wraps (999 + 1 with 3
// digits is "000", and -1 with 3 digits is "001").
[[nodiscard]] std::string numberDigits(double number, double width);

// The text of the current number: preamble, digits, postamble.
[[nodiscard]] std::string numberText(const Job& job);

// The numbering step: the current number moves by STEP increments (+1 next,
// -1 previous, 0 refresh) and its text becomes the message, or the
// supplement when the supplement is numbered. It does not build.
void stepNumber(Job& job, int step);

} // namespace vornik::serial
