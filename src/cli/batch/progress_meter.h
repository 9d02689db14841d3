#pragma once

#include <cstddef>
#include <string>

namespace vornik::cli {

// The counts a batch keeps as its records come in.
struct BatchTally {
    std::size_t total = 0;
    std::size_t written = 0;
    std::size_t skipped = 0;
    std::size_t failed = 0;
    std::size_t verified = 0;
    std::size_t notVerifiable = 0;

    [[nodiscard]] std::size_t done() const { return written + skipped + failed; }
};

// The progress line drawn on a terminal: a bar, the records done of all,
// the rate and the time left, e.g.
//   [##########          ]  500/1000  250.0/s  0:02 left
[[nodiscard]] std::string progressLine(const BatchTally& tally, double seconds);

// The one line that sums a batch up, e.g.
//   batch: 998 written, 2 failed, 0 skipped of 1000 in 4.1 s; 998 verified
[[nodiscard]] std::string summaryLine(const BatchTally& tally, double seconds, bool verifying);

} // namespace vornik::cli
