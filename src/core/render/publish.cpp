#include "core/render/publish.h"

#include "core/app/application.h"
#include "core/app/program_texts.h"
#include "core/render/placeable_wmf.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <memory>

namespace vornik::render {

namespace {

// Writes the whole file or reports why not; a half-written file is removed.
std::string writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (out)
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    if (out.good()) {
        out.close();
        if (out.good())
            return {};
    }
    const std::string reason = errno != 0 ? std::strerror(errno) : "the file could not be written";
    std::remove(path.c_str());
    return reason;
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
    errno = 0;
    if (const std::string reason = writeFile(state.TempMetafilePath, file); !reason.empty()) {
        app.host().showMessage({.title = std::string(kProgramTitle),
                                .text = "The bar code could not be written to the temporary file " +
                                        state.TempMetafilePath + ": " + reason +
                                        ". It is on display, but cannot be saved to a file.",
                                .icon = MessageIcon::Exclamation,
                                .buttons = MessageButtons::Ok});
    }
    state.BarPatternSaveEnabled = true;
    app.host().publishPicture(state.CurrentPicture, file);
}

} // namespace vornik::render
