#pragma once

#include "core/app/build_outcome.h"
#include "core/twod/rss_adapter.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vornik {
class Application;
}

namespace vornik::twod {

// Message error codes of the RSS builders.
inline constexpr std::int32_t kErrorRssPrimary = 36;   // not 1 to 13 digits
inline constexpr std::int32_t kErrorRssComposite = 37; // too long, or refused by the library
inline constexpr std::int32_t kErrorRssLimitedValue = 38;

inline constexpr std::size_t kLongestComposite = 338;

// The primary padded on the left with zeros to 13 digits, and its check
// digit: weights 3 and 1 by turns from the right, (10 - sum mod 10) mod 10.
[[nodiscard]] std::string rssHumanReadable(std::string_view primary);

// The library as the builder calls it; tests put a recorder in its place.
using RssLibraryCall = std::function<int(RssKind, const std::string&, RssBuffers&)>;

// Checks the job's message (the primary) and supplement (the composite),
// has the library fill its buffers, and draws and publishes the symbol. X is
// the narrow element width in 0.01 mm (0: 33), h the bar height (0: the
// symbology's own).
BuildOutcome buildRss(Application& app, RssKind kind, int X, int h,
                      const RssLibraryCall& library = callRssLibrary);

} // namespace vornik::twod
