#include "core/linear/encode_linear.h"

#include "core/linear/code39.h"
#include "core/linear/code93.h"

namespace vornik::linear {

EncodeResult encodeMessage(const PatternTables& tables, const Job& job, const std::string& message,
                           const std::string& /*supplement*/) {
    switch (job.Symbology) {
    case Symbology::Code39:
        return encodeCode39(tables, message, Code39Mode::Normal, job.CheckDigit);
    case Symbology::Code39FullAscii:
        return encodeCode39(tables, message, Code39Mode::FullAscii, job.CheckDigit);
    case Symbology::Code93:
        return encodeCode93(tables, message);
    case Symbology::UpcA:
    case Symbology::UpcE:
    case Symbology::UpcE1:
    case Symbology::Ean8:
    case Symbology::Ean13:
    case Symbology::BookLand:
    case Symbology::Interleaved2of5:
    case Symbology::Discrete2of5:
    case Symbology::Codabar:
    case Symbology::Code128:
    case Symbology::EanUcc128:
    case Symbology::Pdf417:
    case Symbology::Aztec:
    case Symbology::DataMatrix:
    case Symbology::MsiPlessey:
    case Symbology::Rss14:
    case Symbology::Rss14Stacked:
    case Symbology::Rss14StackedOmni:
    case Symbology::RssLimited:
    case Symbology::Postnet:
    case Symbology::Bpo4State:
        return NoEncoder{};
    }
    return NoEncoder{}; // a value outside the catalogue
}

EncodeOutcome EncodeLinear(PatternTables& tables, const Job& job, std::string& message,
                           std::string& supplement, std::string& pattern, std::string& checkText,
                           const std::function<void(std::int32_t code)>& report) {
    const EncodeResult result = encodeMessage(tables, job, message, supplement);
    if (const auto* error = std::get_if<MessageError>(&result)) {
        report(error->code);
        return EncodeOutcome::Rejected;
    }
    const auto* symbol = std::get_if<LinearSymbol>(&result);
    if (symbol == nullptr)
        return EncodeOutcome::NoEncoder;
    message = symbol->text;
    if (isUpcEanFamily(job.Symbology)) // only the UPC/EAN encoders rewrite the add-on
        supplement = symbol->supplement;
    pattern = symbol->pattern;
    checkText = symbol->checkText;
    tables.PatternTable = {}; // the next encode needs tables built afresh
    return EncodeOutcome::Encoded;
}

} // namespace vornik::linear
