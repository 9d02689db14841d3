#include "core/app/builders.h"

#include "core/app/application.h"
#include "core/app/program_texts.h"
#include "core/linear/pattern_tables.h"
#include "core/render/linear_renderer.h"
#include "core/twod/library_builders.h"
#include "core/twod/pdf417_builder.h"

#include <string>

namespace vornik {

BuilderKind builderFor(Symbology symbology) {
    switch (symbology) {
    case Symbology::Pdf417:
        return BuilderKind::Pdf417;
    case Symbology::Aztec:
        return BuilderKind::Aztec;
    case Symbology::DataMatrix:
        return BuilderKind::DataMatrix;
    case Symbology::Rss14:
        return BuilderKind::Rss14;
    case Symbology::Rss14Stacked:
        return BuilderKind::Rss14Stacked;
    case Symbology::Rss14StackedOmni:
        return BuilderKind::Rss14StackedOmni;
    case Symbology::RssLimited:
        return BuilderKind::RssLimited;
    case Symbology::Code39:
    case Symbology::Code39FullAscii:
    case Symbology::UpcA:
    case Symbology::UpcE:
    case Symbology::UpcE1:
    case Symbology::Ean8:
    case Symbology::Ean13:
    case Symbology::BookLand:
    case Symbology::Interleaved2of5:
    case Symbology::Discrete2of5:
    case Symbology::Codabar:
    case Symbology::Code93:
    case Symbology::Code128:
    case Symbology::EanUcc128:
    case Symbology::MsiPlessey:
    case Symbology::Postnet:
    case Symbology::Bpo4State:
        return BuilderKind::Linear;
    }
    return BuilderKind::Linear; // a value outside the catalogue; the caller has checked it
}

// Stands in for an encoder this version does not have: it says so plainly and
// leaves no symbol behind, so no caller mistakes it for a build.
BuildOutcome reportSymbologyUnavailable(Application& app) {
    app.state().SymbolBuilt = false;
    app.host().setBusyPointer(false);
    app.host().showMessage({.title = std::string(kProgramTitle),
                            .text = unavailableSymbologyText(app.job().Symbology),
                            .icon = MessageIcon::Information,
                            .buttons = MessageButtons::Ok});
    return BuildOutcome::Rejected;
}

std::string unavailableSymbologyText(Symbology symbology) {
    return symbologyName(symbology) +
           " symbols cannot be built yet: this version of Vornik has no encoder for them.";
}

namespace {

// Linear and postal symbols: the pattern tables of the symbology are built
// afresh for every encode, then the renderer encodes, draws and publishes.
BuildOutcome buildLinear(BuildContext& context) {
    Application& app = context.app;
    linear::BuildPatternTables(app.job(), app.patternTables());
    return render::renderLinearSymbol(app, app.job().Message, context.heightUnits,
                                      context.widthUnits);
}

BuildOutcome buildPdf417(BuildContext& context) {
    return twod::PdfBuildSymbol(context.app, context.app.job().Message);
}

} // namespace

BuilderTable::BuilderTable() {
    builders_.fill([](BuildContext& context) { return reportSymbologyUnavailable(context.app); });
    install(BuilderKind::Linear, buildLinear);
    install(BuilderKind::Pdf417, buildPdf417);
    twod::installLibraryBuilders(*this);
}

void BuilderTable::install(BuilderKind kind, Builder builder) {
    builders_.at(static_cast<std::size_t>(kind)) = std::move(builder);
}

BuildOutcome BuilderTable::run(BuilderKind kind, BuildContext& context) const {
    return builders_.at(static_cast<std::size_t>(kind))(context);
}

} // namespace vornik
