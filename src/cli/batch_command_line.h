#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace vornik::cli {

// Where the records of a batch come from.
enum class BatchSource { Messages, Table, Count };

// The batch subcommand: one symbol per record, from a job and a source.
struct BatchCommandLine {
    std::optional<std::string> jobFile;
    std::vector<std::string> execStrings;
    BatchSource source = BatchSource::Messages;
    std::string sourceFile; // --messages FILE or --csv FILE
    std::size_t count = 0;  // --count N
    std::optional<std::string> messageColumn, commentColumn, supplementColumn;
    std::string outputTemplate;
    std::size_t jobs = 0; // 0: one worker per processor
    bool verify = false;
    bool skipExisting = false;
    bool stopOnError = false;

    bool operator==(const BatchCommandLine&) const = default;
};

inline constexpr std::size_t kMostRecords = 1'000'000;
inline constexpr std::size_t kMostWorkers = 256;

// ARGUMENTS are the words after "batch"; an error sentence when they cannot
// be followed.
[[nodiscard]] std::variant<BatchCommandLine, std::string>
parseBatchCommandLine(const std::vector<std::string>& arguments);

} // namespace vornik::cli
