#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vornik::cli {

// How one record of a batch ended.
struct RecordResult {
    enum class Outcome { Written, Skipped, Failed } outcome = Outcome::Failed;
    // With --verify, for a file written: read back and found right, or of a
    // symbology or file format that cannot be read back.
    enum class Check { None, Verified, NotVerifiable } check = Check::None;
    std::size_t index = 0; // in the plan
    std::string reason;    // why it failed, or why it is not verifiable

    bool operator==(const RecordResult&) const = default;
};

// A result as one line, for a worker to send to the program that started
// it, and back.
[[nodiscard]] std::string resultLine(const RecordResult& result);
[[nodiscard]] std::optional<RecordResult> parseResultLine(std::string_view line);

} // namespace vornik::cli
