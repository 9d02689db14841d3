#include "cli/batch/progress_meter.h"

#include <cmath>
#include <cstdio>

namespace vornik::cli {

namespace {

constexpr std::size_t kBarWidth = 20;

std::string minutesAndSeconds(double seconds) {
    const auto whole = static_cast<long long>(std::ceil(seconds));
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld", whole / 60, whole % 60);
    return text;
}

std::string fixed(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

} // namespace

std::string progressLine(const BatchTally& tally, double seconds) {
    const std::size_t done = tally.done();
    const std::size_t filled = tally.total == 0 ? kBarWidth : done * kBarWidth / tally.total;
    std::string line = "[" + std::string(filled, '#') + std::string(kBarWidth - filled, ' ') +
                       "] " + std::to_string(done) + "/" + std::to_string(tally.total);
    if (seconds <= 0 || done == 0)
        return line;
    const double rate = static_cast<double>(done) / seconds;
    line += "  " + fixed(rate) + "/s  " +
            minutesAndSeconds(static_cast<double>(tally.total - done) / rate) + " left";
    return line;
}

std::string summaryLine(const BatchTally& tally, double seconds, bool verifying) {
    std::string line = "batch: " + std::to_string(tally.written) + " written, " +
                       std::to_string(tally.failed) + " failed, " + std::to_string(tally.skipped) +
                       " skipped of " + std::to_string(tally.total) + " in " + fixed(seconds) +
                       " s";
    if (verifying)
        line += "; " + std::to_string(tally.verified) + " verified, " +
                std::to_string(tally.notVerifiable) + " not verifiable";
    const std::size_t missing = tally.total - tally.done();
    if (missing > 0)
        line += "; " + std::to_string(missing) + " not made";
    return line;
}

} // namespace vornik::cli
