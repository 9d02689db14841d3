#include "core/render/publish.h"

#include "core/app/application.h"
#include "core/app/program_texts.h"
#include "core/files/rewrite_in_place.h"
#include "core/render/placeable_wmf.h"

#include <memory>
#include <optional>
#include <string_view>

namespace vornik::render {

namespace {

// The temporary metafile is private to this run, so it is rewritten in
// place; the reason, in a sentence, when it cannot be.
std::optional<std::string> writeTemporaryFile(const RunState& state, std::string_view bytes) {
    if (state.TempMetafilePath.empty())
        return "The bar code has no temporary file: " + state.TempMetafileFailure;
    if (const auto reason = files::writeWholeFileInPlace(state.TempMetafilePath, bytes))
        return "The bar code could not be written to the temporary file " + state.TempMetafilePath +
               ": " + *reason;
    return std::nullopt;
}

} // namespace

void publishPicture(Application& app, Metafile metafile, std::int32_t xExtent,
                    std::int32_t yExtent) {
    RunState& state = app.state();
    state.CurrentPicture = {.mappingMode = 8,
                            .xExtent = xExtent,
                            .yExtent = yExtent,
                            .metafile = std::make_shared<const Metafile>(std::move(metafile))};
    const std::vector<std::uint8_t> file =
        placeableWmfBytes(*state.CurrentPicture.metafile, static_cast<std::uint16_t>(xExtent),
                          static_cast<std::uint16_t>(yExtent));
    const std::string_view bytes(reinterpret_cast<const char*>(file.data()), file.size());
    if (const auto reason = writeTemporaryFile(state, bytes)) {
        app.host().showMessage(
            {.title = std::string(kProgramTitle),
             .text = *reason + ". It is on display, but cannot be saved to a file.",
             .icon = MessageIcon::Exclamation,
             .buttons = MessageButtons::Ok});
        app.countFailedFileOperation();
    }
    state.BarPatternSaveEnabled = true;
    app.host().publishPicture(state.CurrentPicture, file);
}

} // namespace vornik::render
