// Message files: the first byte of an input chooses the symbology, the rest
// is the file. Opened as a file of messages, every line is stepped through
// forward and back again; for symbologies outside the UPC and EAN family each
// entry must be exactly its line, a line ending at CR, LF or CR LF. Read as
// one message, the whole file must become the message when it is not too
// long. Builds are left out: the builders have fuzzing of their own through
// the command language.

#include "core/app/application.h"
#include "core/files/message_file.h"
#include "support/fuzz_session.h"
#include "support/scratch_folder.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace vornik;

// The lines of a file as the program's documentation defines them.
std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        const bool crLf = text.compare(end, 2, "\r\n") == 0;
        text.remove_prefix(end + (crLf ? 2 : 1));
    }
    return lines;
}

void installNoBuilders(Application& app) {
    for (std::size_t kind = 0; kind < kBuilderKindCount; ++kind)
        app.builders().install(static_cast<BuilderKind>(kind),
                               [](BuildContext&) { return BuildOutcome::Built; });
    app.pdfLoadTables = {};
}

void checkEntry(Application& app, const std::vector<std::string_view>& lines, std::size_t index,
                bool compare) {
    if (compare && app.job().Message != lines[index])
        fuzz::finding("a message file entry differs from its line");
    if (app.state().Messages.MessageIndex != static_cast<std::int32_t>(index + 1))
        fuzz::finding("a message file step went to the wrong entry");
}

// Opens the file and walks every entry forward, then back to the first.
void checkSteps(Application& app, const std::string& path, std::string_view bytes) {
    if (!files::OpenMessageFile(app, path))
        fuzz::finding("a message file in the run's own folder could not be opened");
    const std::vector<std::string_view> lines = linesOf(bytes);
    const bool compare = !isUpcEanFamily(app.job().Symbology);
    if (lines.empty() != !files::StepMessage(app, 0))
        fuzz::finding("a message file does not have the entries its lines make");
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (index > 0 && !files::StepMessage(app, 1))
            fuzz::finding("a message file ended before its last line");
        checkEntry(app, lines, index, compare);
    }
    if (files::StepMessage(app, 1))
        fuzz::finding("a message file went on past its last line");
    for (std::size_t index = lines.size(); index-- > 1;) {
        if (!files::StepMessage(app, -1))
            fuzz::finding("a message file stopped stepping back before its first line");
        checkEntry(app, lines, index - 1, compare);
    }
    (void)files::CloseMessageFile(app);
}

void checkWholeMessage(Application& app, const std::string& path, std::string_view bytes) {
    const bool read = files::ReadMessageFile(app, path);
    if (read != (bytes.size() <= files::kMaxMessageFileBytes))
        fuzz::finding("a message file was read as one message against its length");
    if (read && app.job().Message != bytes)
        fuzz::finding("a message file read as one message is not its bytes");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::prepareScratchRun(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return -1;
    const auto symbology = static_cast<Symbology>(kFirstSymbology + data[0] % kLastSymbology);
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const fuzz::InsideScratchFolder inside;
    const fuzz::ScratchFolder& folder = fuzz::ScratchFolder::get();
    const std::string path = folder.write("messages.txt", bytes).string();
    fuzz::FuzzSession session(false);
    Application& app = session.app;
    installNoBuilders(app);
    app.MCode_Click(symbology);
    checkSteps(app, path, bytes);
    checkWholeMessage(app, path, bytes);
    return 0;
}
