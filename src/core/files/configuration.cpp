#include "core/files/configuration.h"

#include "core/app/application.h"
#include "core/app/program_texts.h"
#include "core/files/file_io.h"
#include "core/files/message_file.h"
#include "core/serial/navigation.h"

namespace vornik::files {

namespace {

// No job makes a configuration file anywhere near this long; a bigger file
// is not one, and is not read into memory.
constexpr std::size_t kMaxConfigurationBytes = 64u << 20;

constexpr std::string_view kCaptionPrefix = "Vornik Professional (";
constexpr std::string_view kQuestionTitle = "Vornik Professional";

void tell(Application& app, std::string text) {
    app.host().showMessage({.title = std::string(kProgramTitle),
                            .text = std::move(text),
                            .icon = MessageIcon::None,
                            .buttons = MessageButtons::Ok});
    app.countFailedFileOperation();
}

// The job has a file now: its name goes into the window caption.
void nameJob(Application& app, const std::string& path) {
    RunState& state = app.state();
    state.ConfigPath = path;
    state.Named = true;
    const auto slash = path.find_last_of('/');
    state.ConfigTitle = slash == std::string::npos ? path : path.substr(slash + 1);
    state.WindowCaption = std::string(kCaptionPrefix) + state.ConfigTitle + ")";
}

// Puts a loaded record into the job. The symbology is chosen as the menu
// chooses it, after which the boxes show the texts the file holds.
void applyRecord(Application& app, ConfigurationRecord record) {
    Job& job = app.job();
    RunState& state = app.state();
    const Symbology chosen = record.job.Symbology;
    const std::string supplement = record.job.Supplement;
    record.job.Symbology = job.Symbology;
    record.job.DisableAutoCheck = job.DisableAutoCheck; // not kept in files
    job = std::move(record.job);
    state.MessageFilePath = record.MessageFilePath;
    state.BarcodeSavePath = record.BarcodeSavePath;
    app.setAnsiDisplay(job.AnsiDisplay);
    app.MCode_Click(chosen);
    // Leaving a two-dimensional symbology may clear the supplement box; the
    // file's supplement belongs to the loaded job.
    job.Supplement = supplement;
    app.setOrientation(job.Orientation);
    app.boxes().editMagnify(record.MagnifyText, BoxEdit::Display);
    app.boxes().editWidth(record.WidthText, BoxEdit::Display);
    app.boxes().editHeight(record.HeightText, BoxEdit::Display);
}

// The loaded job's numbering and message file take over the navigation.
void resumeNavigation(Application& app, bool messageFileOpen) {
    RunState& state = app.state();
    state.Messages = MessageFileState{};
    state.MessageFileOpen = false;
    state.NavigationShown = false;
    if (app.job().IncEnabled == 1) {
        state.NavigationShown = true;
        serial::Step(app, 0);
        app.Build();
    }
    if (messageFileOpen)
        (void)OpenMessageFile(app, state.MessageFilePath);
}

} // namespace

ConfigurationRecord currentConfiguration(const Application& app) {
    const RunState& state = app.state();
    return {.job = app.job(),
            .MessageFilePath = state.MessageFilePath,
            .BarcodeSavePath = state.BarcodeSavePath,
            .MessageFileOpen = state.MessageFileOpen,
            .MagnifyText = app.boxes().magnifyText(),
            .WidthText = app.boxes().widthText(),
            .HeightText = app.boxes().heightText()};
}

bool LoadConfiguration(Application& app, const std::string& path) {
    const FileBytes file = readWholeFile(path, kMaxConfigurationBytes);
    if (!file.error.empty()) {
        tell(app, fileFailureText(path, file.error));
        return false;
    }
    auto record = file.tooLarge ? std::nullopt
                                : parseConfigurationBytes(file.bytes, currentConfiguration(app));
    if (!record) {
        tell(app, "File: " + path + " is not a valid VORNIK configuration file!");
        return false;
    }
    const bool messageFileOpen = record->MessageFileOpen;
    applyRecord(app, std::move(*record));
    nameJob(app, path);
    resumeNavigation(app, messageFileOpen);
    app.state().Dirty = false;
    app.host().viewChanged();
    return true;
}

bool WriteConfiguration(Application& app, const std::string& path) {
    if (auto error = replaceFile(path, writeConfigurationBytes(currentConfiguration(app)))) {
        tell(app, fileFailureText(path, *error));
        return false;
    }
    nameJob(app, path);
    app.state().Dirty = false;
    app.host().viewChanged();
    return true;
}

bool SaveConfiguration(Application& app) {
    const RunState& state = app.state();
    if (!state.ConfigPath.empty() && state.Named)
        return WriteConfiguration(app, state.ConfigPath);
    return SaveConfigurationAs(app);
}

bool SaveConfigurationAs(Application& app) {
    const auto chosen = app.host().chooseFile({.title = "Save Vornik Configuration As",
                                               .filter = std::string(kConfigurationFilter),
                                               .initialName = app.state().ConfigPath,
                                               .forSaving = true});
    if (!chosen) {
        app.state().SaveCancelled = true;
        return false;
    }
    return WriteConfiguration(app, *chosen);
}

bool OpenConfiguration(Application& app) {
    if (QuerySaveChanges(app) == SaveChangesAnswer::Cancel)
        return false;
    const auto chosen = app.host().chooseFile({.title = "Open Vornik Configuration File",
                                               .filter = std::string(kConfigurationFilter),
                                               .initialName = app.state().ConfigPath,
                                               .forSaving = false});
    if (!chosen)
        return false;
    return LoadConfiguration(app, *chosen);
}

bool OpenConfigurationFile(Application& app, const std::string& path) {
    if (QuerySaveChanges(app) == SaveChangesAnswer::Cancel)
        return false;
    return LoadConfiguration(app, path);
}

SaveChangesAnswer QuerySaveChanges(Application& app) {
    RunState& state = app.state();
    state.SaveCancelled = false;
    if (!state.Dirty)
        return SaveChangesAnswer::None;
    const std::string question =
        state.ConfigPath.empty()
            ? std::string("Save current configuration?")
            : "Configuration file: " + state.ConfigTitle + " has changed. Save changes?";
    const MessageAnswer answer = app.host().showMessage({.title = std::string(kQuestionTitle),
                                                         .text = question,
                                                         .icon = MessageIcon::Question,
                                                         .buttons = MessageButtons::YesNoCancel});
    if (answer == MessageAnswer::No)
        return SaveChangesAnswer::No;
    if (answer != MessageAnswer::Yes)
        return SaveChangesAnswer::Cancel;
    const bool saved = SaveConfiguration(app);
    return saved && !state.SaveCancelled ? SaveChangesAnswer::Yes : SaveChangesAnswer::Cancel;
}

} // namespace vornik::files
