#include "gui/desktop_session.h"

#include "export/image_converter.h"

namespace vornik::gui {

DesktopSession::DesktopSession(const std::filesystem::path& settingsFile,
                               const std::filesystem::path& programDirectory,
                               std::optional<std::string> configuration)
    : host_(cli::SettingsFile(settingsFile)),
      app_(host_, {programDirectory, std::move(configuration)}), window_(app_) {
    app_.convertImage = exporting::convertImage;
    host_.setDialogParent(&window_);
    host_.setProgramDirectory(programDirectory);
    host_.viewRefreshed = [this] { window_.refresh(); };
    host_.pictureShown = [this](const render::CurrentPicture&) { window_.showPicture(); };
}

void DesktopSession::start() {
    app_.startUp();
    window_.show();
}

} // namespace vornik::gui
