#include "gui/desktop_session.h"

#include "export/image_converter.h"
#include "gui/window_program.h"

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

std::optional<std::string> DesktopSession::serveOn(QDBusConnection connection) {
    program_ = std::make_unique<WindowProgram>(app_, host_, window_);
    service_ = std::make_unique<bus::CommandService>(*program_, std::move(connection));
    return service_->publish();
}

void DesktopSession::start() {
    app_.startUp();
    window_.show();
}

} // namespace vornik::gui
