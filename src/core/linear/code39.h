#pragma once

#include "core/linear/encode_linear.h"
#include "core/linear/pattern_tables.h"

#include <string>

namespace vornik::linear {

// Normal Code 39 takes the 43 data characters and "*"; Full ASCII writes
// every ASCII code as one or two of them.
enum class Code39Mode { Normal, FullAscii };

// PatternTable slot of the start/stop character "*".
inline constexpr std::size_t kCode39StarSlot = 128;

// The pattern of the data character of a check value 0 to 42, with its gap.
[[nodiscard]] std::string code39Pattern(int value);

// Fills the base characters at their codes and "*" at slot 128 and as
// StarPattern; Full ASCII also fills every other code 0 to 127.
void fillCode39Tables(PatternTables& tables, Code39Mode mode);

// "*", the message characters, the optional modulo 43 check character, "*".
// Normal Code 39 upper-cases the message first.
[[nodiscard]] EncodeResult encodeCode39(const PatternTables& tables, const std::string& message,
                                        Code39Mode mode, bool checkDigit);

} // namespace vornik::linear
