#include "core/app/save_bar_code.h"

#include "core/app/application.h"
#include "core/app/ascii_case.h"
#include "core/app/program_texts.h"

#include <array>
#include <filesystem>
#include <system_error>

namespace vornik {

namespace {

// The formats the image converter writes, by extension.
constexpr std::array<std::string_view, 8> kConvertedExtensions{"GIF", "JPG", "PNG", "EPS",
                                                               "TIF", "BMP", "TGA", "PCX"};

bool isConverted(std::string_view extension) {
    for (std::string_view converted : kConvertedExtensions)
        if (extension == converted)
            return true;
    return false;
}

SaveOutcome fail(Application& app, std::string text) {
    app.host().showMessage({.title = std::string(kProgramTitle),
                            .text = std::move(text),
                            .icon = MessageIcon::Exclamation,
                            .buttons = MessageButtons::Ok});
    app.countFailedFileOperation();
    return SaveOutcome::Failed;
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
    const std::string extension = extensionOf(destination);
    if (isConverted(extension))
        return fail(app, "The bar code could not be saved to " + destination +
                             ": this version of Vornik cannot write " + extension +
                             " files yet. Save it as a .wmf file.");
    std::error_code error;
    std::filesystem::copy_file(state.TempMetafilePath, destination,
                               std::filesystem::copy_options::overwrite_existing, error);
    if (error)
        return fail(app, "The bar code could not be saved to " + destination + ": " +
                             error.message() + ".");
    return SaveOutcome::Saved;
}

} // namespace vornik
