#include "core/twod/pdf417_load_tables.h"

#include "core/app/application.h"
#include "core/app/program_texts.h"

#include <filesystem>
#include <fstream>
#include <variant>

namespace vornik::twod {

namespace {

// More than any pattern file needs; a longer file is read this far only.
constexpr std::streamsize kLongestPatternFile = 1 << 20;

std::filesystem::path resolved(const Application& app, const std::string& path) {
    return app.state().ProgramDirectory / std::filesystem::path(path);
}

std::optional<std::string> readText(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string text(static_cast<std::size_t>(kLongestPatternFile), '\0');
    in.read(text.data(), kLongestPatternFile);
    if (in.bad())
        return std::nullopt;
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

// The table at the path, or nothing; a file that is there but damaged is
// told to the user before the path is asked for again.
std::optional<ClusterTable> tryLoad(Application& app, const std::filesystem::path& path) {
    const auto text = readText(path);
    if (!text)
        return std::nullopt;
    auto parsed = ClusterTable::parse(*text);
    if (auto* table = std::get_if<ClusterTable>(&parsed))
        return *table;
    app.host().showMessage({.title = std::string(kProgramTitle),
                            .text = "The PDF417 pattern file " + path.string() +
                                    " is damaged: " + std::get<std::string>(parsed) + ".",
                            .icon = MessageIcon::Exclamation,
                            .buttons = MessageButtons::Ok});
    return std::nullopt;
}

} // namespace

bool PdfLoadTables(Application& app) {
    PdfTables& tables = app.pdfTables();
    if (tables.patterns)
        return true;
    tables.patternFileMissing = false;
    Host& host = app.host();
    host.setBusyPointer(true);
    for (;;) {
        const auto path = resolved(app, tables.ClusterFilePath);
        if (auto table = tryLoad(app, path)) {
            tables.patterns = std::move(*table);
            host.setBusyPointer(false);
            return true;
        }
        const auto answer = host.inputBox({.title = kClusterPromptTitle,
                                           .prompt = kClusterPrompt,
                                           .defaultAnswer = path.string()});
        if (!answer || answer->empty())
            break;
        tables.ClusterFilePath = *answer;
    }
    tables.patternFileMissing = true;
    tables.ClusterFilePath = kClusterFileName;
    host.setBusyPointer(false);
    return false;
}

} // namespace vornik::twod
