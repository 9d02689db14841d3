#pragma once

#include "core/app/build_outcome.h"
#include "core/app/symbology.h"

#include <array>
#include <functional>
#include <string>

namespace vornik {

class Application;

// The builders the Build command hands a job to.
enum class BuilderKind {
    Linear, // every linear and postal symbology: encoder, then the linear renderer
    Pdf417,
    Aztec,
    DataMatrix,
    Rss14,
    Rss14Stacked,
    Rss14StackedOmni,
    RssLimited,
};
inline constexpr std::size_t kBuilderKindCount = 8;

[[nodiscard]] BuilderKind builderFor(Symbology symbology);

// The notice of a builder that this version does not have yet.
[[nodiscard]] std::string unavailableSymbologyText(Symbology symbology);

// Shows that notice for the job's symbology; the build ends without a symbol.
BuildOutcome reportSymbologyUnavailable(Application& app);

// What every builder receives: the application (job, run state, host) and
// the two integer dimensions the Build command derived.
struct BuildContext {
    Application& app;
    int widthUnits;  // narrow bar width, 0.001 cm
    int heightUnits; // bar height, 0.001 cm
};

using Builder = std::function<BuildOutcome(BuildContext&)>;

// One builder per kind. A kind without an encoder in this version has a
// builder that says so and builds nothing.
class BuilderTable {
public:
    BuilderTable();
    void install(BuilderKind kind, Builder builder);
    [[nodiscard]] BuildOutcome run(BuilderKind kind, BuildContext& context) const;

private:
    std::array<Builder, kBuilderKindCount> builders_;
};

} // namespace vornik
