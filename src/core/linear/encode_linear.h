#pragma once

#include "core/app/job.h"
#include "core/linear/pattern_tables.h"

#include <cstdint>
#include <functional>
#include <string>
#include <variant>

namespace vornik::linear {

// What an encoder makes of a valid message.
struct LinearSymbol {
    std::string pattern;    // the whole symbol, left to right, in the bar pattern alphabet
    std::string text;       // the human-readable text printed with the symbol
    std::string supplement; // UPC/EAN add-on digits (empty for others)
    std::string checkText;  // check value(s) in decimal, for the measurements panel
};

// A message that breaks the symbology's rules: the message error code the
// error reporter shows.
struct MessageError {
    std::int32_t code;
};

// The symbology has no encoder in this version.
struct NoEncoder {};

using EncodeResult = std::variant<LinearSymbol, MessageError, NoEncoder>;

// Encodes a message with the tables built for the job's symbology. Pure: it
// reads the tables and the job's options and reports nothing itself.
[[nodiscard]] EncodeResult encodeMessage(const PatternTables& tables, const Job& job,
                                         const std::string& message, const std::string& supplement);

// The encode step of a build: encodes, and on success erases PatternTable
// (the tables must be built again before the next encode) and rewrites
// message and supplement into their human-readable forms. A broken rule is
// reported through `report` and leaves the tables filled.
enum class EncodeOutcome { Encoded, Rejected, NoEncoder };

[[nodiscard]] EncodeOutcome EncodeLinear(PatternTables& tables, const Job& job,
                                         std::string& message, std::string& supplement,
                                         std::string& pattern, std::string& checkText,
                                         const std::function<void(std::int32_t code)>& report);

} // namespace vornik::linear
