#include "core/batch/expected_reading.h"

#include "core/linear/code128.h"
#include "core/linear/encode_linear.h"
#include "core/linear/full_ascii.h"
#include "core/linear/pattern_tables.h"
#include "core/twod/dm_adapter.h"

#include <algorithm>
#include <iterator>

namespace vornik::batch {

namespace {

constexpr std::size_t kGtinBodyDigits = 13;

// Readers find no shorter symbols of these: an ITF of fewer digits and a
// Codabar of fewer characters, start and stop included, could be a fragment
// of another symbol.
constexpr std::size_t kShortestItf = 6;
constexpr std::size_t kShortestCodabar = 4;

// The Code 128 display characters of FNC2, FNC3 and FNC4, which change what
// a reader reports in ways not worth predicting; FNC1 inside reads as GS.
constexpr unsigned char kShownFnc1 = 185;
constexpr unsigned char kShownFnc2 = 178;
constexpr unsigned char kShownFnc3 = 179;
constexpr unsigned char kShownFnc4 = 128;

std::string digitsOf(std::string_view text) {
    std::string digits;
    std::ranges::copy_if(text, std::back_inserter(digits),
                         [](char c) { return c >= '0' && c <= '9'; });
    return digits;
}

const char* linearFormat(Symbology symbology) {
    switch (symbology) {
    case Symbology::Code39:
        return "Code39";
    case Symbology::Code39FullAscii:
        return "Code39FullAscii";
    case Symbology::UpcA:
        return "UPC-A";
    case Symbology::UpcE:
    case Symbology::UpcE1:
        return "UPC-E";
    case Symbology::Ean8:
        return "EAN-8";
    case Symbology::Ean13:
    case Symbology::BookLand:
        return "EAN-13";
    case Symbology::Interleaved2of5:
        return "ITF";
    case Symbology::Codabar:
        return "Codabar";
    case Symbology::Code93:
        return "Code93";
    case Symbology::Code128:
    case Symbology::EanUcc128:
        return "Code128";
    case Symbology::Discrete2of5:
    case Symbology::MsiPlessey:
    case Symbology::Postnet:
    case Symbology::Bpo4State:
    case Symbology::Pdf417:
    case Symbology::Aztec:
    case Symbology::DataMatrix:
    case Symbology::Rss14:
    case Symbology::Rss14Stacked:
    case Symbology::Rss14StackedOmni:
    case Symbology::RssLimited:
        return nullptr;
    }
    return nullptr;
}

std::variant<std::string, NotVerifiable> code128Text(std::string_view shown) {
    std::string text;
    for (const char c : shown) {
        const auto u = static_cast<unsigned char>(c);
        if (u == kShownFnc2 || u == kShownFnc3 || u == kShownFnc4)
            return NotVerifiable{"a Code 128 message with FNC2, FNC3 or FNC4"};
        text += u == kShownFnc1 ? '\x1D' : c;
    }
    return text;
}

// The text a reader gives for the linear symbol the encoder made.
std::variant<std::string, NotVerifiable> linearText(Symbology symbology,
                                                    const linear::LinearSymbol& symbol) {
    std::string_view shown = symbol.text;
    if (isUpcEanFamily(symbology))
        return digitsOf(shown) + (symbol.supplement.empty() ? "" : " " + symbol.supplement);
    if (symbology == Symbology::Code128 || symbology == Symbology::EanUcc128)
        return code128Text(shown);
    // Code 39 is shown framed by its start and stop stars, Code 93 by blanks.
    const bool framed = symbology == Symbology::Code39 || symbology == Symbology::Code39FullAscii ||
                        symbology == Symbology::Code93;
    if (framed && shown.size() >= 2)
        shown = shown.substr(1, shown.size() - 2);
    return std::string(shown);
}

ExpectedReading reading(std::string format, std::string text) {
    ExpectedReading expected;
    expected.format = std::move(format);
    expected.text = std::move(text);
    return expected;
}

// The digits with their check digit (weights 3 and 1 from the right).
std::string withCheckDigit(std::string digits) {
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i)
        sum += (digits[digits.size() - 1 - i] - '0') * (i % 2 == 0 ? 3 : 1);
    return digits + static_cast<char>('0' + (10 - sum % 10) % 10);
}

// RSS-14 reads as the 14-digit GTIN: the message with leading zeros to 13
// digits and its check digit.
Expectation rssReading(const Job& job) {
    if (job.Symbology == Symbology::RssLimited)
        return NotVerifiable{"RSS Limited"};
    const std::string& message = job.Message;
    if (message.empty() || message.size() > kGtinBodyDigits || digitsOf(message) != message)
        return NotVerifiable{"a message the symbology refuses"};
    const std::string body = std::string(kGtinBodyDigits - message.size(), '0') + message;
    const bool composite = !job.Supplement.empty();
    return ExpectedReading{.format = "DataBar",
                           .text = withCheckDigit(body),
                           .pure = job.Symbology != Symbology::Rss14,
                           .partial = composite,
                           .alternative = composite ? withCheckDigit("1" + body) : ""};
}

// Full ASCII Code 39 with its check character, as the plain Code 39
// characters it is written with: a reader that turns the pairs back into
// ASCII cannot when the check character is itself a shift ($ % / +).
Expectation fullAsciiWithCheck(const Job& job, const linear::LinearSymbol& symbol) {
    std::string text;
    for (const char c : job.Message)
        text += linear::fullAsciiSequence(static_cast<std::uint8_t>(c) & 0x7F,
                                          linear::FullAsciiVariant::Code39);
    text += symbol.text.substr(symbol.text.size() - 2, 1); // before the stop star
    return reading("Code39", text);
}

// Symbols too short for a reader to accept.
std::optional<NotVerifiable> tooShort(Symbology symbology, std::string_view text) {
    if (symbology == Symbology::Interleaved2of5 && text.size() < kShortestItf)
        return NotVerifiable{"an Interleaved 2 of 5 symbol of fewer than 6 digits"};
    if (symbology == Symbology::Codabar && text.size() < kShortestCodabar)
        return NotVerifiable{"a Codabar symbol of fewer than 4 characters"};
    return std::nullopt;
}

Expectation linearReading(const Job& job, const char* format) {
    if (format == nullptr)
        return NotVerifiable{"this symbology"};
    Job tableJob = job;
    linear::PatternTables tables;
    linear::BuildPatternTables(tableJob, tables);
    const auto encoded = linear::encodeMessage(tables, tableJob, job.Message, job.Supplement);
    const auto* symbol = std::get_if<linear::LinearSymbol>(&encoded);
    if (symbol == nullptr)
        return NotVerifiable{"a message the symbology refuses"};
    if (job.Symbology == Symbology::Code39FullAscii && job.CheckDigit && symbol->text.size() >= 3)
        return fullAsciiWithCheck(job, *symbol);
    auto text = linearText(job.Symbology, *symbol);
    if (auto* refusal = std::get_if<NotVerifiable>(&text))
        return *refusal;
    if (auto refusal = tooShort(job.Symbology, std::get<std::string>(text)))
        return *refusal;
    return reading(format, latin1ToUtf8(std::get<std::string>(text)));
}

} // namespace

