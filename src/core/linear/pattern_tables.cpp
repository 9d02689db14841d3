#include "core/linear/pattern_tables.h"

#include "core/linear/code39.h"
#include "core/linear/code93.h"

#include <algorithm>

namespace vornik::linear {
namespace {

void fillSymbologyTables(Symbology symbology, PatternTables& tables) {
    switch (symbology) {
    case Symbology::Code39:
        fillCode39Tables(tables, Code39Mode::Normal);
        return;
    case Symbology::Code39FullAscii:
        fillCode39Tables(tables, Code39Mode::FullAscii);
        return;
    case Symbology::Code93:
        fillCode93Tables(tables);
        return;
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
        return; // no tables in this version
    }
}

} // namespace

bool PatternTables::filled() const {
    return std::ranges::any_of(PatternTable,
                               [](const std::string& entry) { return !entry.empty(); });
}

void BuildPatternTables(Job& job, PatternTables& tables) {
    if (static_cast<std::int32_t>(job.Symbology) == 0)
        job.Symbology = Symbology::Code39;
    tables.PatternTable = {};
    tables.EvenParityTable = {};
    fillSymbologyTables(job.Symbology, tables);
}

} // namespace vornik::linear
