#include "core/app/save_bar_code.h"

#include "core/app/application.h"
#include "core/app/ascii_case.h"
#include "core/app/image_conversion.h"
#include "core/app/program_texts.h"
#include "core/files/file_io.h"
#include "core/files/safe_output.h"

#include <filesystem>
#include <optional>

namespace vornik {

namespace {

// Far beyond any picture the program draws.
constexpr std::size_t kLargestMetafile = 64u << 20;

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
    // The metafile is copied whole and replaces an old file only once it is
    // written, so a failed save keeps what was there.
    const files::FileBytes metafile =
        files::readWholeFile(state.TempMetafilePath, kLargestMetafile);
    std::optional<std::string> reason =
        metafile.tooLarge ? std::optional<std::string>("the temporary file is too large")
                          : std::nullopt;
    if (!reason && !metafile.error.empty())
        reason =
            "the temporary file " + state.TempMetafilePath + " cannot be read: " + metafile.error;
    if (!reason)
        reason = files::saveWholeFile(destination, metafile.bytes);
    if (reason)
        return fail(app,
                    "The bar code could not be saved to " + destination + ": " + *reason + ".");
    return SaveOutcome::Saved;
}

} // namespace vornik
