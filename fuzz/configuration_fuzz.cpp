// Configuration files (.vkf). Any bytes are first parsed on their own: a
// record read is saved again, and what is saved must read back and save to
// the same bytes. Then the bytes are loaded through the program as a file,
// into a job that differs from the defaults: a file the program rejects must
// leave the job and the run state exactly as they were.
//
// A configuration names other files (its message file, its save path); an
// input holding a "/" is only parsed, never loaded, so that nothing outside
// the run's private folder is read.

#include "core/app/application.h"
#include "core/dde/interpreter.h"
#include "core/files/configuration.h"
#include "support/fuzz_session.h"
#include "support/scratch_folder.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace vornik;

// A job unlike the defaults in many fields, so that a rejected load that
// resets or half-applies anything shows.
constexpr std::string_view kEarlierJob =
    "[code128][message='BEFORE',13,10,'LOAD'][barwidth=15][barheight=1.5][comment=Earlier job]"
    "[quietzones=on][vertdown][incpreamble='A'][incstart=7][fontsize=12][bitsperpixel=24]";

// What a rejected load must not touch: the job as a file would save it, and
// the run state that names and marks it.
struct Snapshot {
    std::string saved;
    std::string configPath;
    std::string configTitle;
    std::string caption;
    std::string messageFilePath;
    bool named = false;
    bool dirty = false;
    bool messageFileOpen = false;
    bool navigationShown = false;
    bool symbolBuilt = false;

    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshotOf(const Application& app) {
    const RunState& state = app.state();
    return {.saved = files::writeConfigurationBytes(files::currentConfiguration(app)),
            .configPath = state.ConfigPath,
            .configTitle = state.ConfigTitle,
            .caption = state.WindowCaption,
            .messageFilePath = state.MessageFilePath,
            .named = state.Named,
            .dirty = state.Dirty,
            .messageFileOpen = state.MessageFileOpen,
            .navigationShown = state.NavigationShown,
            .symbolBuilt = state.SymbolBuilt};
}

void checkParse(std::string_view bytes) {
    const auto record = files::parseConfigurationBytes(bytes, files::ConfigurationRecord{});
    if (!record)
        return;
    const std::string saved = files::writeConfigurationBytes(*record);
    const auto again = files::parseConfigurationBytes(saved, files::ConfigurationRecord{});
    if (!again)
        fuzz::finding("a configuration read and saved again does not read back");
    if (files::writeConfigurationBytes(*again) != saved)
        fuzz::finding("a configuration read and saved again saves different bytes");
}

void checkLoad(std::string_view bytes) {
    const fuzz::ScratchFolder& folder = fuzz::ScratchFolder::get();
    const std::string path = folder.write("input.vkf", bytes).string();
    fuzz::FuzzSession session(false);
    Application& app = session.app;
    (void)dde::Interpreter(app).Execute(kEarlierJob);
    const Snapshot before = snapshotOf(app);
    if (!files::LoadConfiguration(app, path) && !(snapshotOf(app) == before))
        fuzz::finding("a configuration file the program rejected changed the job");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::prepareScratchRun(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkParse(bytes);
    if (bytes.find('/') != std::string_view::npos)
        return 0;
    const fuzz::InsideScratchFolder inside;
    checkLoad(bytes);
    return 0;
}
