// What the user waits for after a click on a drawing option: the core
// rebuilds the symbol, the clipboard receives its forms, and the window
// repaints the display. One frame at 60 Hz is 16 ms. Include Text is the
// toggle for a Code 128; PDF417 draws no text line, so Quiet Zones, which
// rebuilds it, stands in.

#include "core/dde/interpreter.h"
#include "gui/desktop_session.h"
#include "gui/symbol_display.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <string>

namespace {

using Toggle = void (vornik::Application::*)();

void toggleAndRepaint(benchmark::State& state, const std::string& commands, Toggle toggle) {
    QTemporaryDir settings;
    vornik::gui::DesktopSession session((settings.path() + "/Vornik.conf").toStdString(),
                                        VORNIK_PROGRAM_DIRECTORY, std::nullopt);
    session.start();
    session.window().resize(1024, 768);
    if (!vornik::dde::Interpreter(session.app()).Execute(commands + "[build/copy]")) {
        state.SkipWithError("the symbol was not built");
        return;
    }
    for (auto _ : state) {
        const auto before = session.app().state().CurrentPicture.metafile;
        (session.app().*toggle)();
        session.window().symbolDisplay()->repaint();
        if (session.app().state().CurrentPicture.metafile == before) {
            state.SkipWithError("the toggle did not rebuild the symbol");
            return;
        }
    }
}

void BM_ToggleIncludeTextCode128(benchmark::State& state) {
    toggleAndRepaint(state, "[code128][message='Vornik 0123456789']",
                     &vornik::Application::toggleIncludeText);
}
BENCHMARK(BM_ToggleIncludeTextCode128)->Unit(benchmark::kMillisecond);

void BM_ToggleQuietZonesPdf417With400Characters(benchmark::State& state) {
    std::string message;
    for (int i = 0; message.size() < 400; ++i)
        message += "Vornik PDF417 text " + std::to_string(i) + ". ";
    message.resize(400);
    toggleAndRepaint(state, "[pdf417][message='" + message + "']",
                     &vornik::Application::toggleQuietZones);
}
BENCHMARK(BM_ToggleQuietZonesPdf417With400Characters)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
