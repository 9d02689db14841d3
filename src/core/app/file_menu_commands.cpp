#include "core/app/file_menu_commands.h"

#include "core/app/application.h"
#include "core/app/save_bar_code.h"
#include "core/files/message_file.h"

namespace vornik {

namespace {

std::optional<std::string> askForFile(Application& app, std::string_view title,
                                      std::string_view filter, const std::string& initialName,
                                      bool forSaving) {
    return app.host().chooseFile({.title = std::string(title),
                                  .filter = std::string(filter),
                                  .initialName = initialName,
                                  .forSaving = forSaving});
}

} // namespace

bool MNew_Click(Application& app) {
    if (app.querySaveChanges && !app.querySaveChanges(app))
        return false;
    app.state().SymbolDisplayVisible = false;
    app.state().BuildSuppressed = true;
    app.ResetJob();
    app.state().BuildSuppressed = false;
    return true;
}

bool MOpenMsg_Click(Application& app) {
    const auto path =
        askForFile(app, kOpenMessageFileTitle, kAllFilesFilter, app.state().MessageFilePath, false);
    return path && files::OpenMessageFile(app, *path);
}

bool MReadMsg_Click(Application& app) {
    const auto path =
        askForFile(app, kReadMessageTitle, kAllFilesFilter, app.state().ReadMessagePath, false);
    return path && files::ReadMessageFile(app, *path);
}

bool MBSave_Click(Application& app) {
    const auto path =
        askForFile(app, kSaveBarCodeTitle, kSaveBarCodeFilter, app.state().BarcodeSavePath, true);
    if (!path)
        return false;
    app.state().BarcodeSavePath = *path;
    return saveBarCode(app) == SaveOutcome::Saved;
}

} // namespace vornik
