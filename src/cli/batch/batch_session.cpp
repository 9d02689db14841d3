#include "cli/batch/batch_session.h"

#include "cli/image_converter_module.h"
#include "core/app/program_texts.h"
#include "core/dde/interpreter.h"

namespace vornik::cli {

namespace {

// The settings of a batch are the user's, read as any run reads them.
SettingsFile batchSettings() {
    return SettingsFile(SettingsFile::defaultPath());
}

} // namespace

// A batch runs unattended: a question (a dimension or printer warning) is
// answered as a user who goes ahead would, as --yes does.
BatchSession::BatchSession(const BatchCommandLine& line,
                           const std::filesystem::path& programDirectory)
    : line_(line),
      host_(said_, batchSettings(), HeadlessPolicy{.answerYes = true, .audibleBeep = false},
            headlessPrinter(std::nullopt, programDirectory)),
      app_(host_, {programDirectory, line.jobFile}) {
    app_.convertImage = imageConverter(programDirectory);
}

BatchSession::~BatchSession() {
    (void)app_.shutDown(false);
}

std::optional<std::string> BatchSession::setUp() {
    app_.startUp();
    if (app_.failedFileOperations() > 0)
        return "the job " + line_.jobFile.value_or("") + " could not be loaded: " + takeMessages();
    dde::Interpreter interpreter(app_);
    for (const std::string& commands : line_.execStrings) {
        const dde::ExecuteReport refusals = interpreter.ExecuteWithReport(commands);
        if (!refusals.empty())
            return "the job's commands were refused: " + dde::refusalLine(refusals.front());
    }
    if (app_.failedFileOperations() > 0)
        return "the job's commands failed: " + takeMessages();
    (void)takeMessages();
    return std::nullopt;
}

std::string BatchSession::takeMessages() {
    std::string text = said_.str();
    said_.str({});
    // Every line is the program's own: its title in front says nothing.
    const std::string title = std::string(kProgramTitle) + ": ";
    if (text.starts_with(title))
        text.erase(0, title.size());
    for (auto at = text.find("\n" + title); at != std::string::npos;
         at = text.find("\n" + title, at))
        text.erase(at + 1, title.size());
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    for (char& c : text)
        if (c == '\n' || c == '\r')
            c = ' ';
    return text;
}

} // namespace vornik::cli
