#include "core/linear/pattern_tables.h"

#include "core/linear/codabar.h"
#include "core/linear/code128.h"
#include "core/linear/code39.h"
#include "core/linear/code93.h"
#include "core/linear/msi_plessey.h"
#include "core/linear/postal.h"
#include "core/linear/two_of_five.h"
#include "core/linear/upc_ean_tables.h"

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
    case Symbology::Code128:
    case Symbology::EanUcc128:
        fillCode128Tables(tables);
        return;
    case Symbology::UpcA:
    case Symbology::UpcE:
    case Symbology::UpcE1:
    case Symbology::Ean8:
    case Symbology::Ean13:
    case Symbology::BookLand:
        fillUpcEanTables(tables);
        return;
    case Symbology::Pdf417:
    case Symbology::Aztec:
    case Symbology::DataMatrix:
    case Symbology::Rss14:
    case Symbology::Rss14Stacked:
    case Symbology::Rss14StackedOmni:
    case Symbology::RssLimited:
        return; // no tables in this version
    case Symbology::Interleaved2of5:
        fillInterleaved2of5Tables(tables);
        return;
    case Symbology::Discrete2of5:
        fillDiscrete2of5Tables(tables);
        return;
    case Symbology::Codabar:
        fillCodabarTables(tables);
        return;
    case Symbology::MsiPlessey:
        fillMsiPlesseyTables(tables);
        return;
    case Symbology::Postnet:
        fillPostnetTables(tables);
        return;
    case Symbology::Bpo4State:
        fillFourStateTables(tables);
        return;
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
