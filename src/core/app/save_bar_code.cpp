#include "core/app/save_bar_code.h"

#include "core/app/application.h"
#include "core/app/ascii_case.h"
#include "core/app/image_conversion.h"
#include "core/app/program_texts.h"

#include <filesystem>
#include <system_error>

namespace vornik {

namespace {

SaveOutcome fail(Application& app, std::string text) {
    app.host().showMessage({.title = std::string(kProgramTitle),
                            .text = std::move(text),
                            .icon = MessageIcon::Exclamation,
                            .buttons = MessageButtons::Ok});
    app.countFailedFileOperation();
    return SaveOutcome::Failed;
}

// The converter renders the metafile and writes the format; the busy pointer
// shows meanwhile.
SaveOutcome convert(Application& app, ImageFormat format) {
    const RunState& state = app.state();
    if (!app.convertImage)
        return fail(app, "The bar code could not be saved to " + state.BarcodeSavePath +
                             ": this program has no image converter.");
    app.host().setBusyPointer(true);
    const auto error = app.convertImage(
        imageConversion(app.job(), state.TempMetafilePath, state.BarcodeSavePath, format));
    app.host().setBusyPointer(false);
    if (error)
        return fail(app, *error);
    return SaveOutcome::Saved;
}

} // namespace

std::string extensionOf(std::string_view path) {
    const std::string name = std::filesystem::path(path).filename().string();
    const auto dot = name.rfind('.');
    if (dot == std::string::npos)
        return {};
    return asciiUpper(std::string_view(name).substr(dot + 1));
}

SaveOutcome saveBarCode(Application& app) {
    const RunState& state = app.state();
    if (!state.SymbolBuilt)
        return SaveOutcome::NothingToSave;
    const std::string& destination = state.BarcodeSavePath;
    if (const auto format = imageFormatFor(extensionOf(destination)))
        return convert(app, *format);
    std::error_code error;
    std::filesystem::copy_file(state.TempMetafilePath, destination,
                               std::filesystem::copy_options::overwrite_existing, error);
    if (error)
        return fail(app, "The bar code could not be saved to " + destination + ": " +
                             error.message() + ".");
    return SaveOutcome::Saved;
}

} // namespace vornik
