#include "core/linear/encode_linear.h"

#include "core/linear/bookland.h"
#include "core/linear/codabar.h"
#include "core/linear/code128.h"
#include "core/linear/code39.h"
#include "core/linear/code93.h"
#include "core/linear/msi_plessey.h"
#include "core/linear/postal.h"
#include "core/linear/two_of_five.h"
#include "core/linear/upc_ean.h"

namespace vornik::linear {

EncodeResult encodeMessage(const PatternTables& tables, const Job& job, const std::string& message,
                           const std::string& supplement) {
    switch (job.Symbology) {
    case Symbology::Code39:
        return encodeCode39(tables, message, Code39Mode::Normal, job.CheckDigit);
    case Symbology::Code39FullAscii:
        return encodeCode39(tables, message, Code39Mode::FullAscii, job.CheckDigit);
    case Symbology::Code93:
        return encodeCode93(tables, message);
    case Symbology::Code128:
        return encodeCode128(tables, message, Code128Variant::Plain, false);
    case Symbology::EanUcc128:
        return encodeCode128(tables, message, Code128Variant::EanUcc, job.CheckDigit);
    case Symbology::UpcA:
        return encodeUpcEan(tables, UpcEanVariant::UpcA, message, supplement, upcEanOptions(job));
    case Symbology::UpcE:
        return encodeUpcEan(tables, UpcEanVariant::UpcE, message, supplement, upcEanOptions(job));
    case Symbology::UpcE1:
        return encodeUpcEan(tables, UpcEanVariant::UpcE1, message, supplement, upcEanOptions(job));
    case Symbology::Ean8:
        return encodeUpcEan(tables, UpcEanVariant::Ean8, message, supplement, upcEanOptions(job));
    case Symbology::Ean13:
        return encodeUpcEan(tables, UpcEanVariant::Ean13, message, supplement, upcEanOptions(job));
    case Symbology::BookLand:
        return encodeBookland(tables, message, supplement, upcEanOptions(job));
    case Symbology::Pdf417:
    case Symbology::Aztec:
    case Symbology::DataMatrix:
    case Symbology::Rss14:
    case Symbology::Rss14Stacked:
    case Symbology::Rss14StackedOmni:
    case Symbology::RssLimited:
        return NoEncoder{};
    case Symbology::Interleaved2of5:
        return encodeInterleaved2of5(tables, message, job.CheckDigit);
    case Symbology::Discrete2of5:
        return encodeDiscrete2of5(tables, message);
    case Symbology::Codabar:
        return encodeCodabar(tables, message, job.CheckDigit);
    case Symbology::MsiPlessey:
        return encodeMsiPlessey(tables, message, job.CheckDigit);
    case Symbology::Postnet:
        return encodePostnet(tables, message);
    case Symbology::Bpo4State:
        return encodeFourState(tables, message);
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
