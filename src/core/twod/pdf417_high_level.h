#pragma once

#include "core/app/job.h"
#include "core/twod/pdf417_codewords.h"

#include <optional>
#include <string_view>

namespace vornik::twod {

// The compaction modes of PdfMode.
enum class PdfCompaction : std::int32_t {
    Auto = 0,         // text, byte and numeric
    AutoTextByte = 1, // text and byte
    Text = 2,
    Byte = 3,
    Numeric = 4,
};

// The message in the character set PDF417 takes it in: converted between
// the ANSI and OEM sets when the chosen set is not the one it is shown in.
[[nodiscard]] std::string pdfCharacters(std::string_view message, const Job& job);

// The data codewords of the message in the job's compaction mode and
// character set; nullopt when the mode cannot take a character (error 21).
[[nodiscard]] std::optional<Codewords> PdfEncodeMessage(std::string_view message, const Job& job);

} // namespace vornik::twod
