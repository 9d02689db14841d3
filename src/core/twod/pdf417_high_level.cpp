#include "core/twod/pdf417_high_level.h"

#include "core/app/code_pages.h"
#include "core/twod/pdf417_auto_compaction.h"
#include "core/twod/pdf417_byte_compaction.h"
#include "core/twod/pdf417_numeric_compaction.h"
#include "core/twod/pdf417_text_compaction.h"

namespace vornik::twod {

namespace {

constexpr std::int32_t kCharacterSetAscii = 1;
constexpr std::int32_t kCharacterSetAnsi = 2;

} // namespace

std::string pdfCharacters(std::string_view message, const Job& job) {
    if (job.PdfCharacterSet == kCharacterSetAnsi && !job.AnsiDisplay)
        return oemToAnsi(message);
    if (job.PdfCharacterSet == kCharacterSetAscii && job.AnsiDisplay)
        return ansiToOem(message);
    return std::string(message);
}

std::optional<Codewords> PdfEncodeMessage(std::string_view message, const Job& job) {
    const std::string characters = pdfCharacters(message, job);
    switch (static_cast<PdfCompaction>(job.PdfMode)) {
    case PdfCompaction::AutoTextByte:
        return PdfAutoCompact(characters, false);
    case PdfCompaction::Text:
        return PdfTextCompact(characters, false);
    case PdfCompaction::Byte:
        return PdfByteCompact(characters);
    case PdfCompaction::Numeric:
        return PdfNumericCompact(characters, true);
    case PdfCompaction::Auto:
        break;
    }
    // Automatic, and any mode number a file may carry that names no mode.
    return PdfAutoCompact(characters, true);
}

} // namespace vornik::twod
