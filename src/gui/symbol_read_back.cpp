#include "gui/symbol_read_back.h"

#include "cli/batch/read_back_check.h"
#include "cli/batch/read_back_loader.h"
#include "core/app/read_back_line.h"
#include "core/files/rewrite_in_place.h"
#include "core/render/placeable_wmf.h"
#include "export/image_converter.h"

#include <QMetaObject>
#include <cstdlib>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace vornik::gui {

// What the reading thread works with: the reader, loaded at the first
// reading, and a private folder for the drawn pictures, removed with it.
struct SymbolReadBack::Tools {
    explicit Tools(std::filesystem::path directory)
        : programDirectory(std::move(directory)), reader(cli::readBackModule(programDirectory)) {}
    ~Tools() {
        if (folder.empty())
            return;
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    Tools(const Tools&) = delete;
    Tools& operator=(const Tools&) = delete;

    // Why no folder could be made; nothing once there is one.
    std::optional<std::string> makeFolder() {
        if (!folder.empty())
            return std::nullopt;
        std::string name =
            (std::filesystem::temp_directory_path() / "vornik-readback-XXXXXX").string();
        if (::mkdtemp(name.data()) == nullptr)
            return "no private folder could be made to draw it in";
        folder = std::move(name);
        return std::nullopt;
    }

    std::filesystem::path programDirectory;
    cli::ReadBack reader;
    std::optional<std::optional<std::string>> moduleProblem; // looked for at the first reading
    std::string folder;
    // The newest reading asked for; older ones still queued are skipped.
    std::atomic<unsigned long long> latest{0};
};

namespace {

// Draws the picture as a PNG export would and reads it: the line to show.
std::string readPicture(SymbolReadBack::Tools& tools, const render::CurrentPicture& picture,
                        const batch::ExpectedReading& expected, ImageConversion conversion) {
    if (!tools.moduleProblem)
        tools.moduleProblem = cli::readBackModuleProblem(tools.programDirectory);
    if (*tools.moduleProblem)
        return readBackUnavailableLine(**tools.moduleProblem);
    if (auto problem = tools.makeFolder())
        return readBackUnavailableLine(*problem);
    conversion.source = tools.folder + "/symbol.wmf";
    conversion.destination = tools.folder + "/symbol.png";
    const std::vector<std::uint8_t> file =
        render::placeableWmfBytes(*picture.metafile, static_cast<std::uint16_t>(picture.xExtent),
                                  static_cast<std::uint16_t>(picture.yExtent));
    const std::string_view bytes(reinterpret_cast<const char*>(file.data()), file.size());
    std::optional<std::string> failure = files::writeWholeFileInPlace(conversion.source, bytes);
    if (!failure)
        failure = exporting::convertImage(conversion);
    const batch::ReadBackVerdict verdict =
        failure ? batch::judgeReadBack(expected,
                                       {batch::ReadBackResult::Status::Unreadable, {}, *failure})
                : cli::readBackFile(expected, conversion.destination, tools.reader);
    ::unlink(conversion.source.c_str());
    ::unlink(conversion.destination.c_str());
    return readBackLine(verdict);
}

} // namespace

SymbolReadBack::SymbolReadBack(QObject* parent) : QObject(parent) {
    // One reading at a time: the reader is loaded once and used by one thread.
    pool_.setMaxThreadCount(1);
}

// A reading under way ends before the window goes; its answer is dropped.
SymbolReadBack::~SymbolReadBack() {
    forget();
    pool_.clear();
    pool_.waitForDone();
}

void SymbolReadBack::pictureShown(const render::CurrentPicture& picture,
                                  batch::Expectation expectation, ImageConversion conversion) {
    last_ = Request{picture, std::move(expectation), std::move(conversion)};
    started_ = false;
}

void SymbolReadBack::settle(const RunState& state) {
    if (!state.SymbolBuilt)
        last_.reset();
    if (!state.ReadBackSymbols || !state.SymbolBuilt) {
        started_ = false;
        forget();
        show({});
    } else if (last_ && !started_) {
        started_ = true;
        start(*last_, state.ProgramDirectory);
    }
    emit settled();
}

void SymbolReadBack::start(const Request& request, const std::filesystem::path& programDirectory) {
    forget();
    if (const auto* refusal = std::get_if<batch::NotVerifiable>(&request.expectation)) {
        show(QString::fromStdString(readBackLine(batch::notVerifiableVerdict(*refusal))));
        return;
    }
    if (!tools_) {
        tools_ = std::make_shared<Tools>(programDirectory);
        tools_->latest.store(generation_);
    }
    show(QString::fromUtf8(kReadingBackLine.data(),
                           static_cast<qsizetype>(kReadingBackLine.size())));
    const unsigned long long generation = generation_;
    pool_.start([this, tools = tools_, generation, picture = request.picture,
                 expected = std::get<batch::ExpectedReading>(request.expectation),
                 conversion = request.conversion] {
        if (tools->latest.load() != generation)
            return;
        const QString line =
            QString::fromStdString(readPicture(*tools, picture, expected, conversion));
        QMetaObject::invokeMethod(
            this, [this, generation, line] { finish(generation, line); }, Qt::QueuedConnection);
    });
}

// A newer reading, or none wanted: whatever is under way now answers in vain.
void SymbolReadBack::forget() {
    ++generation_;
    if (tools_)
        tools_->latest.store(generation_);
}

void SymbolReadBack::finish(unsigned long long generation, const QString& line) {
    if (generation == generation_)
        show(line);
}

void SymbolReadBack::show(const QString& line) {
    if (line == line_)
        return;
    line_ = line;
    emit lineChanged(line_);
}

} // namespace vornik::gui
