#include "core/app/preferences_profile.h"

namespace vornik {

namespace {

bool isPostal(Symbology symbology) {
    return symbology == Symbology::Postnet || symbology == Symbology::Bpo4State;
}

bool isMatrix(Symbology symbology) {
    return symbology == Symbology::Aztec || symbology == Symbology::DataMatrix;
}

// Bearer bars frame the one-row linear symbols that have no fixed quiet
// zones or guard bars of their own.
bool takesBearerBars(Symbology symbology) {
    return !isUpcEanFamily(symbology) && !isRssFamily(symbology) &&
           symbology != Symbology::MsiPlessey;
}

// The symbologies with a check character the user may add or leave out;
// EAN/UCC-128's item works its own check digit.
bool hasOptionalCheckDigit(Symbology symbology) {
    switch (symbology) {
    case Symbology::Code39:
    case Symbology::Code39FullAscii:
    case Symbology::Interleaved2of5:
    case Symbology::Codabar:
    case Symbology::MsiPlessey:
    case Symbology::EanUcc128:
        return true;
    case Symbology::UpcA:
    case Symbology::UpcE:
    case Symbology::UpcE1:
    case Symbology::Ean8:
    case Symbology::Ean13:
    case Symbology::BookLand:
    case Symbology::Discrete2of5:
    case Symbology::Code93:
    case Symbology::Code128:
    case Symbology::Pdf417:
    case Symbology::Aztec:
    case Symbology::DataMatrix:
    case Symbology::Rss14:
    case Symbology::Rss14Stacked:
    case Symbology::Rss14StackedOmni:
    case Symbology::RssLimited:
    case Symbology::Postnet:
    case Symbology::Bpo4State:
        return false;
    }
    return false;
}

} // namespace

PreferencesProfile preferencesProfile(Symbology symbology) {
    const bool pdf = symbology == Symbology::Pdf417;
    const bool matrix = isMatrix(symbology);
    const bool postal = isPostal(symbology);
    const bool linear = !pdf && !matrix && !postal;

    PreferencesProfile profile;
    profile.mAlign = !postal;
    profile.mAztecOpt = symbology == Symbology::Aztec;
    profile.DMOpts = symbology == Symbology::DataMatrix;
    profile.PDFOps = pdf;
    // The human-readable line exists for linear symbols only.
    profile.Pref = profile.TextAbove = profile.MAutoFont = linear;
    profile.CommentAbove = profile.MCustFont = profile.BWR = !postal;
    profile.QuietZones = linear || pdf;
    profile.BearerBars = linear && takesBearerBars(symbology);
    profile.Code39Check = linear && hasOptionalCheckDigit(symbology);
    profile.DisableAutoCheck = false;
    profile.ConversionsT = pdf;
    profile.Units = !postal;
    profile.Junk1 = !postal;
    profile.Junk4 = profile.Junk0 = pdf || matrix;
    return profile;
}

} // namespace vornik
