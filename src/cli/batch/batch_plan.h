#pragma once

#include "cli/batch_command_line.h"
#include "core/app/job.h"
#include "core/batch/batch_records.h"

#include <string>
#include <variant>
#include <vector>

namespace vornik::cli {

// Every record of a batch and the file each is written to.
struct BatchPlan {
    std::vector<batch::BatchRecord> records;
    std::vector<std::string> outputs; // one per record
};

// Reads the batch's source and names every output, before anything is
// written; a sentence saying what is wrong with the input otherwise: a file
// missing, unreadable or too large, a malformed table, an unknown column or
// field, two records that would share a file.
[[nodiscard]] std::variant<BatchPlan, std::string> planBatch(const BatchCommandLine& line,
                                                             const Job& job);

} // namespace vornik::cli
