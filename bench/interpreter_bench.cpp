// How fast the command language runs: an automating program may send one
// execute string per label, so interpreting must cost next to nothing beside
// the build itself.

#include "core/app/application.h"
#include "core/dde/interpreter.h"
#include "silent_host.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

using vornik::bench::SilentHost;

void BM_TypicalLabelSettings(benchmark::State& state) {
    SilentHost host;
    vornik::Application app(host, {.programDirectory = "/tmp"});
    app.startUp();
    vornik::dde::Interpreter interpreter(app);
    const std::string commands =
        "[code128][metric][barwidth=33.02][barheight=2.54][text=on][quietzones=on]"
        "[fontname=Arial][fontsize=10][forecolorrgb=0,0,0][comment=Lot 42]"
        "[message='VORNIK-',48,49,50,51]";
    for (auto _ : state)
        benchmark::DoNotOptimize(interpreter.Execute(commands));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TypicalLabelSettings);

void BM_LargeEscapedMessage(benchmark::State& state) {
    SilentHost host;
    vornik::Application app(host, {.programDirectory = "/tmp"});
    app.startUp();
    vornik::dde::Interpreter interpreter(app);
    std::string commands = "[message=";
    for (int i = 0; i < state.range(0); ++i)
        commands += "'ABCDEFGH',13,10,";
    commands += "]";
    for (auto _ : state)
        benchmark::DoNotOptimize(interpreter.Execute(commands));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(commands.size()));
}
BENCHMARK(BM_LargeEscapedMessage)->Arg(100)->Arg(10000);

} // namespace
