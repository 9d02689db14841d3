// What a long message file costs: opening 20 MB of bare line feeds (twenty
// million empty labels, the most lines a file of that size can hold) and
// stepping through every line and back, with the memory the lines take.

#include "core/app/application.h"
#include "core/files/message_file.h"
#include "core/files/message_lines.h"
#include "silent_host.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using vornik::bench::SilentHost;
namespace fs = std::filesystem;

constexpr std::size_t kFileBytes = 20u << 20;

// A file of bare line feeds in the temporary folder, removed when done.
class LineFeedFile {
public:
    LineFeedFile()
        : path_(fs::temp_directory_path() /
                ("vornik-message-bench-" + std::to_string(::getpid()) + ".txt")) {
        std::ofstream(path_, std::ios::binary) << std::string(kFileBytes, '\n');
    }
    ~LineFeedFile() { std::remove(path_.c_str()); }
    LineFeedFile(const LineFeedFile&) = delete;
    LineFeedFile& operator=(const LineFeedFile&) = delete;
    std::string path() const { return path_.string(); }

private:
    fs::path path_;
};

void reportHeld(benchmark::State& state, const vornik::files::MessageLines& lines) {
    state.counters["lines"] = static_cast<double>(lines.size());
    state.counters["held_bytes"] = static_cast<double>(lines.heldBytes());
    state.counters["held_per_file_byte"] =
        static_cast<double>(lines.heldBytes()) / static_cast<double>(kFileBytes);
}

// Open Message File as the menu runs it: reading, indexing, the first build.
void BM_OpenBareLineFeeds(benchmark::State& state) {
    const LineFeedFile file;
    SilentHost host;
    vornik::Application app(host, {.programDirectory = "/tmp"});
    app.startUp();
    for (auto _ : state)
        benchmark::DoNotOptimize(vornik::files::OpenMessageFile(app, file.path()));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kFileBytes));
    reportHeld(state, app.state().Messages.MessageList);
}
BENCHMARK(BM_OpenBareLineFeeds)->Unit(benchmark::kMillisecond);

// Next through every line to the end and Previous back to the first.
void BM_StepThroughBareLineFeeds(benchmark::State& state) {
    const LineFeedFile file;
    SilentHost host;
    vornik::Application app(host, {.programDirectory = "/tmp"});
    app.startUp();
    if (!vornik::files::OpenMessageFile(app, file.path())) {
        state.SkipWithError("the message file could not be opened");
        return;
    }
    const auto& lines = app.state().Messages.MessageList;
    for (auto _ : state) {
        while (vornik::files::StepMessage(app, +1)) {
        }
        while (vornik::files::StepMessage(app, -1)) {
        }
    }
    state.SetItemsProcessed(state.iterations() * 2 * static_cast<std::int64_t>(lines.size()));
    reportHeld(state, lines);
}
BENCHMARK(BM_StepThroughBareLineFeeds)->Unit(benchmark::kMillisecond);

} // namespace
