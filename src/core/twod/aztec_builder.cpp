#include "core/twod/aztec_builder.h"

#include "core/app/application.h"
#include "core/twod/aztec_adapter.h"
#include "core/twod/symbol_publishing.h"

namespace vornik::twod {

std::string aztecResultText(std::int32_t result) {
    switch (result) {
    case kAztecMessageLength:
        return "Invalid message length. Possible causes: Either the message is too long or the "
               "selected error correction level is too large or the number of data layers "
               "specicfied does not provide enough symbol area for the complete message to be "
               "encoded.";
    case kAztecCommentLength:
        return "Invalid Comment length. Comments cannot exceed 100 characters.";
    case kAztecInvalidModuleSize:
        return "Invalid module size.";
    default:
        return "Cannot Create an Aztec Symbol.";
    }
}

BuildOutcome buildAztec(Application& app, const std::string& message) {
    const AztecBlockBytes block = serialiseAztecBlock(aztecParameters(app.job(), message));
    render::CurrentPicture picture;
    const std::int32_t result = VKAZTEC(block, picture);
    if (result != kAztecSuccess) {
        app.state().SymbolBuilt = false;
        if (app.job().MessageWarnings)
            app.host().showMessage({.title = kAztecFailureTitle,
                                    .text = aztecResultText(result),
                                    .icon = MessageIcon::Exclamation,
                                    .buttons = MessageButtons::Ok});
        return BuildOutcome::Rejected;
    }
    // The picture's extents are those of the turned symbol.
    const bool rotated = app.job().Orientation != Orientation::Horizontal;
    const int width = rotated ? picture.yExtent : picture.xExtent;
    const int height = rotated ? picture.xExtent : picture.yExtent;
    publishSymbol(app, *picture.metafile, width, height);
    return BuildOutcome::Built;
}

} // namespace vornik::twod