std::string latin1ToUtf8(std::string_view bytes) {
    std::string text;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            text += c;
            continue;
        }
        text += static_cast<char>(0xC0 | (u >> 6));
        text += static_cast<char>(0x80 | (u & 0x3F));
    }
    return text;
}

Expectation expectedReading(const Job& job) {
    switch (job.Symbology) {
    case Symbology::Pdf417:
        return reading("PDF417", latin1ToUtf8(job.Message));
    case Symbology::DataMatrix:
        // No reader here knows the levels below ECC 200.
        if (job.DmEccLevel != twod::kDmEcc200)
            return NotVerifiable{"Data Matrix ECC 000 to 140"};
        return reading("DataMatrix", latin1ToUtf8(job.Message));
    case Symbology::Aztec:
        return reading("Aztec", latin1ToUtf8(job.Message));
    case Symbology::Rss14:
    case Symbology::Rss14Stacked:
    case Symbology::Rss14StackedOmni:
    case Symbology::RssLimited:
        return rssReading(job);
    case Symbology::Discrete2of5:
        return NotVerifiable{"Discrete 2 of 5"};
    case Symbology::MsiPlessey:
        return NotVerifiable{"MSI"};
    case Symbology::Postnet:
        return NotVerifiable{"POSTNET"};
    case Symbology::Bpo4State:
        return NotVerifiable{"BPO 4 State"};
    case Symbology::Code39:
    case Symbology::Code39FullAscii:
    case Symbology::UpcA:
    case Symbology::UpcE:
    case Symbology::UpcE1:
    case Symbology::Ean8:
    case Symbology::Ean13:
    case Symbology::BookLand:
    case Symbology::Interleaved2of5:
    case Symbology::Codabar:
    case Symbology::Code93:
    case Symbology::Code128:
    case Symbology::EanUcc128:
        return linearReading(job, linearFormat(job.Symbology));
    }
    return NotVerifiable{"this symbology"};
}

} // namespace vornik::batch
